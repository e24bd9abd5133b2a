#include "desk/VonuOrderExtra.h"

#include "base/Platform.h"
#include "base/Text.h"
#include "desk/DeliveryCalendar.h"
#include "desk/DeskDelivery.h"

#include "widgets/RadioGroup.h"

#include <algorithm>

#include <QAction>
#include <QSignalBlocker>
#include <QCheckBox>
#include <QKeyEvent>
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
const char* const Waarschuwing = "Waarschuwing";
const char* const GeenPlaats = "Niet voldoende plaats voor alle tekst!";
const char* const Productieweek1 = "Productieweek en/of afleverdatum";
const char* const Productieweek2 = "niet correct!";
const char* const StandaardTekst = "Standaard&tekst";
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

TVonuOrderExtrascherm::TVonuOrderExtrascherm(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform)
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
    wireModel();
}

void TVonuOrderExtrascherm::setExtraVrachtOmschrijvingen(const QString& keuze1,
                                                        const QString& keuze2)
{
    extraVrachtkosten_->setItemText(1, keuze1);
    extraVrachtkosten_->setItemText(2, keuze2);
}


// ---------------------------------------------------------------------------
// The screen edits the order's extra data in place.

namespace {

bool blank(const QString& text) { return text.trimmed().isEmpty(); }

// Puts `text` into the first empty one of `fields`; false when none is empty.
template <std::size_t N>
bool intoFirstEmpty(std::array<QString, N>& fields, const QString& text)
{
    for (QString& f : fields)
        if (blank(f)) {
            f = text;
            return true;
        }
    return false;
}

} // namespace

bool placeStandardText(ExtraOrderData& extra, QChar type, const StandaardTekstKeuze& text)
{
    bool lastPlaced = true;
    if (type == QLatin1Char('P')) {
        for (const QString& line : text.productie)
            if (!blank(line))
                lastPlaced = intoFirstEmpty(extra.productieteksten, line);
        return lastPlaced;
    }
    for (std::size_t i = 0; i < 3; ++i)
        if (!blank(text.aflever[i]))
            lastPlaced = intoFirstEmpty(extra.afleverteksten, text.aflever[i]);
    for (std::size_t i = 3; i < 5; ++i)
        if (!blank(text.aflever[i])) {
            extra.afleverteksten[i] = text.aflever[i];
            lastPlaced = true;
        }
    return lastPlaced;
}

void placeExtraFreight(ExtraOrderData& extra, const QString& caption1, const QString& caption2)
{
    for (QString& t : extra.afleverteksten)
        if ((!blank(caption1) && t.trimmed() == caption1.trimmed()) ||
            (!blank(caption2) && t.trimmed() == caption2.trimmed()))
            t.clear();
    const QString caption = extra.extraVrachtkosten == 1 ? caption1 : extra.extraVrachtkosten == 2 ? caption2 : QString();
    if (blank(caption))
        return;
    for (const std::size_t i : {2u, 1u, 4u, 0u, 3u})
        if (blank(extra.afleverteksten[i])) {
            extra.afleverteksten[i] = caption;
            return;
        }
}

void TVonuOrderExtrascherm::wireModel()
{
    data_ = &scratch_;
    auto text = [this](QLineEdit* e, auto member) {
        connect(e, &QLineEdit::textChanged, this, [this, member](const QString& t) {
            if (!loading_)
                member(*data_) = t;
        });
    };
    text(afleverRelatie_, [](ExtraOrderData& d) -> QString& { return d.afleverRelatie; });
    text(zoeknaam_, [](ExtraOrderData& d) -> QString& { return d.zoeknaam; });
    text(naam_, [](ExtraOrderData& d) -> QString& { return d.naam; });
    text(naam2_, [](ExtraOrderData& d) -> QString& { return d.naam2; });
    for (std::size_t i = 0; i < adres_.size(); ++i)
        text(adres_[i], [i](ExtraOrderData& d) -> QString& { return d.adres[i]; });
    text(postkode_, [](ExtraOrderData& d) -> QString& { return d.postkode; });
    text(plaats_, [](ExtraOrderData& d) -> QString& { return d.plaats; });
    text(land_, [](ExtraOrderData& d) -> QString& { return d.land; });
    text(kontakt_, [](ExtraOrderData& d) -> QString& { return d.kontakt; });
    text(productieweek_, [](ExtraOrderData& d) -> QString& { return d.productieweek; });
    text(leveringswijze_, [](ExtraOrderData& d) -> QString& { return d.leveringswijze; });
    text(orderkosten_, [](ExtraOrderData& d) -> QString& { return d.orderkosten; });
    for (std::size_t i = 0; i < afleverteksten_.size(); ++i)
        text(afleverteksten_[i], [i](ExtraOrderData& d) -> QString& { return d.afleverteksten[i]; });
    for (std::size_t i = 0; i < productieteksten_.size(); ++i)
        text(productieteksten_[i], [i](ExtraOrderData& d) -> QString& { return d.productieteksten[i]; });
    text(aflevertekst41_, [](ExtraOrderData& d) -> QString& { return d.aflevertekst41; });
    text(aflevertekst51_, [](ExtraOrderData& d) -> QString& { return d.aflevertekst51; });

    connect(leverdatum_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (loading_)
            return;
        data_->leverdatum = date;
        // A date set by hand is no longer moved off free days.
        data_->leverdatumGewijzigd = true;
        const QSignalBlocker block(leverdatumGewijzigd_);
        leverdatumGewijzigd_->setChecked(true);
    });
    connect(afleverdatum_, &QDateEdit::dateChanged, this, [this](const QDate& date) {
        if (!loading_)
            data_->afleverdatum = date;
    });
    connect(gebruikAfleverdatum_, &QCheckBox::toggled, this, [this](bool on) {
        if (loading_)
            return;
        data_->gebruikAfleverdatum = on;
        afleverdatum_->setEnabled(on);
    });
    connect(gebruikAfroep_, &RadioGroup::clicked, this, [this](int index) {
        data_->gebruikAfroep = index;
        freightClicked();
    });
    connect(extraVrachtkosten_, &RadioGroup::clicked, this, [this](int index) {
        data_->extraVrachtkosten = index;
        freightClicked();
    });
    connect(zoekRelatie_, &QPushButton::clicked, this, [this] {
        if (!search)
            return;
        if (const auto chosen = search(QStringLiteral("Relaties"), data_->afleverRelatie.trimmed()))
            readRelation(*chosen);
    });
    connect(zoekLeveringswijze_, &QPushButton::clicked, this, [this] {
        if (!search)
            return;
        if (const auto chosen = search(QStringLiteral("Leveringswijzen"), data_->leveringswijze)) {
            data_->leveringswijze = *chosen;
            data_->leveringswijzeOmschrijving = delivery_ ? delivery_->leveringswijzeOmschrijving(*chosen) : QString();
            load();
        }
    });

    const QList<QWidget*> all{zoeknaam_, naam_, naam2_, adres_[0], adres_[1], adres_[2], postkode_, plaats_,
                              land_, kontakt_, leverdatum_, productieweek_, gebruikAfleverdatum_,
                              leverdatumGewijzigd_, afleverdatum_, orderkosten_};
    for (QWidget* w : all)
        w->installEventFilter(this);
    for (QLineEdit* e : afleverteksten_)
        e->installEventFilter(this);
    for (QLineEdit* e : productieteksten_)
        e->installEventFilter(this);
    // F5 and the context menu offer the standard texts on the text fields.
    auto* standaard = new QAction(u8(Tekst::StandaardTekst), this);
    standaard->setShortcut(QKeySequence(Qt::Key_F5));
    standaard->setShortcutContext(Qt::WindowShortcut);
    connect(standaard, &QAction::triggered, this, [this] { chooseStandardText(focusWidget()); });
    addAction(standaard);
}

void TVonuOrderExtrascherm::load()
{
    loading_ = true;
    const ExtraOrderData& d = *data_;
    afleverRelatie_->setText(d.afleverRelatie);
    zoeknaam_->setText(d.zoeknaam);
    naam_->setText(d.naam);
    naam2_->setText(d.naam2);
    for (std::size_t i = 0; i < adres_.size(); ++i)
        adres_[i]->setText(d.adres[i]);
    postkode_->setText(d.postkode);
    plaats_->setText(d.plaats);
    land_->setText(d.land);
    kontakt_->setText(d.kontakt);
    leverdatum_->setDate(d.leverdatum.isValid() ? d.leverdatum : leverdatum_->minimumDate());
    leverdatumGewijzigd_->setChecked(d.leverdatumGewijzigd);
    productieweek_->setText(d.productieweek);
    gebruikAfleverdatum_->setChecked(d.gebruikAfleverdatum);
    afleverdatum_->setDate(d.afleverdatum.isValid() ? d.afleverdatum : afleverdatum_->minimumDate());
    afleverdatum_->setEnabled(d.gebruikAfleverdatum);
    leveringswijze_->setText(d.leveringswijze);
    oLeveringswijze_->setText(d.leveringswijzeOmschrijving);
    orderkosten_->setText(d.orderkosten);
    gebruikAfroep_->setItemIndex(d.gebruikAfroep);
    extraVrachtkosten_->setItemIndex(d.extraVrachtkosten);
    for (std::size_t i = 0; i < afleverteksten_.size(); ++i)
        afleverteksten_[i]->setText(d.afleverteksten[i]);
    aflevertekst41_->setText(d.aflevertekst41);
    aflevertekst51_->setText(d.aflevertekst51);
    for (std::size_t i = 0; i < productieteksten_.size(); ++i)
        productieteksten_[i]->setText(d.productieteksten[i]);
    loading_ = false;
}

void TVonuOrderExtrascherm::prepare(ExtraOrderData& extra, const QString& ordernummer, bool quotation)
{
    data_ = &extra;
    ordernummer_ = ordernummer.trimmed();
    quotation_ = quotation;
    QFont f = lAflevergegevens_->font();
    f.setBold(false);
    extra.afleverteksten = {};
    bool stored = !ordernummer_.isEmpty();
    if (stored) {
        const auto texts = delivery_ ? delivery_->storedDeliveryTexts(ordernummer_) : std::nullopt;
        if (texts)
            extra.afleverteksten = *texts;
        f.setBold(true);
    } else {
        extra.aflevertekst41.clear();
        extra.aflevertekst51.clear();
        if (!blank(extra.afleverRelatie))
            fillInstruction();
        if (extra.extraVrachtkosten != 0)
            extra.afleverteksten[2] = extraVrachtkosten_->itemText(extra.extraVrachtkosten);
    }
    lAflevergegevens_->setFont(f);
    for (QLineEdit* e : afleverteksten_)
        e->setEnabled(stored);
    aflevertekst41_->setVisible(!stored);
    aflevertekst51_->setVisible(!stored);
    load();
    statusBar_->clearMessage();
}

void TVonuOrderExtrascherm::showFor(ExtraOrderData& extra, const QString& ordernummer, bool quotation)
{
    const QString status = statusBar_->currentMessage();
    prepare(extra, ordernummer, quotation);
    if (!status.isEmpty())
        statusBar_->showMessage(status);
    leverdatum_->setFocus();
    exec();
    hide();
}

void TVonuOrderExtrascherm::finish()
{
    statusBar_->clearMessage();
    writeTexts();
    data_ = &scratch_;
}

void TVonuOrderExtrascherm::writeTexts()
{
    if (!ordernummer_.isEmpty() && delivery_)
        delivery_->writeDeliveryTexts(ordernummer_, data_->afleverteksten);
}

void TVonuOrderExtrascherm::done(int result)
{
    // Ok and the cancel key both close through the same check.
    if (!closingCheck())
        return;
    finish();
    QDialog::done(result);
}

bool TVonuOrderExtrascherm::closingCheck()
{
    if (quotation_)
        return true;
    const QDate today = platform_.clock.today();
    const QDate l = data_->leverdatum;
    const QString typed = data_->productieweek.trimmed();
    bool numeric = true;
    const int typedWeek = typed.toInt(&numeric);
    // A week that is not a number cannot be checked: refused like a wrong one.
    const bool refuse = [&] {
        if (!typed.isEmpty() && !numeric)
            return true;
        const int week = typed.isEmpty() ? 99 : typedWeek;
        const int year = typed.isEmpty() ? 2999 : (week < weekNumber(today) ? today.year() + 1 : today.year());
        const QDate a = data_->gebruikAfleverdatum ? data_->afleverdatum : QDate(2999, 12, 31);
        const int weekA = data_->gebruikAfleverdatum ? weekNumber(a) : 99;
        return year == l.year() && (weekNumber(l) < week || a < l || weekA < week);
    }();
    if (!refuse)
        return true;
    platform_.sound.beep();
    showMessage(platform_.messages, u8(Tekst::Waarschuwing), {u8(Tekst::Productieweek1), u8(Tekst::Productieweek2)});
    const bool weekWrong = !numeric || (!typed.isEmpty() && weekNumber(l) < typedWeek);
    if (weekWrong || !afleverdatum_->isEnabled())
        productieweek_->setFocus();
    else
        afleverdatum_->setFocus();
    return false;
}

void TVonuOrderExtrascherm::readRelation(const QString& relatie)
{
    if (!delivery_)
        return;
    ExtraOrderData read = *data_;
    if (!delivery_->readRelation(read, relatie, false))
        return;
    read.afleverRelatie = relatie.trimmed();
    *data_ = read;
    if (aflevertekst41_->isVisible() || ordernummer_.isEmpty()) {
        data_->aflevertekst41.clear();
        data_->aflevertekst51.clear();
        fillInstruction();
    }
    load();
}

void TVonuOrderExtrascherm::fillInstruction()
{
    if (!delivery_)
        return;
    const auto lines = delivery_->standingInstruction(data_->afleverRelatie);
    data_->aflevertekst41 = lines[0];
    data_->aflevertekst51 = lines[1];
}

void TVonuOrderExtrascherm::freightClicked()
{
    if (!isVisible())
        return;
    placeExtraFreight(*data_, extraVrachtkosten_->itemText(1), extraVrachtkosten_->itemText(2));
    load();
}

void TVonuOrderExtrascherm::chooseStandardText(QWidget* field)
{
    const auto isIn = [field](const auto& list) {
        return std::find(list.begin(), list.end(), field) != list.end();
    };
    const bool productie = isIn(productieteksten_);
    if (!(productie || isIn(afleverteksten_)) || !standaardTekst)
        return;
    const QChar type = productie ? QLatin1Char('P') : QLatin1Char('A');
    const auto chosen = standaardTekst(type);
    if (!chosen)
        return;
    const bool placed = placeStandardText(*data_, type, *chosen);
    load();
    if (!placed) {
        platform_.sound.beep();
        showMessage(platform_.messages, u8(Tekst::Waarschuwing), {u8(Tekst::GeenPlaats)});
    }
    // The first field holding a placeholder, else the one after the last filled.
    auto focusIn = [](const auto& fields, QWidget* after) {
        for (QLineEdit* e : fields)
            if (e->text().contains(QLatin1Char('_'))) {
                e->setFocus();
                return;
            }
        QWidget* next = after;
        for (std::size_t i = fields.size(); i-- > 0;)
            if (!blank(fields[i]->text())) {
                next = i + 1 < fields.size() ? fields[i + 1] : after;
                break;
            }
        if (next)
            next->setFocus();
    };
    if (productie)
        focusIn(productieteksten_, ok_);
    else
        focusIn(afleverteksten_, productieteksten_[0]);
}

bool TVonuOrderExtrascherm::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* w = qobject_cast<QWidget*>(watched);
    const std::array<QLineEdit*, 9> address{zoeknaam_, naam_, naam2_, adres_[0], adres_[1], adres_[2],
                                            postkode_, plaats_, land_};
    const auto slot = std::find(address.begin(), address.end(), w);
    if (event->type() == QEvent::FocusIn) {
        if (slot != address.end())
            remembered_[std::size_t(slot - address.begin())] = (*slot)->text().trimmed();
        if (auto* e = qobject_cast<QLineEdit*>(w);
            e && (std::find(afleverteksten_.begin(), afleverteksten_.end(), e) != afleverteksten_.end() ||
                  std::find(productieteksten_.begin(), productieteksten_.end(), e) != productieteksten_.end())) {
            // A placeholder "_" is selected to type over.
            const int at = int(e->text().indexOf(QLatin1Char('_')));
            QMetaObject::invokeMethod(e, [e, at] {
                if (at >= 0)
                    e->setSelection(at, 1);
                else
                    e->end(false);
            }, Qt::QueuedConnection);
        }
    } else if (event->type() == QEvent::FocusOut) {
        // A changed address is no longer the relation's address.
        if (slot != address.end() &&
            (*slot)->text().trimmed() != remembered_[std::size_t(slot - address.begin())])
            afleverRelatie_->clear();
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            enterPressed(w);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TVonuOrderExtrascherm::enterPressed(QWidget* field)
{
    const std::array<QWidget*, 11> chain{zoeknaam_, naam_, naam2_, adres_[0], adres_[1], adres_[2],
                                         postkode_, plaats_, land_, kontakt_, leverdatum_};
    const auto at = std::find(chain.begin(), chain.end(), field);
    QWidget* next = nullptr;
    if (field == leverdatum_) {
        productieweek_->setText(QString::number(weekNumber(leverdatum_->date())));
        next = productieweek_;
    } else if (at != chain.end()) {
        next = *(at + 1);
    } else if (field == productieweek_ || field == gebruikAfleverdatum_ || field == leverdatumGewijzigd_) {
        next = afleverdatum_->isEnabled() ? static_cast<QWidget*>(afleverdatum_) : orderkosten_;
    } else if (field == afleverdatum_) {
        next = orderkosten_;
    } else if (field == orderkosten_) {
        next = afleverteksten_[0]->isEnabled() ? afleverteksten_[0] : productieteksten_[0];
    } else if (const auto t = std::find(afleverteksten_.begin(), afleverteksten_.end(), field);
               t != afleverteksten_.end()) {
        next = t + 1 != afleverteksten_.end() ? *(t + 1) : productieteksten_[0];
    } else if (const auto p = std::find(productieteksten_.begin(), productieteksten_.end(), field);
               p != productieteksten_.end() && p + 1 != productieteksten_.end()) {
        next = *(p + 1);
    }
    if (next)
        next->setFocus();
}

} // namespace vonu
