// Order entry on a generated 8,000-article catalog and a profile with 250
// customer articles: filling the article lists, and single user actions on
// a full 100-line order through the real handlers of the main screen.

#include "data/AppState.h"
#include "files/FileDialogs.h"
#include "files/MailTransport.h"
#include "order/ArticleLists.h"
#include "order/LineEntry.h"
#include "order/LineWindow.h"
#include "order/OrderForControl.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"
#include "sill/VonuOrderSponning.h"
#include "reports/PrintTarget.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <benchmark/benchmark.h>

using namespace vonu;

namespace {

constexpr int Articles = 8000;

QString code(int i)
{
    return QStringLiteral("ART%1").arg(100000 + i);
}

// Nine in ten articles for everybody, the rest for the order desk or for
// customers that list them; every one with sizes, sub-articles and
// operations.
QString catalogXml()
{
    QString x;
    x.reserve(40 << 20);
    x += "<Morvek><Assortiment><BestandVersie>1</BestandVersie><Artikelen>";
    for (int a = 0; a < Articles; ++a) {
        const char* klasse = a % 20 == 7 ? "I" : a % 20 == 13 ? "K" : "J";
        x += QStringLiteral("<Artikel Artikel=\"%1\"><ArtikelTekst>Artikel %2</ArtikelTekst>"
                            "<ArtikelVonuArtikel>%3</ArtikelVonuArtikel><ArtikelCatalogus>Cat %2</ArtikelCatalogus>"
                            "<ArtikelOmschrijving_1>ONDERDORPEL %2</ArtikelOmschrijving_1>"
                            "<ArtikelOmschrijving_2>per meter</ArtikelOmschrijving_2><ArtikelEenheid>Meter</ArtikelEenheid>"
                            "<ArtikelBerekeningAantal>Aantal x maat</ArtikelBerekeningAantal>"
                            "<ArtikelUitvoering_1>Geboord</ArtikelUitvoering_1><ArtikelUitvoering_2>Ongeboord</ArtikelUitvoering_2>"
                            "<ArtikelALT_toets>O</ArtikelALT_toets><ArtikelMaatcorrectie>5</ArtikelMaatcorrectie>"
                            "<ArtikelAfbeelding>%1.png</ArtikelAfbeelding><ArtikelMinimalemaat>300</ArtikelMinimalemaat>"
                            "<ArtikelMaximalemaat>6000</ArtikelMaximalemaat><ArtikelOpmaat>J</ArtikelOpmaat>"
                            "<ArtikelHandelslengte>J</ArtikelHandelslengte><Artikelmaten>")
                 .arg(code(a))
                 .arg(a)
                 .arg(QLatin1String(klasse));
        for (int m = 0; m < 8; ++m)
            x += QStringLiteral("<Artikelmaat Maat=\"%1,40\"/>").arg(2 + m);
        // The articles the order uses carry full panels; the rest a few rows,
        // which keeps the file within what the program reads (32 MB).
        const int panelRows = (a % 10 == 0 || a == 2001) ? 15 : 2;
        x += "</Artikelmaten><Subartikelen>";
        for (int s = 0; s < panelRows; ++s)
            x += QStringLiteral("<Subartikel Artikel=\"S%1\"><SubartikelVonuArtikel>%2</SubartikelVonuArtikel>"
                                "<SubartikelOmschrijving_1>Eindkap %1</SubartikelOmschrijving_1>"
                                "<SubartikelMaatcorrectie>%3</SubartikelMaatcorrectie></Subartikel>")
                     .arg(s)
                     .arg(s % 5 == 4 ? "K" : "J")
                     .arg(s == 3 ? "3" : "");
        x += "</Subartikelen><Bewerkingen>";
        for (int b = 0; b < panelRows; ++b)
            x += QStringLiteral("<Bewerking Artikel=\"B%1\"><BewerkingVonuArtikel>J</BewerkingVonuArtikel>"
                                "<BewerkingOmschrijving_1>Boren %1</BewerkingOmschrijving_1>"
                                "<BewerkingALT_toets>%2</BewerkingALT_toets></Bewerking>")
                     .arg(b)
                     .arg(b == 0 ? "R" : b % 4 == 1 ? "S" : "B");
        x += "</Bewerkingen></Artikel>";
    }
    x += "</Artikelen><Kleuren>";
    for (int k = 0; k < 200; ++k)
        x += QStringLiteral("<Kleur Kleur=\"K%1\"><KleurOmschrijving>Kleur %1</KleurOmschrijving></Kleur>").arg(k);
    x += "</Kleuren></Assortiment></Morvek>";
    return x;
}

// Two shipping addresses with 150 articles each (all with a customer
// number) and 100 more at debtor level: 250 customer articles per address.
QString profileXml()
{
    QString x = "<Morvek><Sleutel><Debiteur>104711</Debiteur><Debiteurartikelen>";
    for (int i = 0; i < 100; ++i)
        x += QStringLiteral("<Debiteurartikel Artikel=\"%1\"><DebiteurartikelArtikelKlant>DEB-%2"
                            "</DebiteurartikelArtikelKlant><DebiteurartikelUitvoering_1>Ongeboord"
                            "</DebiteurartikelUitvoering_1></Debiteurartikel>")
                 .arg(code(5000 + i * 20 + 13))
                 .arg(i);
    x += "</Debiteurartikelen><Verzendadressen>";
    for (int v = 0; v < 2; ++v) {
        x += QStringLiteral("<Verzendadres Verzend=\"0%1\"><VerzendadresZoeknaam>ADRES %1</VerzendadresZoeknaam>"
                            "<VerzendadresNaam>Naam %1</VerzendadresNaam><VerzendadresWoonplaats>PLAATS</VerzendadresWoonplaats>"
                            "<Verzendadresartikelen>")
                 .arg(v + 1);
        for (int i = 0; i < 150; ++i)
            x += QStringLiteral("<Verzendadresartikel Artikel=\"%1\"><VerzendadresartikelArtikelKlant>KL%2-%3"
                                "</VerzendadresartikelArtikelKlant><VerzendadresartikelUitvoering_2>Geboord"
                                "</VerzendadresartikelUitvoering_2></Verzendadresartikel>")
                     .arg(code(i * 20 + (v == 0 ? 13 : 3)))
                     .arg(v)
                     .arg(i);
        x += "</Verzendadresartikelen></Verzendadres>";
    }
    x += "</Verzendadressen></Sleutel></Morvek>";
    return x;
}

class Yes final : public IMessageDialog {
public:
    int show(const MessageRequest& m) override
    {
        if (m.caption != QLatin1String("Bevestiging"))
            last = m.lines.join(u'|');
        return 1;
    }
    QString last;
};

// The other seams stay quiet: the measured actions print, mail and open
// no files.
class Quiet final : public IClock, public ISound, public IFileDialogs, public report::IPrintTarget,
                    public IMailTransport {
public:
    QDateTime now() const override { return QDateTime(QDate(2024, 12, 9), QTime(10, 0)); }
    void beep() override {}
    void playOnce(const QString&) override {}
    QString openFile(const QString&, const QString&, const QString&) override { return {}; }
    bool choosePrinter() override { return false; }
    bool selectPrinter(const QString&) override { return false; }
    bool print(const report::PageModel&, QString*) override { return false; }
    void preview(const report::PageModel&) override {}
    std::unique_ptr<IMailSender> sender(const SmtpSettings&) override { return nullptr; }
};

struct World {
    World() : state(QStringLiteral("/tmp"))
    {
        if (!state.catalog.loadText(catalogXml()))
            qFatal("generated catalog did not load: %s", qPrintable(state.catalog.errorText()));
        if (!state.profile.loadText(profileXml()))
            qFatal("generated profile did not load: %s", qPrintable(state.profile.errorText()));
        screen = std::make_unique<TVonuOrderscherm>(platform, state, sponningKoppeling());
        screen->showModeControls(false);
        screen->ordervoor()->addItems(state.profile.shipToEntries());
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
            screen->regelRij(r).kleur->addItems(state.catalog.colourEntries());
        // A full order: every line a general article on a trade length,
        // with sub-articles and operations.
        OrderModel& o = screen->order();
        for (int line = 1; line <= MaxOrderregels; ++line) {
            o.setField(line, Veld::Artikel, code(line * 10));
            o.setField(line, Veld::Kleur, QStringLiteral("K1 Kleur 1"));
            o.setField(line, Veld::Lengte, QStringLiteral("Handelslengte"));
            o.setField(line, Veld::Maat, QStringLiteral("3,40 Mtr"));
            o.setField(line, Veld::Uitvoering, QStringLiteral("Geboord"));
            o.setField(line, Veld::Aantal, QString::number(line));
            for (Vlag f : {Vlag::Kleur, Vlag::Lengte, Vlag::Maat, Vlag::Uitvoering, Vlag::Aantal, Vlag::Subartikelen,
                          Vlag::Bewerkingen})
                o.setFlag(line, f, true);
            for (int row = 1; row <= 5; ++row) {
                o.setSubartikel(line, row, 1, QStringLiteral("S%1").arg(row));
                o.setBewerking(line, row, 1, QStringLiteral("B%1").arg(row + 1));
            }
        }
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
            screen->showLineInRow(r);
        screen->lineWindow().updateRange();
        screen->show();
    }
    Yes yes;
    Quiet quiet;
    Platform platform{yes, quiet, quiet, quiet, quiet, quiet};
    AppState state;
    std::unique_ptr<TVonuOrderscherm> screen;
};

std::unique_ptr<World> theWorld;

World& world()
{
    if (!theWorld)
        theWorld = std::make_unique<World>();
    return *theWorld;
}

void BM_FillArticleListsFirstTime(benchmark::State& s)
{
    World& w = world();
    for (auto _ : s) {
        ArticleLists lists;  // no catalog offer taken yet
        lists.fill(w.state.profile, 0, w.state.catalog, false);
        benchmark::DoNotOptimize(lists.entries().size());
    }
}
BENCHMARK(BM_FillArticleListsFirstTime)->Unit(benchmark::kMillisecond);

void BM_FillArticleLists(benchmark::State& s)
{
    World& w = world();
    int i = 0;
    for (auto _ : s) {
        // The six lists of the screen, through the real fill.
        TVonuOrderscherm::UpdateGuard guard(*w.screen);
        w.screen->ordervoor()->setCurrentIndex(i++ % 2);
        w.screen->orderFor().fillArticleLists();
    }
    s.counters["entries"] = double(w.screen->orderFor().lists().entries().size());
    w.screen->orderFor().change();  // the choice shown is the accepted one again
}
BENCHMARK(BM_FillArticleLists)->Unit(benchmark::kMillisecond);

void BM_OrderForChange(benchmark::State& s)
{
    World& w = world();
    QComboBox* box = w.screen->ordervoor();
    for (auto _ : s)
        box->setCurrentIndex(1 - box->currentIndex());
    if (w.screen->orderFor().lastAccepted() != w.screen->ordervoor()->currentText())
        s.SkipWithError(("an address change was refused: " + w.yes.last).toStdString().c_str());
}
BENCHMARK(BM_OrderForChange)->Unit(benchmark::kMillisecond);

void BM_ArticleChange(benchmark::State& s)
{
    World& w = world();
    w.screen->lineWindow().setPosition(49);
    const int r = w.screen->order().lines().currentScreenRow();
    QComboBox* box = w.screen->regelRij(r).artikel;
    const int a = box->findText(code(2000));
    const int b = box->findText(code(2001));
    int i = 0;
    for (auto _ : s)
        box->setCurrentIndex(++i % 2 ? a : b);
}
BENCHMARK(BM_ArticleChange)->Unit(benchmark::kMillisecond);

void BM_ScrollOneLine(benchmark::State& s)
{
    World& w = world();
    QScrollBar* bar = w.screen->orderregelPositie();
    w.screen->lineWindow().setPosition(50);  // rows 46-51, row 6 current
    int i = 0;
    for (auto _ : s) {
        // One line below the last row, then one above the first: the rows
        // move by one line each time.
        const int top = w.screen->order().lines().top();
        bar->setValue(++i % 2 ? top + 5 : top - 2);
    }
}
BENCHMARK(BM_ScrollOneLine)->Unit(benchmark::kMillisecond);

void BM_MakeRowCurrent(benchmark::State& s)
{
    World& w = world();
    int i = 0;
    for (auto _ : s) {
        const int r = ++i % 2 ? 2 : 5;
        w.screen->lineWindow().enterRow(r, w.screen->regelRij(r).aantal);
    }
}
BENCHMARK(BM_MakeRowCurrent)->Unit(benchmark::kMillisecond);

void BM_LengthChange(benchmark::State& s)
{
    // Trade length and made to measure in turn on line 50, through the
    // field's own change handler (the question is answered "Ja").
    World& w = world();
    w.screen->lineWindow().setPosition(49);
    const int r = w.screen->order().lines().currentScreenRow();
    QComboBox* box = w.screen->regelRij(r).lengte;
    for (auto _ : s) {
        // Entering the field offers both lengths again.
        w.screen->lineEntry().lengthEntered(r);
        box->setCurrentIndex(box->currentIndex() == 0 ? 1 : 0);
    }
}
BENCHMARK(BM_LengthChange)->Unit(benchmark::kMillisecond);

void BM_TypedSizeLeft(benchmark::State& s)
{
    World& w = world();
    w.screen->lineWindow().setPosition(49);
    const int r = w.screen->order().lines().currentScreenRow();
    QLineEdit* e = w.screen->regelRij(r).maatInvoer;
    int i = 0;
    for (auto _ : s) {
        e->setText(++i % 2 ? QStringLiteral("1200") : QStringLiteral("100"));
        w.screen->lineEntry().leaveTypedSize(r);
    }
}
BENCHMARK(BM_TypedSizeLeft)->Unit(benchmark::kMillisecond);

void BM_DetailSizeLeft(benchmark::State& s)
{
    // A made-to-measure line with details: each size left derives the
    // line's quantity from its 125 detail rows.
    World& w = world();
    w.screen->lineWindow().setPosition(50);
    const int line = w.screen->order().lines().current();
    w.screen->rules().changeLength(line, QStringLiteral("Op maat"));
    w.screen->lineWindow().refillPanels();
    QLineEdit* aantal = w.screen->detailRij(3).aantal;
    QLineEdit* maat = w.screen->detailRij(3).maat;
    aantal->setText(QStringLiteral("2"));
    int i = 0;
    for (auto _ : s) {
        maat->setText(++i % 2 ? QStringLiteral("1500") : QStringLiteral("7000"));
        w.screen->panelEntry().leaveDetailMaat(3);
    }
}
BENCHMARK(BM_DetailSizeLeft)->Unit(benchmark::kMillisecond);

void BM_SubartikelChange(benchmark::State& s)
{
    World& w = world();
    w.screen->lineWindow().setPosition(20);
    QComboBox* box = w.screen->subartikelRij(2).keuze;
    int i = 0;
    for (auto _ : s)
        box->setCurrentIndex(++i % 2 ? 3 : 4);
}
BENCHMARK(BM_SubartikelChange)->Unit(benchmark::kMillisecond);

void BM_CloseQuery(benchmark::State& s)
{
    // Pending edits stored and the fingerprint of the whole order taken.
    World& w = world();
    w.screen->takeSavedSignature();
    w.screen->setStarted(true);
    for (auto _ : s)
        benchmark::DoNotOptimize(w.screen->closeQuery());
    w.screen->setStarted(false);
}
BENCHMARK(BM_CloseQuery)->Unit(benchmark::kMillisecond);

void BM_UnknownValues(benchmark::State& s)
{
    // What opening an order tells the user: every value of 100 lines
    // against the lists and the catalog.
    World& w = world();
    const QStringList articles = w.screen->articleEntries();
    const QStringList colours = w.state.catalog.colourEntries();
    for (auto _ : s)
        benchmark::DoNotOptimize(w.screen->rules().unknownValues(articles, colours).size());
}
BENCHMARK(BM_UnknownValues)->Unit(benchmark::kMillisecond);

void BM_CompletenessCheck(benchmark::State& s)
{
    World& w = world();
    for (auto _ : s)
        benchmark::DoNotOptimize(w.screen->rules().completenessMessages().size());
}
BENCHMARK(BM_CompletenessCheck)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theWorld.reset();  // the screen goes before the application
    return 0;
}
