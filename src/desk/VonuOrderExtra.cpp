#include "desk/VonuOrderExtra.h"
#include "base/Text.h"

#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

namespace vonu {

namespace {

// Every user text of the extra order data screen.
namespace Tekst {
const char* const Caption = "Extra ordergegevens";
const char* const Relatie = "Afleverrelatie:";
const char* const Zoek = "...";
const char* const Zoeknaam = "Zoeknaam:";
const char* const Naam = "Naam:";
const char* const Adres = "Adres:";
const char* const PostkodePlaats = "Postkode/plaats:";
const char* const Land = "Land:";
const char* const Kontakt = "Email offerte/afwijkend:";
const char* const Leverdatum = "Leverdatum:";
const char* const Gewijzigd = "Gewijzigd";
const char* const Productieweek = "Productieweek:";
const char* const Afleverdatum = "Afleverdatum:";
const char* const Leveringswijze = "Leveringswijze:";
const char* const Orderkosten = "Orderkosten:";
const char* const Afroep = "Afroepkontrakten";
const char* const AfroepJa = "Ja, afroepkontrakten gebruiken indien aanwezig";
const char* const AfroepNee = "Nee, afroepkontrakten indien mogelijk niet gebruiken";
const char* const ExtraVracht = "Extra vrachtkosten";
const char* const GeenVracht = "Géén, normale levertijd";
const char* const Aflevergegevens = "Extra aflevergegevens:";
const char* const Productiegegevens = "Extra productiegegevens:";
const char* const Ok = "&Ok";
} // namespace Tekst

constexpr int Breedte = 740;
constexpr int Hoogte = 580;
constexpr int Regel = 24;        // vertical step of the address and date rows
constexpr int TekstRegel = 22;   // vertical step of the delivery and production texts
constexpr int LinksLabel = 10, LinksVeld = 150;
constexpr int RechtsLabel = 385, RechtsVeld = 490;

constexpr int RelatieLengte = 6;
constexpr int ZoeknaamLengte = 50;
constexpr int NaamLengte = 40;
constexpr int AdresLengte = 40;
constexpr int PostkodeLengte = 8;
constexpr int PlaatsLengte = 30;
constexpr int KontaktLengte = 40;
constexpr int WeekLengte = 2;
constexpr int LevwijzeLengte = 3;
constexpr int KostenLengte = 7;
constexpr int AfleverLengte = 65;
constexpr int ProductieLengte = 85;

} // namespace

TVonuOrderExtrascherm::TVonuOrderExtrascherm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VonuOrderExtrascherm"));
    setWindowTitle(u8(Tekst::Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(Breedte, Hoogte);
    // The layout is drawn for a small dialog font.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);

    auto label = [this](const char* text, int x, int y, int w) {
        auto* l = new QLabel(u8(text), this);
        l->setGeometry(x, y + 2, w, 16);
        return l;
    };
    auto edit = [this](const QString& name, int maxLength, int x, int y, int w) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(maxLength);
        e->setGeometry(x, y, w, 20);
        return e;
    };
    auto date = [this](const QString& name, int x, int y) {
        auto* d = new QDateEdit(this);
        d->setObjectName(name);
        d->setDisplayFormat(QStringLiteral("dd-MM-yyyy"));
        d->setCalendarPopup(true);
        d->setGeometry(x, y, 100, 20);
        return d;
    };
    auto button = [this](const QString& name, const char* text, int x, int y, int w, int h) {
        auto* b = new QPushButton(u8(text), this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(x, y, w, h);
        return b;
    };

    // Delivery address, left column.
    int y = 10;
    label(Tekst::Relatie, LinksLabel, y, 135);
    afleverRelatie_ = edit(QStringLiteral("AfleverRelatie"), RelatieLengte, LinksVeld, y, 60);
    afleverRelatie_->setEnabled(false);
    zoekRelatie_ = button(QStringLiteral("ZoekRelatie"), Tekst::Zoek, LinksVeld + 64, y, 22, 20);
    y += Regel;
    label(Tekst::Zoeknaam, LinksLabel, y, 135);
    zoeknaam_ = edit(QStringLiteral("Zoeknaam"), ZoeknaamLengte, LinksVeld, y, 225);
    y += Regel;
    label(Tekst::Naam, LinksLabel, y, 135);
    naam_ = edit(QStringLiteral("Naam"), NaamLengte, LinksVeld, y, 225);
    y += Regel;
    naam2_ = edit(QStringLiteral("Naam2"), NaamLengte, LinksVeld, y, 225);
    y += Regel;
    label(Tekst::Adres, LinksLabel, y, 135);
    for (std::size_t i = 0; i < adres_.size(); ++i, y += Regel)
        adres_[i] = edit(QStringLiteral("Adres%1").arg(i + 1), AdresLengte, LinksVeld, y, 225);
    label(Tekst::PostkodePlaats, LinksLabel, y, 135);
    postkode_ = edit(QStringLiteral("Postkode"), PostkodeLengte, LinksVeld, y, 70);
    plaats_ = edit(QStringLiteral("Plaats"), PlaatsLengte, LinksVeld + 74, y, 151);
    y += Regel;
    label(Tekst::Land, LinksLabel, y, 135);
    land_ = edit(QStringLiteral("Land"), PlaatsLengte, LinksVeld, y, 225);
    y += Regel;
    label(Tekst::Kontakt, LinksLabel, y, 135);
    kontakt_ = edit(QStringLiteral("Kontakt"), KontaktLengte, LinksVeld, y, 225);

    // Dates, delivery method and costs, right column.
    y = 10;
    label(Tekst::Leverdatum, RechtsLabel, y, 100);
    leverdatum_ = date(QStringLiteral("Leverdatum"), RechtsVeld, y);
    leverdatumGewijzigd_ = new QCheckBox(u8(Tekst::Gewijzigd), this);
    leverdatumGewijzigd_->setObjectName(QStringLiteral("LeverdatumGewijzigd"));
    leverdatumGewijzigd_->setGeometry(RechtsVeld + 106, y, 95, 20);
    leverdatumGewijzigd_->setEnabled(false);
    y += Regel;
    label(Tekst::Productieweek, RechtsLabel, y, 100);
    productieweek_ = edit(QStringLiteral("Productieweek"), WeekLengte, RechtsVeld, y, 30);
    y += Regel;
    gebruikAfleverdatum_ = new QCheckBox(u8(Tekst::Afleverdatum), this);
    gebruikAfleverdatum_->setObjectName(QStringLiteral("GebruikAfleverdatum"));
    gebruikAfleverdatum_->setGeometry(RechtsLabel, y, 100, 20);
    afleverdatum_ = date(QStringLiteral("Afleverdatum"), RechtsVeld, y);
    afleverdatum_->setEnabled(false);  // only with a separate drop date
    y += Regel;
    label(Tekst::Leveringswijze, RechtsLabel, y, 100);
    leveringswijze_ = edit(QStringLiteral("Leveringswijze"), LevwijzeLengte, RechtsVeld, y, 40);
    leveringswijze_->setEnabled(false);
    zoekLeveringswijze_ =
        button(QStringLiteral("ZoekLeveringswijze"), Tekst::Zoek, RechtsVeld + 44, y, 22, 20);
    oLeveringswijze_ = new QLabel(this);
    oLeveringswijze_->setObjectName(QStringLiteral("O_Leveringswijze"));
    oLeveringswijze_->setGeometry(RechtsVeld + 70, y + 2, Breedte - RechtsVeld - 80, 16);
    y += Regel;
    label(Tekst::Orderkosten, RechtsLabel, y, 100);
    orderkosten_ = edit(QStringLiteral("Orderkosten"), KostenLengte, RechtsVeld, y, 70);
    y += Regel + 4;
    gebruikAfroep_ = new RadioGroup(u8(Tekst::Afroep), {u8(Tekst::AfroepJa), u8(Tekst::AfroepNee)},
                                    Qt::Vertical, this);
    gebruikAfroep_->setObjectName(QStringLiteral("GebruikAfroep"));
    gebruikAfroep_->setGeometry(RechtsLabel, y, Breedte - RechtsLabel - 10, 58);
    gebruikAfroep_->setItemIndex(0);
    y += 62;
    extraVrachtkosten_ = new RadioGroup(u8(Tekst::ExtraVracht),
                                        {u8(Tekst::GeenVracht), QString(), QString()},
                                        Qt::Vertical, this);
    extraVrachtkosten_->setObjectName(QStringLiteral("ExtraVrachtkosten"));
    extraVrachtkosten_->setGeometry(RechtsLabel, y, Breedte - RechtsLabel - 10, 76);
    extraVrachtkosten_->setItemIndex(0);

    // Delivery texts; the relation's standing instruction sits below them.
    y = 272;
    lAflevergegevens_ = label(Tekst::Aflevergegevens, LinksLabel, y, 200);
    lAflevergegevens_->setObjectName(QStringLiteral("L_Aflevergegevens"));
    y += 20;
    for (int i = 1; i <= Afleverteksten; ++i, y += TekstRegel)
        afleverteksten_[std::size_t(i - 1)] = edit(QStringLiteral("Aflevertekst_%1").arg(i),
                                                   AfleverLengte, LinksLabel, y, 470);
    aflevertekst41_ = edit(QStringLiteral("Aflevertekst_41"), AfleverLengte, LinksLabel, y, 470);
    aflevertekst41_->setEnabled(false);
    y += TekstRegel;
    aflevertekst51_ = edit(QStringLiteral("Aflevertekst_51"), AfleverLengte, LinksLabel, y, 470);
    aflevertekst51_->setEnabled(false);
    y += TekstRegel + 2;
    label(Tekst::Productiegegevens, LinksLabel, y, 200);
    y += 20;
    for (int i = 1; i <= Productieteksten; ++i, y += TekstRegel)
        productieteksten_[std::size_t(i - 1)] = edit(QStringLiteral("Productietekst_%1").arg(i),
                                                     ProductieLengte, LinksLabel, y, 590);

    ok_ = button(QStringLiteral("Ok"), Tekst::Ok, Breedte - 90, y - TekstRegel - 2, 80, 25);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusBar_->setGeometry(0, Hoogte - 20, Breedte, 20);
}

void TVonuOrderExtrascherm::setExtraVrachtOmschrijvingen(const QString& keuze1,
                                                        const QString& keuze2)
{
    extraVrachtkosten_->setItemText(1, keuze1);
    extraVrachtkosten_->setItemText(2, keuze2);
}

} // namespace vonu
