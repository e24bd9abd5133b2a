// The Debian package as scripts/package makes it from this build tree:
// unpacked into a throwaway root, its files and control fields checked, and
// the unpacked program started the way the menu starts it.
#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QString out;
    QString err;
};

Outcome run(const QString& program, const QStringList& arguments, const QProcessEnvironment& env = {},
        int timeoutMs = 120000)
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, arguments);
    Outcome r;
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.err = program + " did not finish";
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The program is built with the sanitizers here; its leak report at exit
// speaks of Qt's plugins, not of the package.
QProcessEnvironment programEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("ASAN_OPTIONS", "detect_leaks=0");
    return env;
}

class Package : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QStandardPaths::findExecutable("dpkg-deb").isEmpty()) {
            skipReason = "dpkg-deb is not installed (Debian's dpkg): no package can be made or unpacked here";
            return;
        }
        dir = new QTemporaryDir;
        const Outcome made = run(VONU_SOURCE_DIR "/scripts/package",
                             {"--build", VONU_BINARY_DIR, "--output", dir->filePath("out")}, {}, 240000);
        if (made.exitCode != 0) {
            setupError = "scripts/package failed: " + made.err + made.out;
            return;
        }
        deb = made.out.trimmed().split('\n').last();
        root = dir->filePath("root");
        const Outcome unpacked = run("dpkg-deb", {"-x", deb, root});
        const Outcome fieldsRun = run("dpkg-deb", {"-f", deb});
        const Outcome listRun = run("dpkg-deb", {"-c", deb});
        if (unpacked.exitCode || fieldsRun.exitCode || listRun.exitCode) {
            setupError = "dpkg-deb failed: " + unpacked.err + fieldsRun.err + listRun.err;
            return;
        }
        QString last;
        for (const QString& line : fieldsRun.out.split('\n', Qt::SkipEmptyParts)) {
            if (line.startsWith(' ')) {
                fields[last] += '\n' + line;
            } else {
                last = line.section(':', 0, 0);
                fields[last] = line.section(':', 1).trimmed();
            }
        }
        listing = listRun.out.split('\n', Qt::SkipEmptyParts);
    }

    static void TearDownTestSuite()
    {
        delete dir;
        dir = nullptr;
    }

    void SetUp() override
    {
        if (!skipReason.isEmpty())
            GTEST_SKIP() << skipReason.toStdString();
        ASSERT_TRUE(setupError.isEmpty()) << setupError.toStdString();
    }

    static QString file(const QString& path) { return root + path; }

    static QTemporaryDir* dir;
    static QString skipReason;
    static QString setupError;
    static QString deb;
    static QString root;
    static QMap<QString, QString> fields;
    static QStringList listing;
};

QTemporaryDir* Package::dir = nullptr;
QString Package::skipReason;
QString Package::setupError;
QString Package::deb;
QString Package::root;
QMap<QString, QString> Package::fields;
QStringList Package::listing;

const int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

TEST_F(Package, HoldsTheProgramItsMenuEntryIconsManualAndDemo)
{
    QSet<QString> expected = {
        "/usr/bin/vonuorder",
        "/usr/libexec/vonuorder/start",
        "/usr/share/applications/nl.morvek.VonuOrder.desktop",
        "/usr/share/metainfo/nl.morvek.VonuOrder.metainfo.xml",
        "/usr/share/icons/hicolor/scalable/apps/vonuorder.svg",
        "/usr/share/man/man1/vonuorder.1.gz",
        "/usr/share/doc/vonuorder/copyright",
        "/usr/share/doc/vonuorder/changelog.gz",
        "/usr/share/vonuorder/demo/104711.Xml",
        "/usr/share/vonuorder/demo/Assortiment.Xml",
        "/usr/share/vonuorder/demo/prepare",
        "/usr/share/vonuorder/demo/stamp-catalog",
    };
    for (int size : IconSizes)
        expected << QString("/usr/share/icons/hicolor/%1x%1/apps/vonuorder.png").arg(size);
    for (const QString& picture : QDir(VONU_SOURCE_DIR "/demo/Afbeeldingen").entryList(QDir::Files))
        expected << "/usr/share/vonuorder/demo/Afbeeldingen/" + picture;

    // "-rwxr-xr-x root/root 12345 2026-12-11 16:00 ./usr/bin/vonuorder"
    const QRegularExpression entry(R"(^(\S+) (\S+)\s+\d+ \S+ \S+ \.(/\S*)$)");
    const QSet<QString> executables = {"/usr/bin/vonuorder", "/usr/libexec/vonuorder/start",
                                       "/usr/share/vonuorder/demo/prepare", "/usr/share/vonuorder/demo/stamp-catalog"};
    QSet<QString> files;
    for (const QString& line : listing) {
        const auto m = entry.match(line);
        ASSERT_TRUE(m.hasMatch()) << line.toStdString();
        EXPECT_EQ(m.captured(2), "root/root") << line.toStdString();
        const QString path = m.captured(3);
        if (m.captured(1).startsWith('d')) {
            EXPECT_EQ(m.captured(1), "drwxr-xr-x") << line.toStdString();
            continue;
        }
        files << path;
        EXPECT_EQ(m.captured(1), executables.contains(path) ? "-rwxr-xr-x" : "-rw-r--r--") << line.toStdString();
    }
    EXPECT_EQ(files, expected);

    for (int size : IconSizes) {
        QImageReader png(file(QString("/usr/share/icons/hicolor/%1x%1/apps/vonuorder.png").arg(size)));
        EXPECT_EQ(png.format(), "png");
        EXPECT_EQ(png.size(), QSize(size, size));
    }
    for (const char* name : {"104711.Xml", "Assortiment.Xml", "prepare"})
        EXPECT_EQ(readFile(file("/usr/share/vonuorder/demo/") + name), readFile(VONU_SOURCE_DIR "/demo/" + QString(name)))
            << name;

    const Outcome man = run("gzip", {"-dc", file("/usr/share/man/man1/vonuorder.1.gz")});
    EXPECT_TRUE(man.out.startsWith(".TH VONUORDER 1 ")) << man.out.left(80).toStdString();
    for (const char* section : {"OVERZICHT", "MODI", "WERKMAP", "STARTPARAMETER", "OPTIES", "BESTANDEN", "DEMO"})
        EXPECT_TRUE(man.out.contains(QString(".SH ") + section)) << section;
    const Outcome changelog = run("gzip", {"-dc", file("/usr/share/doc/vonuorder/changelog.gz")});
    EXPECT_TRUE(changelog.out.startsWith("vonuorder (" VONU_VERSION ") ")) << changelog.out.left(80).toStdString();
}

TEST_F(Package, ControlFieldsNameTheVersionAndTheLibraries)
{
    EXPECT_EQ(fields.value("Package"), "vonuorder");
    EXPECT_EQ(fields.value("Version"), VONU_VERSION);
    EXPECT_EQ(fields.value("Architecture"), run("dpkg", {"--print-architecture"}).out.trimmed());
    EXPECT_FALSE(fields.value("Maintainer").isEmpty());
    EXPECT_GT(fields.value("Installed-Size").toInt(), 0);
    const QStringList description = fields.value("Description").split('\n');
    EXPECT_GE(description.size(), 3) << "a synopsis and an extended description";
    // From the linked libraries (shlibdeps), and the two loaded at run time.
    const QString depends = fields.value("Depends");
    for (const char* package : {"libc6", "libqt6widgets6", "libqt6keychain1", "libcurl4", "libpugixml1v5",
                                "libqt6sql6-psql", "libsecret-1-0"})
        EXPECT_TRUE(QRegularExpression(QString(R"((^|, )%1( |,|$))").arg(package)).match(depends).hasMatch())
            << package << " in " << depends.toStdString();
}

TEST_F(Package, MenuEntryAndMetainfoValidate)
{
    const QString desktop = file("/usr/share/applications/nl.morvek.VonuOrder.desktop");
    const QString metainfo = file("/usr/share/metainfo/nl.morvek.VonuOrder.metainfo.xml");
    for (const auto& [tool, args] : {std::pair<QString, QStringList>{"desktop-file-validate", {desktop}},
                                     {"appstreamcli", {"validate", "--no-net", metainfo}}}) {
        ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty()) << tool.toStdString() << ": run scripts/setup";
        const Outcome r = run(tool, args);
        EXPECT_EQ(r.exitCode, 0) << tool.toStdString() << ": " << (r.out + r.err).toStdString();
    }

    QSettings entry(desktop, QSettings::IniFormat);
    entry.beginGroup("Desktop Entry");
    EXPECT_EQ(entry.value("Name").toString(), "VonuOrder");
    EXPECT_EQ(entry.value("GenericName").toString(), "Onderdorpels bestellen");
    EXPECT_TRUE(entry.value("Comment").toString().startsWith("Orders en offerteaanvragen voor onderdorpels"));
    EXPECT_EQ(entry.value("Icon").toString(), "vonuorder");
    EXPECT_EQ(entry.value("Exec").toString(), "/usr/libexec/vonuorder/start");
    // QSettings reads "Office;" as a list.
    EXPECT_EQ(entry.value("Categories").toStringList().join(';'), "Office");
    EXPECT_TRUE(QFile::exists(file(entry.value("Exec").toString())));
    EXPECT_TRUE(readFile(metainfo).contains("<launchable type=\"desktop-id\">nl.morvek.VonuOrder.desktop</launchable>"));
    EXPECT_TRUE(readFile(metainfo).contains("<release version=\"" VONU_VERSION "\""));
}

TEST_F(Package, VersionAndHelpNeedNoDisplay)
{
    // With the X11 platform and no display a window could not even be tried.
    QProcessEnvironment env = programEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    const Outcome version = run(file("/usr/bin/vonuorder"), {"--version"}, env);
    EXPECT_EQ(version.exitCode, 0) << version.err.toStdString();
    EXPECT_EQ(version.out, "VonuOrder " VONU_VERSION "\n");
    const Outcome help = run(file("/usr/bin/vonuorder"), {"--help"}, env);
    EXPECT_EQ(help.exitCode, 0) << help.err.toStdString();
    EXPECT_TRUE(help.out.startsWith("Gebruik: vonuorder [WERKPLEK]")) << help.out.toStdString();
}

TEST_F(Package, TheMenuStartsTheProgramOnTheDemoOrInTheUsersOwnFolder)
{
    const struct {
        const char* name;
        QStringList arguments;
        const char* folder;  // below the home folder
        int exitCode;
        const char* out;
        const char* err;  // a line the program writes instead of showing it, or "" for none
    } cases[] = {
        {"demo", {"--demo"}, ".local/share/vonuorder-demo/klant", 0, "gestart: klantmodus\n", ""},
        {"own folder, still empty", {}, "VonuOrder", 1, "niet gestart: klantmodus\n",
         "Fout: Géén klantsleutel gevonden! / Het sleutelbestand (debiteurnummer.Xml) ontbreekt in deze map. / "
         "Neem hiervoor contact op met Morvek."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        QProcessEnvironment env = programEnvironment();
        env.insert("HOME", home.path());
        env.remove("XDG_DATA_HOME");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("VONUORDER_CHECK_STARTUP", "1");
        const Outcome r = run(file("/usr/libexec/vonuorder/start"), c.arguments, env);
        EXPECT_EQ(r.exitCode, c.exitCode) << r.err.toStdString();
        EXPECT_EQ(r.out, c.out);
        const QStringList messages = r.err.split('\n').filter(QRegularExpression("^(Fout|Informatie|Waarschuwing):"));
        EXPECT_EQ(messages, *c.err ? QStringList{QString::fromUtf8(c.err)} : QStringList{}) << r.err.toStdString();
        const QDir folder(home.filePath(c.folder));
        EXPECT_TRUE(folder.exists("Orders"));
        EXPECT_TRUE(folder.exists("Verzonden"));
        EXPECT_EQ(folder.exists("Assortiment.Xml"), c.exitCode == 0);
    }
}
