// The screens and actions around order entry work through the main screen's
// operations; its widgets belong to order entry's own handlers (src/order)
// and to the tests that drive them. A call of a widget getter of the main
// screen anywhere else is a way around those operations, and the check
// names it with file:line.

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

// The main screen's widget getters: the members of its header that hand
// out a control (a Qt widget or the radio group) or a row of controls.
QSet<QString> widgetGetters(const QString& header)
{
    static const QRegularExpression getter(
        QStringLiteral(R"(^\s+(?:(?:Q\w+|RadioGroup)\*|const\s+(?:RegelRij|PanelRij|DetailRij)&)\s+(\w+)\()"),
        QRegularExpression::MultilineOption);
    QSet<QString> names;
    for (auto it = getter.globalMatch(header); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}

// The names through which a source reaches the main screen: variables,
// members and functions declared as one (`TVonuOrderscherm& screen_`,
// `std::unique_ptr<TVonuOrderscherm> main_`, `TVonuOrderscherm& mainScreen()`).
QSet<QString> screenNames(const QString& text)
{
    static const QRegularExpression declared(QStringLiteral(R"(\bTVonuOrderscherm\s*(?:&|\*|>)\s*(\w+))"));
    QSet<QString> names;
    for (auto it = declared.globalMatch(text); it.hasNext();)
        names.insert(it.next().captured(1));
    return names;
}

QString withoutLineComment(const QString& line)
{
    const qsizetype comment = line.indexOf(QLatin1String("//"));
    return comment < 0 ? line : line.left(comment);
}

// "line: getter" for every call of a getter through one of `names`.
QStringList getterCalls(const QString& text, const QSet<QString>& names, const QSet<QString>& getters)
{
    QStringList found;
    if (names.isEmpty())
        return found;
    const QString receivers = QStringList(names.begin(), names.end()).join(QLatin1Char('|'));
    const QRegularExpression call(QStringLiteral(R"(\b(?:%1)\s*(?:\(\s*\))?\s*(?:\.|->)\s*(\w+)\s*\()").arg(receivers));
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (auto it = call.globalMatch(withoutLineComment(lines.at(i))); it.hasNext();) {
            const QString member = it.next().captured(1);
            if (getters.contains(member))
                found << QStringLiteral("%1: %2()").arg(i + 1).arg(member);
        }
    }
    return found;
}

QSet<QString> realGetters()
{
    return widgetGetters(readText(QStringLiteral(VONU_SOURCE_DIR "/src/order/VonuOrder.h")));
}

TEST(MainScreenApi, TheCheckFindsTheMainScreensWidgetsAndNothingElse)
{
    const QSet<QString> getters = realGetters();
    for (const char* known : {"debiteur", "ordervoor", "regelRij", "detailRij", "statusBar", "transactie", "extra"})
        EXPECT_TRUE(getters.contains(QString::fromLatin1(known))) << known;
    for (const char* operation : {"headerValues", "shipToIndex", "order", "notitiescherm", "state"})
        EXPECT_FALSE(getters.contains(QString::fromLatin1(operation))) << operation;

    const struct {
        const char* source;
        int calls;
    } cases[] = {
        {"TVonuOrderscherm& screen_;\nQString t = screen_.debiteur()->text();", 1},
        {"std::unique_ptr<TVonuOrderscherm> main_;\nmain_->statusBar()->show();", 1},
        {"TVonuOrderscherm* screen = x;\nscreen -> regelRij(1).aantal->setFocus();", 1},
        {"TVonuOrderscherm& mainScreen();\nprogram.mainScreen().ordervoor()->count();", 1},
        {"TVonuOrderscherm& screen_;\nscreen_.headerValues(); screen_.giveFocus(Plek::Debiteur);", 0},
        // Other screens' and actions' members of the same name.
        {"TVonuOrderscherm& screen_;\nextra_.statusBar()->showMessage(t); files_.bewaren(); scherm.extra();", 0},
        {"TVonuOrderscherm& screen_;\n// screen_.debiteur() was read here", 0},
    };
    for (const auto& c : cases) {
        const QString source = QString::fromLatin1(c.source);
        EXPECT_EQ(getterCalls(source, screenNames(source), getters).size(), c.calls) << c.source;
    }
}

TEST(MainScreenApi, NoSourceOutsideOrderEntryCallsAWidgetGetterOfTheMainScreen)
{
    const QSet<QString> getters = realGetters();
    ASSERT_FALSE(getters.isEmpty());
    const QString src = QStringLiteral(VONU_SOURCE_DIR "/src");

    // A class's members are declared in its header and used in its source.
    QHash<QString, QSet<QString>> namesOfUnit;
    QHash<QString, QString> texts;
    QDirIterator it(src, {"*.h", "*.cpp"}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.startsWith(src + QStringLiteral("/order/")))
            continue;
        texts.insert(path, readText(path));
        namesOfUnit[path.section(QLatin1Char('.'), 0, -2)].unite(screenNames(texts.value(path)));
    }
    QStringList found;
    for (auto t = texts.cbegin(); t != texts.cend(); ++t) {
        const QSet<QString> names = namesOfUnit.value(t.key().section(QLatin1Char('.'), 0, -2));
        for (const QString& call : getterCalls(t.value(), names, getters))
            found << t.key() + QLatin1Char(':') + call;
    }
    found.sort();
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace
