#include "order/VonuOrder.h"
#include "order/OrderValidation.h"
#include "base/FontFit.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "order/LineEntry.h"
#include "order/LineWindow.h"
#include "order/OrderForControl.h"
#include "order/PanelEntry.h"
#include "order/OrderValues.h"
#include "order/RowView.h"
#include "widgets/CharacterFilter.h"
#include "widgets/RadioGroup.h"
#include "order/VonuOrderNotitie.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>

#include <tuple>

namespace vonu {

namespace {

// Every user text of the main screen.
namespace Tekst {
const char* const Caption = "Morvek VonuOrder";
const char* const OrdervoorHint = "Order voor geeft aan voor wie de order in behandeling wordt genomen,\n"
                                  "het geeft tevens aan waar de order wordt afgeleverd.";
const char* const InOpdrachtVan = "In opdracht van: ";
const char* const DebiteurBali = "Debiteur:";
const char* const Zoek = "...";
const char* const OrderVoor = "Order voor:";
const char* const Orderdatum = "Orderdatum:";
const char* const Ordernummer = "Ordernummer:";
const char* const Referentie = "Referentie:";
const char* const Transactie = "Soort transactie";
const char* const OrderPlaatsen = "Order plaatsen";
const char* const OfferteAanvragen = "Offerte aanvragen";
const char* const LeveringsInformatie = "Bekijk hier de algemene &leveringsinformatie";
const char* const Orderregels =
    " &Orderregels (Houd muisknop ingedrukt op \"Rgl\" voor afbeelding) ";
const char* const Kolommen[] = {"Rgl", "Artikel/kleur", "Omschrijving", "Lengte/correctie",
                                "Maat/uitvoering", "Aantal/sponning"};
const char* const OmschrijvingKnop = "...";
const char* const Meeleveren = " &Meeleveren regel ";
const char* const Bewerkingen = " &Bewerkingen regel ";
const char* const Details = " &Details regel ";
const char* const ZoekArtikel = "Zoek arti&kel ...";
const char* const ZoekBewerking = "Zoek b&ewerking ...";
const char* const DetailKolommen[] = {"Rgl", "Aantal", "Maat"};
const char* const Notities = "&Notities";
const char* const NotitiesBali = "Noti&ties / O.B.";
const char* const NotitieschermBali = "Notities / Opmerking orderbevestiging";
const char* const Afsluiten = "&Afsluiten";
const char* const Verzenden = "&Verzenden en bewaren";
const char* const VerzendenBali = "Bewaren order&verwerking";
const char* const Nieuw = "&Nieuw";
const char* const Openen = "O&penen";
const char* const Bewaren = "Be&waren";
const char* const Verwijderen = "Ve&rwijderen";
const char* const Afdrukken = "A&fdrukken";
const char* const Extra = "E&xtra ordergegevens";
const char* const VonuOrder = "Extern bes&tand";
const char* const Artikelnummers = "A&rtikelnummers";
const char* const Instellingen = "&Instellingen";
const char* const Versie = "Versie 1.06";
const char* const Bevestiging = "Bevestiging";
const char* const Informatie = "Informatie";
const char* const NietInAssortiment = "Niet (meer) in het assortiment of de lijsten:";
const char* const Regel = "Regel ";
const char* const EnNog = "... en nog %1";
const char* const BlijvenBewaard = "Deze waarden blijven in de order zoals ze gelezen zijn.";
const char* const OrderGewijzigd = "Order is gewijzigd, wilt u afsluiten?";
const char* const OfferteGewijzigd = "Offerteaanvraag is gewijzigd, wilt u afsluiten?";
} // namespace Tekst

constexpr int ClientBreedte = 789;
constexpr int ClientHoogte = 509;
constexpr int StatusBreedtes[TVonuOrderscherm::StatusPanelen] = {507, 60, 100, 125};

constexpr int SDebiteurBreedteBali = 148;
constexpr int LDebiteurBreedteBali = 138;

// Line rows: two rows of controls per order line.
constexpr int RegelTop = 32;
constexpr int RegelStap = 37;
constexpr int RegelHoogte = 18;
struct Kolom {
    int x;
    int breedte;
};
constexpr Kolom KolRegel{6, 26};
constexpr Kolom KolArtikel{34, 164};
constexpr Kolom KolOmschrijving{200, 170};
constexpr Kolom KolLengte{372, 96};
constexpr Kolom KolMaat{470, 86};
constexpr Kolom KolAantal{558, 62};
constexpr int KoppenEinde = 636;  // the last heading may run up to the scroll bar
constexpr Kolom KolKoppen[] = {KolRegel, KolArtikel, KolOmschrijving, KolLengte, KolMaat, KolAantal};

// Sub-article and operation panels.
constexpr int PanelTop = 18;
constexpr int PanelStap = 20;
constexpr int PanelHoogte = 19;

// Detail panel.
constexpr int DetailTop = 32;
constexpr int DetailStap = 22;
constexpr int DetailHoogte = 20;
constexpr Kolom KolDRegel{6, 26};
constexpr Kolom KolDAantal{34, 44};
constexpr Kolom KolDMaat{80, 36};

QString number(int n)
{
    return QString::number(n);
}

} // namespace

TVonuOrderscherm::TVonuOrderscherm(Platform& platform, AppState& state, SponningKoppeling sponning,
                                   QWidget* parent)
    : QWidget(parent), platform_(platform), state_(state), sponning_(std::move(sponning))
{
    setObjectName(QStringLiteral("VonuOrderscherm"));
    setWindowTitle(u8(Tekst::Caption));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(ClientBreedte, ClientHoogte);
    // The layout is drawn for a small dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    buildHeader();
    buildLines();
    buildPanels();
    buildButtons();
    buildStatusBar();
    buildModeTable();

    // Until the start-up has chosen the mode, no order control is shown.
    for (const ModeRegel& regel : modeTabel_)
        regel.control->hide();
    {
        UpdateGuard guard(*this);
        for (const RegelRij& rij : regels_)
            resetLineRow(rij);
        resetPanels();
        order_.resetWindows();
    }
    syncWindows();

    orderFor_ = std::make_unique<OrderForControl>(*this);
    lineWindow_ = std::make_unique<LineWindow>(*this);
    lineEntry_ = std::make_unique<LineEntry>(*this);
    panelEntry_ = std::make_unique<PanelEntry>(*this);
    // After the handlers' filters: the debtor keys are the order desk's.
    debiteur_->installEventFilter(this);
    connect(zoekDebiteur_, &QPushButton::clicked, this, &TVonuOrderscherm::debtorSearchRequested);
}

TVonuOrderscherm::~TVonuOrderscherm()
{
    // The handlers go before the controls they watch.
    panelEntry_.reset();
    lineEntry_.reset();
    lineWindow_.reset();
    orderFor_.reset();
}

// ------------------------------------------------------------------ building

void TVonuOrderscherm::buildHeader()
{
    auto label = [this](const QString& name, const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(x, y, w, 15);
        return l;
    };
    auto edit = [this](const QString& name, int maxLength, int x, int y, int w) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(maxLength);
        e->setGeometry(x, y, w, 20);
        return e;
    };
    // Debtor block. The shape and frame are created first so that the label
    // and the field lie on top of them.
    sDebiteur_ = new QFrame(this);
    sDebiteur_->setObjectName(QStringLiteral("S_Debiteur"));
    sDebiteur_->setGeometry(6, 4, 234, 20);
    sDebiteur_->setAutoFillBackground(true);
    sDebiteur_->setBackgroundRole(QPalette::ToolTipBase);
    sDebiteur_->setFrameShape(QFrame::Box);
    lDebiteur_ = label(QStringLiteral("L_Debiteur"), u8(Tekst::InOpdrachtVan), 10, 6, 226);
    kDebiteur_ = new QFrame(this);
    kDebiteur_->setObjectName(QStringLiteral("K_Debiteur"));
    kDebiteur_->setGeometry(157, 3, 60, 24);
    kDebiteur_->setFrameShape(QFrame::Panel);
    kDebiteur_->setFrameShadow(QFrame::Sunken);
    debiteur_ = edit(QStringLiteral("Debiteur"), DebiteurLengte, 159, 5, 56);
    zoekDebiteur_ = new QPushButton(u8(Tekst::Zoek), this);
    zoekDebiteur_->setObjectName(QStringLiteral("ZoekDebiteur"));
    zoekDebiteur_->setGeometry(219, 4, 22, 20);
    debiteurNaam_ = label(QStringLiteral("DebiteurNaam"), QString(), 6, 26, 236);
    debiteurAdres_ = label(QStringLiteral("DebiteurAdres"), QString(), 6, 41, 236);
    debiteurWoonplaats_ = label(QStringLiteral("DebiteurWoonplaats"), QString(), 6, 56, 236);
    leveringsInformatie_ = new QPushButton(u8(Tekst::LeveringsInformatie), this);
    leveringsInformatie_->setObjectName(QStringLiteral("LeveringsInformatie"));
    leveringsInformatie_->setGeometry(6, 82, 300, 24);

    // Shipping address block.
    label(QStringLiteral("L_Ordervoor"), u8(Tekst::OrderVoor), 250, 6, 64);
    ordervoor_ = new QComboBox(this);
    ordervoor_->setObjectName(QStringLiteral("Ordervoor"));
    ordervoor_->setGeometry(316, 4, 244, 20);
    ordervoor_->setToolTip(u8(Tekst::OrdervoorHint));
    ordervoorNaam_ = label(QStringLiteral("OrdervoorNaam"), QString(), 250, 26, 156);
    ordervoorAdres_ = label(QStringLiteral("OrdervoorAdres"), QString(), 250, 41, 156);
    ordervoorWoonplaats_ = label(QStringLiteral("OrdervoorWoonplaats"), QString(), 250, 56, 156);
    afleverNaam_ = label(QStringLiteral("AfleverNaam"), QString(), 410, 26, 150);
    afleverAdres_ = label(QStringLiteral("AfleverAdres"), QString(), 410, 41, 150);
    afleverWoonplaats_ = label(QStringLiteral("AfleverWoonplaats"), QString(), 410, 56, 150);
    kVerzonden_ = new QFrame(this);
    kVerzonden_->setObjectName(QStringLiteral("K_Verzonden"));
    kVerzonden_->setGeometry(310, 82, 160, 24);
    kVerzonden_->setFrameShape(QFrame::Panel);
    kVerzonden_->setFrameShadow(QFrame::Sunken);
    verzonden_ = label(QStringLiteral("Verzonden"), QString(), 314, 86, 152);
    kVerzonden_->hide();
    verzonden_->hide();

    // Order values.
    label(QStringLiteral("L_Orderdatum"), u8(Tekst::Orderdatum), 566, 6, 84);
    orderdatum_ = new QDateEdit(this);
    orderdatum_->setObjectName(QStringLiteral("Orderdatum"));
    orderdatum_->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
    orderdatum_->setCalendarPopup(true);
    orderdatum_->setGeometry(652, 4, 100, 20);
    label(QStringLiteral("L_Ordernummer"), u8(Tekst::Ordernummer), 566, 30, 84);
    ordernummer_ = edit(QStringLiteral("Ordernummer"), OrdernummerLengte, 652, 28, 133);
    new CharacterFilter(CharacterFilter::Soort::NummerTekens, ordernummer_, platform_.messages);
    label(QStringLiteral("L_Referentie"), u8(Tekst::Referentie), 566, 54, 84);
    referentie_ = edit(QStringLiteral("Referentie"), ReferentieLengte, 652, 52, 133);
    new CharacterFilter(CharacterFilter::Soort::NummerTekens, referentie_, platform_.messages);
    transactie_ = new RadioGroup(u8(Tekst::Transactie),
                                 {u8(Tekst::OrderPlaatsen), u8(Tekst::OfferteAanvragen)},
                                 Qt::Horizontal, this);
    transactie_->setObjectName(QStringLiteral("Transactie"));
    transactie_->setGeometry(474, 72, 311, 37);
    transactie_->setItemIndex(int(Transactie::Order));
}

void TVonuOrderscherm::buildLines()
{
    orderregels_ = new QGroupBox(u8(Tekst::Orderregels), this);
    orderregels_->setObjectName(QStringLiteral("Orderregels"));
    orderregels_->setGeometry(4, 110, 640, 258);
    QWidget* box = orderregels_;

    // A heading may use the width up to the next column.
    for (std::size_t k = 0; k < std::size(KolKoppen); ++k) {
        auto* kop = new QLabel(u8(Tekst::Kolommen[k]), box);
        const int end = k + 1 < std::size(KolKoppen) ? KolKoppen[k + 1].x : KoppenEinde;
        kop->setGeometry(KolKoppen[k].x, 15, end - KolKoppen[k].x, 15);
    }

    auto edit = [box](const QString& name, Kolom k, int y) {
        auto* e = new QLineEdit(box);
        e->setObjectName(name);
        e->setGeometry(k.x, y, k.breedte, RegelHoogte);
        return e;
    };
    auto combo = [box](const QString& name, Kolom k, int y) {
        auto* c = new QComboBox(box);
        c->setObjectName(name);
        c->setGeometry(k.x, y, k.breedte, RegelHoogte);
        return c;
    };
    auto readOnly = [](QLineEdit* e) {
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);  // no tab stop
        // A text set by the program shows from its start, not scrolled to its end.
        QObject::connect(e, &QLineEdit::textChanged, e, [e] {
            if (!e->hasFocus())
                e->setCursorPosition(0);
        });
        return e;
    };

    for (int r = 1; r <= RegelRijen; ++r) {
        const int y1 = RegelTop + (r - 1) * RegelStap;
        const int y2 = y1 + RegelHoogte;
        const QString n = number(r);
        RegelRij& rij = regels_[std::size_t(r - 1)];
        rij.regel = readOnly(edit(QStringLiteral("Regel") + n, KolRegel, y1));
        rij.regel->setAlignment(Qt::AlignRight);
        rij.omschrijving = new QPushButton(u8(Tekst::OmschrijvingKnop), box);
        rij.omschrijving->setObjectName(QStringLiteral("Omschrijving") + n);
        rij.omschrijving->setGeometry(KolRegel.x, y2, KolRegel.breedte, RegelHoogte);
        rij.artikel = combo(QStringLiteral("Artikel") + n, KolArtikel, y1);
        rij.kleur = combo(QStringLiteral("Kleur") + n, KolArtikel, y2);
        rij.omschrijving1 = readOnly(edit(QStringLiteral("Omschrijving") + n + u'1', KolOmschrijving, y1));
        rij.omschrijving2 = readOnly(edit(QStringLiteral("Omschrijving") + n + u'2', KolOmschrijving, y2));
        rij.lengte = combo(QStringLiteral("Lengte") + n, KolLengte, y1);
        rij.correctie = combo(QStringLiteral("Correctie") + n, KolLengte, y2);
        rij.correctie->addItems({Waarde::Zaagmaat, Waarde::InclusiefMaat});
        rij.maat = combo(QStringLiteral("Maat") + n, KolMaat, y1);
        // The typed size takes the place of the size list; only one of the
        // two is shown.
        rij.maatInvoer = edit(QStringLiteral("MaatInvoer") + n, KolMaat, y1);
        rij.maatInvoer->setMaxLength(MaatInvoerLengte);
        new CharacterFilter(CharacterFilter::Soort::CijfersMetKomma, rij.maatInvoer, platform_.messages);
        rij.uitvoering = combo(QStringLiteral("Uitvoering") + n, KolMaat, y2);
        rij.uitvoering->addItems({Waarde::Geboord, Waarde::Ongeboord});
        rij.aantal = edit(QStringLiteral("Aantal") + n, KolAantal, y1);
        rij.aantal->setMaxLength(AantalLengte);
        new CharacterFilter(CharacterFilter::Soort::Cijfers, rij.aantal, platform_.messages);
        rij.sponning = readOnly(edit(QStringLiteral("Sponning") + n, KolAantal, y2));
    }

    orderregelPositie_ = new QScrollBar(Qt::Vertical, box);
    orderregelPositie_->setObjectName(QStringLiteral("OrderregelPositie"));
    orderregelPositie_->setFocusPolicy(Qt::NoFocus);
    // A click in the trough moves one line, as the arrows do.
    orderregelPositie_->setPageStep(1);
    orderregelPositie_->setGeometry(622, RegelTop, 14, RegelRijen * RegelStap - 1);
}

void TVonuOrderscherm::buildPanels()
{
    auto readOnlyNumber = [](QWidget* parent, const QString& name, Kolom k, int y, int h) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(name);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::ClickFocus);
        e->setAlignment(Qt::AlignRight);
        e->setGeometry(k.x, y, k.breedte, h);
        return e;
    };

    // The sub-article and operation panels are alike but for their names.
    struct PanelVorm {
        QGroupBox*& box;
        std::array<PanelRij, PanelRijen>& rijen;
        QScrollBar*& positie;
        QPushButton*& zoek;
        QString boxNaam, regelNaam, keuzeNaam, positieNaam, zoekNaam, zoekTekst;
        int x;
    };
    PanelVorm vormen[] = {
        {subartikelen_, subRijen_, subartikelPositie_, zoekArtikel_, QStringLiteral("Subartikelen"),
         QStringLiteral("SRegel"), QStringLiteral("Subartikel"), QStringLiteral("SubartikelPositie"),
         QStringLiteral("ZoekArtikel"), u8(Tekst::ZoekArtikel), 4},
        {bewerkingen_, bewRijen_, bewerkingPositie_, zoekBewerking_, QStringLiteral("Bewerkingen"),
         QStringLiteral("BRegel"), QStringLiteral("Bewerking"), QStringLiteral("BewerkingPositie"),
         QStringLiteral("ZoekBewerking"), u8(Tekst::ZoekBewerking), 258},
    };
    for (PanelVorm& v : vormen) {
        v.box = new QGroupBox(this);
        v.box->setObjectName(v.boxNaam);
        v.box->setGeometry(v.x, 370, 250, 118);
        for (int n = 1; n <= PanelRijen; ++n) {
            const int y = PanelTop + (n - 1) * PanelStap;
            PanelRij& rij = v.rijen[std::size_t(n - 1)];
            rij.regel = readOnlyNumber(v.box, v.regelNaam + number(n), Kolom{6, 26}, y, PanelHoogte);
            rij.keuze = new QComboBox(v.box);
            rij.keuze->setObjectName(v.keuzeNaam + number(n));
            rij.keuze->setGeometry(34, y, 194, PanelHoogte);
        }
        v.positie = new QScrollBar(Qt::Vertical, v.box);
        v.positie->setObjectName(v.positieNaam);
        v.positie->setFocusPolicy(Qt::NoFocus);
        v.positie->setPageStep(1);
        v.positie->setGeometry(230, PanelTop, 14, PanelRijen * PanelStap - 1);
        v.zoek = new QPushButton(v.zoekTekst, v.box);
        v.zoek->setObjectName(v.zoekNaam);
        v.zoek->setGeometry(34, 96, 120, 20);
    }

    details_ = new QGroupBox(this);
    details_->setObjectName(QStringLiteral("Details"));
    details_->setGeometry(648, 110, 137, 258);
    const Kolom koppen[] = {KolDRegel, KolDAantal, KolDMaat};
    for (std::size_t k = 0; k < std::size(koppen); ++k) {
        auto* kop = new QLabel(u8(Tekst::DetailKolommen[k]), details_);
        kop->setGeometry(koppen[k].x, 15, koppen[k].breedte, 15);
    }
    for (int n = 1; n <= DetailRijen; ++n) {
        const int y = DetailTop + (n - 1) * DetailStap;
        DetailRij& rij = detailRijen_[std::size_t(n - 1)];
        rij.regel = readOnlyNumber(details_, QStringLiteral("DRegel") + number(n), KolDRegel, y,
                                   DetailHoogte);
        rij.aantal = new QLineEdit(details_);
        rij.aantal->setObjectName(QStringLiteral("DAantal") + number(n));
        rij.aantal->setMaxLength(DetailAantalLengte);
        new CharacterFilter(CharacterFilter::Soort::Cijfers, rij.aantal, platform_.messages);
        rij.aantal->setGeometry(KolDAantal.x, y, KolDAantal.breedte, DetailHoogte);
        rij.maat = new QLineEdit(details_);
        rij.maat->setObjectName(QStringLiteral("DMaat") + number(n));
        rij.maat->setMaxLength(DetailMaatLengte);
        new CharacterFilter(CharacterFilter::Soort::Cijfers, rij.maat, platform_.messages);
        rij.maat->setGeometry(KolDMaat.x, y, KolDMaat.breedte, DetailHoogte);
    }
    detailPositie_ = new QScrollBar(Qt::Vertical, details_);
    detailPositie_->setObjectName(QStringLiteral("DetailPositie"));
    detailPositie_->setFocusPolicy(Qt::NoFocus);
    detailPositie_->setPageStep(1);
    detailPositie_->setGeometry(118, DetailTop, 14, DetailRijen * DetailStap - 2);
}

void TVonuOrderscherm::buildButtons()
{
    auto button = [this](QPushButton*& target, const QString& name, const char* text, int x,
                         int y, int w) {
        target = new QPushButton(u8(text), this);
        target->setObjectName(name);
        target->setGeometry(x, y, w, 26);
        target->setAutoDefault(false);
    };
    // Three columns of buttons beside the panels; the buttons of one mode
    // share their places with those of the other.
    constexpr int x0 = 512, x1 = 604, x2 = 696, w = 89, wBreed = 181;
    constexpr int y0 = 372, y1 = 401, y2 = 430, y3 = 459;
    button(verzenden_, QStringLiteral("Verzenden"), Tekst::Verzenden, x0, y0, wBreed);
    button(afdrukken_, QStringLiteral("Afdrukken"), Tekst::Afdrukken, x2, y0, w);
    button(nieuw_, QStringLiteral("Nieuw"), Tekst::Nieuw, x0, y1, w);
    button(openen_, QStringLiteral("Openen"), Tekst::Openen, x1, y1, w);
    button(bewaren_, QStringLiteral("Bewaren"), Tekst::Bewaren, x2, y1, w);
    button(verwijderen_, QStringLiteral("Verwijderen"), Tekst::Verwijderen, x0, y2, w);
    button(notities_, QStringLiteral("Notities"), Tekst::Notities, x1, y2, w);
    button(vonuOrder_, QStringLiteral("VonuOrder"), Tekst::VonuOrder, x2, y2, w);
    button(instellingen_, QStringLiteral("Instellingen"), Tekst::Instellingen, x2, y2, w);
    button(extra_, QStringLiteral("Extra"), Tekst::Extra, x0, y3, wBreed);
    button(artikelnummers_, QStringLiteral("Artikelnummers"), Tekst::Artikelnummers, x0, y3, wBreed);
    button(afsluiten_, QStringLiteral("Afsluiten"), Tekst::Afsluiten, x2, y3, w);

    connect(afsluiten_, &QPushButton::clicked, this, &QWidget::close);
    // Escape anywhere on the screen is the Afsluiten button.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, afsluiten_, [this] {
        if (afsluiten_->isVisible() && afsluiten_->isEnabled())
            afsluiten_->click();
    });
}

void TVonuOrderscherm::buildStatusBar()
{
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, ClientHoogte - 20, ClientBreedte, 20);
    for (int p = 0; p < StatusPanelen; ++p) {
        auto* panel = new QLabel(statusBar_);
        panel->setObjectName(QStringLiteral("StatusPanel") + number(p));
        panel->setFixedWidth(StatusBreedtes[p]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setIndent(2);
        statusBar_->addWidget(panel);
        statusPanelen_[std::size_t(p)] = panel;
    }
    setStatusText(1, u8(Tekst::Versie));
    // The panels keep their fixed widths; the platform's default font is
    // wider than the one they were measured for, so the bar gets a smaller
    // size in which the version and the two dates fit. A panel's text keeps
    // a few pixels from its frame.
    constexpr int Marge = 8;
    statusBar_->setFont(fittingFont(statusBar_->font(),
                                    {{u8(Tekst::Versie), StatusBreedtes[1] - Marge},
                                     {QStringLiteral("Sleutel 00-00-0000"), StatusBreedtes[2] - Marge},
                                     {QStringLiteral("Assortiment 00-00-0000"), StatusBreedtes[3] - Marge}},
                                    5));
}

void TVonuOrderscherm::buildModeTable()
{
    auto add = [this](QWidget* control, bool bali, bool klant) {
        modeTabel_.push_back({control, bali, klant});
    };
    add(kDebiteur_, true, false);
    add(debiteur_, true, false);
    add(zoekDebiteur_, true, false);
    for (QWidget* w : std::initializer_list<QWidget*>{ordervoor_, ordernummer_, referentie_,
                                                      orderdatum_, leveringsInformatie_})
        add(w, true, true);
    for (const RegelRij& rij : regels_) {
        add(rij.regel, true, true);
        add(rij.artikel, true, true);
        add(rij.omschrijving1, true, true);
        add(rij.omschrijving2, true, true);
        add(rij.omschrijving, true, false);
    }
    add(orderregelPositie_, true, true);
    for (QWidget* w : std::initializer_list<QWidget*>{notities_, afsluiten_, verzenden_, nieuw_,
                                                      openen_, bewaren_, verwijderen_, afdrukken_})
        add(w, true, true);
    add(extra_, true, false);
    add(vonuOrder_, true, false);
    add(artikelnummers_, false, true);
    add(instellingen_, false, true);
}

// ---------------------------------------------------------------- status bar

QLabel* TVonuOrderscherm::statusPanel(int panel) const
{
    return (panel >= 0 && panel < StatusPanelen) ? statusPanelen_[std::size_t(panel)] : nullptr;
}

QString TVonuOrderscherm::statusText(int panel) const
{
    const QLabel* l = statusPanel(panel);
    return l ? l->text() : QString();
}

void TVonuOrderscherm::setStatusText(int panel, const QString& text)
{
    if (QLabel* l = statusPanel(panel))
        l->setText(text);
}

// ----------------------------------------------------------------- behaviour

void TVonuOrderscherm::showModeControls(bool internalMode)
{
    for (const ModeRegel& regel : modeTabel_)
        regel.control->setVisible(internalMode ? regel.bali : regel.klant);
}

void TVonuOrderscherm::shapeForOrderDesk()
{
    sDebiteur_->resize(SDebiteurBreedteBali, sDebiteur_->height());
    lDebiteur_->resize(LDebiteurBreedteBali, lDebiteur_->height());
    lDebiteur_->setText(u8(Tekst::DebiteurBali));
    notities_->setText(u8(Tekst::NotitiesBali));
    if (notitiescherm_)
        notitiescherm_->setWindowTitle(u8(Tekst::NotitieschermBali));
    verzenden_->setText(u8(Tekst::VerzendenBali));
    ordernummer_->setMaxLength(OrdernummerLengteBali);
}

void TVonuOrderscherm::resetLineRow(const RegelRij& rij)
{
    showStored(rij.artikel, QString());
    rij.omschrijving1->clear();
    rij.omschrijving2->clear();
    showStored(rij.kleur, QString());
    rij.lengte->clear();
    showStored(rij.correctie, QString());
    rij.maat->clear();
    showStored(rij.maat, QString());
    rij.maatInvoer->clear();
    showStored(rij.uitvoering, QString());
    rij.aantal->clear();
    setQuantityMode(rij.aantal, false);
    rij.sponning->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{rij.kleur, rij.lengte, rij.correctie, rij.maat,
                                                      rij.maatInvoer, rij.uitvoering, rij.aantal,
                                                      rij.sponning})
        w->hide();
}

void TVonuOrderscherm::resetPanels()
{
    for (const auto* rijen : {&subRijen_, &bewRijen_})
        for (const PanelRij& rij : *rijen) {
            rij.keuze->clear();
            showStored(rij.keuze, QString());
        }
    for (const DetailRij& rij : detailRijen_) {
        rij.aantal->clear();
        rij.maat->clear();
    }
    subartikelen_->hide();
    bewerkingen_->hide();
    details_->hide();
    order_.subartikelen().reset();
    order_.bewerkingen().reset();
    order_.details().reset();
}

void TVonuOrderscherm::clearOrder()
{
    {
        UpdateGuard guard(*this);
        showHeaderTexts(QString(), QString());
        if (notitiescherm_)
            notitiescherm_->clearTexts();
        verzonden_->clear();
        verzonden_->hide();
        kVerzonden_->hide();
        order_.clear();
        for (const RegelRij& rij : regels_)
            resetLineRow(rij);
        resetPanels();
    }
    syncWindows();
}

bool TVonuOrderscherm::validateOrder()
{
    writeBackVisibleRows();
    return !reportIncompleteOrder(order(), platform().messages);
}

void TVonuOrderscherm::writeBackVisibleRows()
{
    if (programmaticUpdate())
        return;
    lineEntry_->storePendingEdits();
    panelEntry_->storePendingDetails();
}

void TVonuOrderscherm::setNotitiescherm(TVonuOrderNotitiescherm* screen)
{
    if (notitiescherm_)
        disconnect(notitiescherm_->ob(), nullptr, this, nullptr);
    notitiescherm_ = screen;
    if (!screen)
        return;
    // The order keeps the remark as its files hold it (CR LF); an edit of
    // the remark after an order was opened would otherwise be stored as
    // the text that was read.
    connect(screen->ob(), &QPlainTextEdit::textChanged, this, [this] {
        QString text = notitiescherm_->obText();
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\n'), QLatin1String("\r\n"));
        order_.desk().ob = text;
    });
}

LineRules TVonuOrderscherm::rules()
{
    return LineRules(order_, state_.catalog, orderFor_->customerArticles(), state_.internalMode, sponning_.regels);
}

void TVonuOrderscherm::setQuantityMode(QLineEdit* aantal, bool fromDetails)
{
    aantal->setReadOnly(fromDetails);
    aantal->setFocusPolicy(fromDetails ? Qt::ClickFocus : Qt::StrongFocus);
    // Qt cuts texts to the maximum length, also those the program puts in.
    aantal->setMaxLength(fromDetails ? 32767 : AantalLengte);
}

QColor TVonuOrderscherm::highlightColour()
{
    return QColor(0xA6, 0xCA, 0xF0);
}

void TVonuOrderscherm::setNumberHighlight(QLineEdit* field, bool current)
{
    QPalette p = field->palette();
    p.setColor(QPalette::Base, current ? highlightColour()
                                       : field->palette().color(QPalette::ToolTipBase));
    field->setPalette(p);
}

void TVonuOrderscherm::syncWindows()
{
    UpdateGuard guard(*this);
    const RowWindow& lines = order_.lines();
    for (int r = 1; r <= RegelRijen; ++r) {
        QLineEdit* regel = regels_[std::size_t(r - 1)].regel;
        regel->setText(number(lines.rowAt(r)));
        setNumberHighlight(regel, r == lines.currentScreenRow());
    }
    auto syncBar = [](QScrollBar* bar, const RowWindow& w) {
        const QSignalBlocker block(bar);
        bar->setRange(0, w.maximum());
        bar->setValue(w.position());
    };
    syncBar(orderregelPositie_, lines);

    const QString line = number(lines.current()) + QLatin1Char(' ');
    subartikelen_->setTitle(u8(Tekst::Meeleveren) + line);
    bewerkingen_->setTitle(u8(Tekst::Bewerkingen) + line);
    details_->setTitle(u8(Tekst::Details) + line);

    for (auto [rijen, window, bar] :
         {std::tuple{&subRijen_, &order_.subartikelen(), subartikelPositie_},
          std::tuple{&bewRijen_, &order_.bewerkingen(), bewerkingPositie_}}) {
        for (int n = 1; n <= PanelRijen; ++n) {
            QLineEdit* regel = (*rijen)[std::size_t(n - 1)].regel;
            regel->setText(number(window->rowAt(n)));
            setNumberHighlight(regel, n == window->currentScreenRow());
        }
        syncBar(bar, *window);
    }
    const RowWindow& details = order_.details();
    for (int n = 1; n <= DetailRijen; ++n) {
        QLineEdit* regel = detailRijen_[std::size_t(n - 1)].regel;
        regel->setText(number(details.rowAt(n)));
        setNumberHighlight(regel, n == details.currentScreenRow());
    }
    syncBar(detailPositie_, details);
}

void TVonuOrderscherm::showLineInRow(int r)
{
    showLineInRow(r, order_.field(order_.lines().rowAt(r), Veld::Artikel));
}

void TVonuOrderscherm::showLineInRow(int r, const QString& artikel)
{
    UpdateGuard guard(*this);
    const RegelRij& rij = regels_.at(std::size_t(r - 1));
    const int line = order_.lines().rowAt(r);
    const auto field = [&](Veld veld) { return order_.field(line, veld); };
    const auto flag = [&](Vlag vlag) { return order_.flag(line, vlag); };

    showStored(rij.artikel, artikel);
    rij.omschrijving1->clear();
    rij.omschrijving2->clear();
    rij.maat->clear();
    if (const TXMLArtikel a = state_.catalog.lookup(artikel); !a.isNull()) {
        rij.omschrijving1->setText(a.ArtikelOmschrijving_1());
        rij.omschrijving2->setText(a.ArtikelOmschrijving_2());
        for (const TXMLArtikelmaat& maat : a.Artikelmaten())
            rij.maat->addItem(maat.Maat() + Waarde::Mtr);
    }
    // The read-only texts show from their start.
    rij.omschrijving1->setCursorPosition(0);
    rij.omschrijving2->setCursorPosition(0);

    // The list the user is choosing from keeps its entries; otherwise the
    // stored length is its only entry until the field is entered.
    if (!rij.lengte->hasFocus() || rij.lengte->currentText() != field(Veld::Lengte)) {
        rij.lengte->clear();
        if (!field(Veld::Lengte).isEmpty())
            rij.lengte->addItem(field(Veld::Lengte) == Waarde::Handelslengte ? QString(Waarde::Handelslengte)
                                                                             : QString(Waarde::OpMaat));
        rij.lengte->setCurrentIndex(rij.lengte->count() > 0 ? 0 : -1);
    }

    showStored(rij.kleur, field(Veld::Kleur));
    showStored(rij.correctie, field(Veld::Correctie));
    showStored(rij.uitvoering, field(Veld::Uitvoering));
    // The quantity of a line with details is their total.
    setQuantityMode(rij.aantal, flag(Vlag::Details));
    setTextWhole(rij.aantal, field(Veld::Aantal), rij.aantal->maxLength());
    rij.sponning->setText(field(Veld::Sponning));
    rij.sponning->setCursorPosition(0);
    if (flag(Vlag::Maat))
        showStored(rij.maat, field(Veld::Maat));
    setTextWhole(rij.maatInvoer, flag(Vlag::MaatInvoer) ? field(Veld::Maat) : QString(), MaatInvoerLengte);

    const std::pair<QWidget*, Vlag> shown[] = {
        {rij.kleur, Vlag::Kleur},           {rij.lengte, Vlag::Lengte}, {rij.correctie, Vlag::Correctie},
        {rij.maat, Vlag::Maat},             {rij.uitvoering, Vlag::Uitvoering},
        {rij.aantal, Vlag::Aantal},         {rij.sponning, Vlag::Sponning},
        {rij.maatInvoer, Vlag::MaatInvoer},
    };
    for (const auto& [control, vlag] : shown)
        control->setVisible(flag(vlag));
}

void TVonuOrderscherm::showRowArticles()
{
    UpdateGuard guard(*this);
    for (int r = 1; r <= RegelRijen; ++r)
        showStored(regels_[std::size_t(r - 1)].artikel, order_.field(order_.lines().rowAt(r), Veld::Artikel));
}

int TVonuOrderscherm::articleEntryIndex(const QString& text) const
{
    if (orderFor_ && orderFor_->listsFilled())
        return orderFor_->lists().indexOf(text);
    // Lists put in by hand (before the first fill).
    const QComboBox* box = regels_[0].artikel;
    const QString wanted = text.trimmed();
    for (int i = 1; i < box->count(); ++i)
        if (box->itemText(i).trimmed() == wanted)
            return i;
    return 0;
}

void TVonuOrderscherm::showHeaderTexts(const QString& ordernummer, const QString& referentie)
{
    setTextWhole(ordernummer_, ordernummer, state_.internalMode ? OrdernummerLengteBali : OrdernummerLengte);
    setTextWhole(referentie_, referentie, ReferentieLengte);
}

QStringList TVonuOrderscherm::articleEntries() const
{
    if (orderFor_->listsFilled())
        return orderFor_->lists().entries();
    // Lists put in by hand (before the first fill).
    QStringList entries;
    const QComboBox* box = regels_[0].artikel;
    for (int i = 0; i < box->count(); ++i)
        entries.append(box->itemText(i));
    return entries;
}

void TVonuOrderscherm::reportUnknownValues()
{
    const std::vector<OnbekendeWaarde> unknown =
        rules().unknownValues(articleEntries(), state_.catalog.colourEntries());
    if (unknown.empty())
        return;
    // Ten lines in all: the heading, up to seven values, what is left over
    // and what the user may do.
    constexpr std::size_t Getoond = 7;
    QStringList lines{u8(Tekst::NietInAssortiment)};
    for (std::size_t i = 0; i < unknown.size() && i < Getoond; ++i)
        lines.append(u8(Tekst::Regel) + QString::number(unknown[i].line) + QStringLiteral(": ") + unknown[i].wat +
                     u' ' + unknown[i].waarde);
    if (unknown.size() > Getoond)
        lines.append(u8(Tekst::EnNog).arg(unknown.size() - Getoond));
    lines.append(QString());
    lines.append(u8(Tekst::BlijvenBewaard));
    showMessage(platform_.messages, u8(Tekst::Informatie), lines);
}

void TVonuOrderscherm::showSentStamp(const QString& stamp)
{
    const bool shown = !stamp.isEmpty();
    verzonden_->setText(OrderModel::sentStampDisplay(stamp));
    verzonden_->setVisible(shown);
    kVerzonden_->setVisible(shown);
}

Transactie TVonuOrderscherm::transactieType() const
{
    return transactie_->itemIndex() == int(Transactie::Offerte) ? Transactie::Offerte
                                                                 : Transactie::Order;
}

void TVonuOrderscherm::onButton(Knop knop, QObject* context, std::function<void()> handler)
{
    QPushButton* button = nullptr;
    switch (knop) {
    case Knop::Verzenden: button = verzenden_; break;
    case Knop::Nieuw: button = nieuw_; break;
    case Knop::Openen: button = openen_; break;
    case Knop::Bewaren: button = bewaren_; break;
    case Knop::Verwijderen: button = verwijderen_; break;
    case Knop::Afdrukken: button = afdrukken_; break;
    case Knop::Extra: button = extra_; break;
    case Knop::VonuOrder: button = vonuOrder_; break;
    case Knop::Artikelnummers: button = artikelnummers_; break;
    case Knop::Instellingen: button = instellingen_; break;
    }
    connect(button, &QPushButton::clicked, context, [handler = std::move(handler)] { handler(); });
}

void TVonuOrderscherm::giveFocus(Plek plek)
{
    QWidget* w = nullptr;
    switch (plek) {
    case Plek::Debiteur: w = debiteur_; break;
    case Plek::Ordervoor: w = ordervoor_; break;
    case Plek::Referentie: w = referentie_; break;
    case Plek::EersteArtikel: w = regels_[0].artikel; break;
    case Plek::Verzenden: w = verzenden_; break;
    case Plek::Extra: w = extra_; break;
    }
    w->setFocus(Qt::OtherFocusReason);
}

void TVonuOrderscherm::focusStart()
{
    giveFocus(state_.internalMode ? Plek::Debiteur : Plek::Ordervoor);
}

void TVonuOrderscherm::focusQuantity(int r, bool sizeFirst)
{
    const RegelRij& rij = regelRij(r);
    QWidget* target = rij.aantal;
    if (sizeFirst) {
        if (!details_->isHidden())
            target = detailRijen_[0].aantal;
        else if (!rij.maatInvoer->isHidden())
            target = rij.maatInvoer;
    }
    target->setFocus(Qt::OtherFocusReason);
}

TVonuOrderscherm::DebtorHeader TVonuOrderscherm::debtorHeader() const
{
    return {debiteur_->text(), debiteurNaam_->text(), debiteurAdres_->text(), debiteurWoonplaats_->text()};
}

void TVonuOrderscherm::showCustomer(const QString& debtorNumber, const QString& name, const QString& address,
                                    const QString& place)
{
    lDebiteur_->setText(lDebiteur_->text() + debtorNumber);
    debiteurNaam_->setText(name);
    debiteurAdres_->setText(address);
    debiteurWoonplaats_->setText(place);
}

void TVonuOrderscherm::setDebtorNumber(const QString& number)
{
    debiteur_->setText(number);
}

void TVonuOrderscherm::showDebtor(const CustomerProfile& profile)
{
    debiteurNaam_->setText(profile.customerName());
    debiteurAdres_->setText(profile.customerAddress());
    debiteurWoonplaats_->setText(profile.customerPlace());
    UpdateGuard guard(*this);
    ordervoor_->clear();
    ordervoor_->addItems(profile.shipToEntries());
    ordervoor_->setCurrentIndex(-1);
}

void TVonuOrderscherm::clearDebtor()
{
    {
        UpdateGuard guard(*this);
        debiteur_->clear();
        ordervoor_->clear();
    }
    for (QLabel* l : {debiteurNaam_, debiteurAdres_, debiteurWoonplaats_, ordervoorNaam_, ordervoorAdres_,
                      ordervoorWoonplaats_, afleverNaam_, afleverAdres_, afleverWoonplaats_})
        l->clear();
}

void TVonuOrderscherm::setDebtorEntryEnabled(bool enabled)
{
    debiteur_->setEnabled(enabled);
    zoekDebiteur_->setEnabled(enabled);
}

bool TVonuOrderscherm::debtorEntryEnabled() const
{
    return debiteur_->isEnabled();
}

void TVonuOrderscherm::showDeliveryAddress(const DeliveryAddressTexts& address)
{
    afleverNaam_->setText(address.naam);
    afleverAdres_->setText(address.adres);
    afleverWoonplaats_->setText(address.woonplaats);
}

void TVonuOrderscherm::showShipToEntries(const QStringList& entries)
{
    ordervoor_->clear();
    ordervoor_->addItems(entries);
    ordervoor_->setCurrentIndex(ordervoor_->count() > 0 ? 0 : -1);
}

int TVonuOrderscherm::shipToIndex() const
{
    return ordervoor_->currentIndex();
}

int TVonuOrderscherm::shipToCount() const
{
    return ordervoor_->count();
}

QString TVonuOrderscherm::shipToCode(int index) const
{
    return ordervoor_->itemText(index).left(2);
}

int TVonuOrderscherm::shipToIndexOf(const QString& code) const
{
    for (int i = 0; i < ordervoor_->count(); ++i)
        if (shipToCode(i) == code)
            return i;
    return -1;
}

void TVonuOrderscherm::showShipTo(int index)
{
    UpdateGuard guard(*this);
    ordervoor_->setCurrentIndex(index >= 0 && index < ordervoor_->count() ? index : -1);
}

void TVonuOrderscherm::chooseFirstShipTo()
{
    if (ordervoor_->count() > 0)
        ordervoor_->setCurrentIndex(0);
    else
        orderFor_->change();
}

void TVonuOrderscherm::showColourEntries(const QStringList& entries)
{
    for (const RegelRij& rij : regels_) {
        rij.kleur->clear();
        rij.kleur->addItems(entries);
        rij.kleur->setCurrentIndex(rij.kleur->count() > 0 ? 0 : -1);
    }
}

void TVonuOrderscherm::setOrderDate(const QDate& date)
{
    orderdatum_->setDate(date);
}

void TVonuOrderscherm::setTransactie(Transactie transactie)
{
    transactie_->setItemIndex(int(transactie));
}

void TVonuOrderscherm::setReference(const QString& referentie)
{
    referentie_->setText(referentie);
}

QString TVonuOrderscherm::sentStampShown() const
{
    return verzonden_->text();
}

void TVonuOrderscherm::markNotes(bool marked)
{
    QFont f = notities_->font();
    f.setBold(marked);
    notities_->setFont(f);
}

void TVonuOrderscherm::setSendCaption(const QString& caption)
{
    verzenden_->setText(caption);
}

void TVonuOrderscherm::setIncomingWaiting(bool waiting)
{
    vonuOrder_->setEnabled(waiting);
}

void TVonuOrderscherm::showRebate(int line)
{
    const int r = order_.lines().screenRowOf(line);
    if (r <= 0)
        return;
    UpdateGuard guard(*this);
    QLineEdit* veld = regelRij(r).sponning;
    veld->setText(order_.field(line, Veld::Sponning));
    veld->setCursorPosition(0);
    veld->setVisible(order_.flag(line, Vlag::Sponning));
}

void TVonuOrderscherm::clearOperationRow(int line, int row)
{
    const int n = order_.bewerkingen().screenRowOf(row);
    if (n <= 0 || order_.lines().current() != line)
        return;
    UpdateGuard guard(*this);
    bewerkingRij(n).keuze->setCurrentIndex(0);
}

bool TVonuOrderscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != debiteur_)
        return QWidget::eventFilter(watched, event);
    // The keys are the desk's only while it listens; otherwise the field
    // keeps them.
    const bool accepts = isSignalConnected(QMetaMethod::fromSignal(&TVonuOrderscherm::debtorEntered));
    const bool searches = isSignalConnected(QMetaMethod::fromSignal(&TVonuOrderscherm::debtorSearchRequested));
    const auto key = [event] { return static_cast<QKeyEvent*>(event)->key(); };
    switch (event->type()) {
    case QEvent::FocusIn:
        emit debtorFieldEntered();
        break;
    case QEvent::ShortcutOverride:
        // F5 is also the screen's shortcut (a standard text in `Referentie`);
        // in the debtor field it is the desk's search.
        if (searches && key() == Qt::Key_F5) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        if (accepts && (key() == Qt::Key_Return || key() == Qt::Key_Enter)) {
            emit debtorEntered();
            return true;
        }
        if (searches && key() == Qt::Key_F5) {
            emit debtorSearchRequested();
            return true;
        }
        break;
    case QEvent::MouseButtonDblClick:
        if (searches) {
            emit debtorSearchRequested();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

OrderHeaderValues TVonuOrderscherm::headerValues() const
{
    OrderHeaderValues h;
    h.ordervoor = ordervoor_->currentText();
    h.ordernummer = ordernummer_->text();
    h.referentie = referentie_->text();
    h.transactie = transactie_->itemIndex();
    h.orderdatum = orderdatum_->date();
    if (notitiescherm_) {
        h.notities = notitiescherm_->notitiesText();
        h.opmerking = notitiescherm_->obText();
    }
    return h;
}

std::uint64_t TVonuOrderscherm::currentSignature() const
{
    return order_.signature(headerValues());
}

void TVonuOrderscherm::takeSavedSignature()
{
    savedSignature_ = currentSignature();
}

bool TVonuOrderscherm::closeQuery()
{
    if (!started_)
        return true;
    // A value typed but not yet stored (the field was never left, the window
    // closed with its close box) counts as a change too.
    writeBackVisibleRows();
    if (currentSignature() == savedSignature_)
        return true;
    const char* vraag =
        transactieType() == Transactie::Offerte ? Tekst::OfferteGewijzigd : Tekst::OrderGewijzigd;
    // The question stands on the second line of the dialog, as all single
    // questions of the program do.
    return askYesNo(platform_.messages, u8(Tekst::Bevestiging), {QString(), u8(vraag)});
}

bool TVonuOrderscherm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && !startupRun_) {
        // Set before the handler runs: its own dialogs re-activate the screen.
        startupRun_ = true;
        if (startupHandler_)
            startupHandler_();
    }
    return QWidget::event(event);
}

void TVonuOrderscherm::closeEvent(QCloseEvent* event)
{
    if (!closeQuery()) {
        event->ignore();
        return;
    }
    if (closeHandler_)
        closeHandler_();
    event->accept();
}

} // namespace vonu
