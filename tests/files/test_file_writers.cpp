// Every file the program replaces, written with a file-size limit in force
// (the kernel cuts the write short exactly as a full disk does): the old
// file must survive and the failure must be reported, in Dutch.
#include "base/IniFile.h"
#include "data/MorvekDocument.h"
#include "reports/PageModel.h"
#include "reports/ReportPainter.h"
#include "reports/VonuOrderRapport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vonu;

namespace {

struct Outcome {
    bool ok = false;
    QString error;
};

using Writer = std::function<bool(const QString& path, QString* error)>;

// Runs the writer in a child process whose files may not grow beyond
// `limit` bytes; the limit ends with the child.
Outcome writeWithFileSizeLimit(rlim_t limit, const Writer& writer, const QString& path)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return {false, QStringLiteral("pipe")};
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);  // a failed write instead of a killed process
        const rlimit r{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &r);
        QString error;
        const bool ok = writer(path, &error);
        const QByteArray report = (ok ? "1" : "0") + error.toUtf8();
        [[maybe_unused]] const auto n = ::write(fds[1], report.constData(), size_t(report.size()));
        ::close(fds[1]);
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray report;
    char buffer[4096];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        report.append(buffer, qsizetype(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (report.isEmpty())
        return {false, QStringLiteral("child ended without a report")};
    return {report.startsWith('1'), QString::fromUtf8(report.mid(1))};
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

report::PageModel pagesWithText(int lines)
{
    report::PageModel model;
    model.title = QStringLiteral("Overzicht");
    model.contentSize = QSizeF(1900, 2770);
    report::Page page;
    page.number = 1;
    report::PlacedBand band;
    band.name = QStringLiteral("Detail");
    band.height = 2770;
    for (int i = 0; i < lines; ++i) {
        report::PlacedItem item;
        item.name = QStringLiteral("Regel%1").arg(i);
        item.rect = QRectF(0, i * 40, 1900, 40);
        item.text = QStringLiteral("Regel %1 van het overzicht met wat tekst erbij").arg(i);
        band.items << item;
    }
    page.bands << band;
    model.pages << page;
    return model;
}

} // namespace

TEST(FileWriters, AShortWriteKeepsThePreviousFileAndSaysTheDiskIsFull)
{
    struct Case {
        const char* name;
        const char* file;
        Writer write;
    };
    const QString big(20000, QLatin1Char('x'));
    const Case cases[] = {
        {"settings file", "MorvekVonu.Ini",
         [&](const QString& path, QString* error) {
             IniFile ini = IniFile::load(path);
             ini.setValue(QStringLiteral("Smtp"), QStringLiteral("ServerNaam"), big);
             return ini.save(path, error);
         }},
        {"order file", "Order-A1.Xml",
         [&](const QString& path, QString* error) {
             MorvekDocument doc;
             doc.loadText(QStringLiteral("<Morvek><Orders><Order><OrderReferentie>") + big +
                          QStringLiteral("</OrderReferentie></Order></Orders></Morvek>"));
             const bool ok = doc.save(path);
             *error = doc.errorText();
             return ok;
         }},
        {"print file", "VonuOrder.Prt",
         [&](const QString& path, QString* error) {
             return writePrintFile(path, QStringList(400, QStringLiteral("Regel met tekst")), error);
         }},
        {"PDF", "Overzicht.pdf",
         [&](const QString& path, QString* error) { return report::writePdf(pagesWithText(60), path, error); }},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(QString::fromLatin1(c.file));
        const QByteArray good = "[Smtp]\r\nServerNaam=smtp.goed.example\r\n";
        {
            QFile f(path);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(good);
        }
        const Outcome limited = writeWithFileSizeLimit(4096, c.write, path);
        EXPECT_FALSE(limited.ok);
        EXPECT_TRUE(limited.error.contains(QStringLiteral("de schijf is vol"))) << limited.error.toStdString();
        EXPECT_TRUE(limited.error.contains(QString::fromLatin1(c.file))) << limited.error.toStdString();
        EXPECT_EQ(bytesOf(path), good);
        // Nothing half-written is left beside it either.
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), qsizetype(&c - cases) + 1);

        // Without the limit the same writer succeeds.
        const Outcome free = writeWithFileSizeLimit(RLIM_INFINITY, c.write, path);
        EXPECT_TRUE(free.ok) << free.error.toStdString();
        EXPECT_GT(bytesOf(path).size(), 4096);
    }
}
