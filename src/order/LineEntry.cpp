#include "order/LineEntry.h"
#include "base/Text.h"
#include "widgets/WidgetInput.h"

#include "data/AppState.h"
#include "order/LineWindow.h"
#include "order/OfferLists.h"
#include "order/OrderEntryDesk.h"
#include "order/OrderForControl.h"
#include "order/OrderValidation.h"
#include "order/VonuOrder.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vonu {

namespace {

namespace Tekst {
const char* const Bevestiging = "Bevestiging";
const char* const ArtikelWijzigen1 = "Het wijzigen van het artikel verwijderd";
const char* const Gegevens = "de ingevoerde gegevens bij deze regel!";
const char* const ArtikelWijzigen3 = "Wilt u het artikel wijzigen?";
const char* const LengteWijzigen1 = "Het wijzigen van de lengte verwijderd";
const char* const LengteWijzigen3 = "Wilt u de lengte wijzigen?";
const char* const NietBeschikbaar = "Invoerfunctie niet beschikbaar!";
const char* const DetailtekstNiet = "Detailtekst niet gevonden, handmatig invoeren!";
const char* const Handelslengte = "Handelslengte";
const char* const OpMaat = "Op maat";
const char* const Zaagmaat = "Zaagmaat";
const char* const Geboord = "Geboord";
const char* const Ongeboord = "Ongeboord";
const char* const Mtr = " Mtr";
const char* const NummerTekens = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 -";
} // namespace Tekst

// The character a key press types; a null character for keys that type
// nothing (arrows, function keys) and for Backspace.
QChar typed(const QKeyEvent* key)
{
    const QString t = key->text();
    if (t.size() != 1 || !t.at(0).isPrint())
        return {};
    return t.at(0);
}

bool isFieldEntry(const QEvent* e)
{
    const auto reason = static_cast<const QFocusEvent*>(e)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

void selectText(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    box->setCurrentIndex(i >= 0 ? i : (box->count() > 0 ? 0 : -1));
}

} // namespace

LineEntry::LineEntry(TVonuOrderscherm& screen) : QObject(nullptr), screen_(screen)
{
    auto watch = [this](QWidget* w, int row, Veldsoort soort) {
        plaatsen_.insert(w, Plaats{row, soort});
        w->installEventFilter(this);
    };
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
        const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
        watch(rij.regel, r, Veldsoort::Regel);
        watch(rij.artikel, r, Veldsoort::Artikel);
        watch(rij.kleur, r, Veldsoort::Kleur);
        watch(rij.lengte, r, Veldsoort::Lengte);
        watch(rij.correctie, r, Veldsoort::Correctie);
        watch(rij.maat, r, Veldsoort::Maat);
        watch(rij.maatInvoer, r, Veldsoort::MaatInvoer);
        watch(rij.uitvoering, r, Veldsoort::Uitvoering);
        watch(rij.aantal, r, Veldsoort::Aantal);
        watch(rij.sponning, r, Veldsoort::Sponning);
        watch(rij.omschrijving, r, Veldsoort::Omschrijving);

        auto onChange = [this, r](QComboBox* box, void (LineEntry::*handler)(int)) {
            connect(box, &QComboBox::currentIndexChanged, this, [this, r, handler] {
                if (!screen_.programmaticUpdate())
                    (this->*handler)(r);
            });
        };
        onChange(rij.artikel, &LineEntry::articleChanged);
        onChange(rij.kleur, &LineEntry::colourChanged);
        onChange(rij.lengte, &LineEntry::lengthChanged);
        onChange(rij.correctie, &LineEntry::correctionChanged);
        onChange(rij.maat, &LineEntry::sizeChanged);
        onChange(rij.uitvoering, &LineEntry::executionChanged);
        connect(rij.omschrijving, &QPushButton::clicked, this, [this, r] {
            if (shown(screen_.regelRij(r).lengte))
                emit descriptionRequested(r);
        });
    }
    watch(screen_.orderdatum(), 0, Veldsoort::Orderdatum);
    watch(screen_.ordernummer(), 0, Veldsoort::Ordernummer);
    watch(screen_.referentie(), 0, Veldsoort::Referentie);
}

LineEntry::~LineEntry() = default;

int LineEntry::lineOf(int r) const
{
    return screen_.order().lines().rowAt(r);
}

// ------------------------------------------------------------------ article

void LineEntry::articleChanged(int r)
{
    if (screen_.programmaticUpdate() || !screen_.state())
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    OrderModel& order = screen_.order();
    const int line = lineOf(r);
    if (order.lineInUse(line)) {
        rij.artikel->hidePopup();
        const bool yes = askYesNo(screen_.platform().messages, u8(Tekst::Bevestiging),
                                  {u8(Tekst::ArtikelWijzigen1), u8(Tekst::Gegevens), u8(Tekst::ArtikelWijzigen3)});
        if (!yes) {
            TVonuOrderscherm::UpdateGuard guard(screen_);
            rij.artikel->setCurrentIndex(screen_.articleEntryIndex(order.field(line, Veld::Artikel)));
            return;
        }
    }
    order.setField(line, Veld::Artikel, rij.artikel->currentText());
    prepareLine(r);
    screen_.lineWindow().updateRange();
}

void LineEntry::prepareLine(int r)
{
    AppState* state = screen_.state();
    if (!state)
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    OrderModel& order = screen_.order();
    const int line = lineOf(r);
    const bool current = line == order.lines().current();
    const QString text = rij.artikel->currentText();

    TVonuOrderscherm::UpdateGuard guard(screen_);
    // 1. A fresh row and line.
    rij.kleur->setCurrentIndex(rij.kleur->count() > 0 ? 0 : -1);
    rij.omschrijving1->clear();
    rij.omschrijving2->clear();
    rij.correctie->setCurrentIndex(0);
    rij.maat->clear();
    rij.maatInvoer->clear();
    rij.uitvoering->setCurrentIndex(0);
    rij.aantal->clear();
    TVonuOrderscherm::setQuantityMode(rij.aantal, false);
    rij.sponning->clear();
    rij.lengte->clear();
    order.clearLineForArticle(line);

    // 2. No article: only the article field stays.
    if (text.trimmed().isEmpty()) {
        for (QWidget* w : {static_cast<QWidget*>(rij.kleur), static_cast<QWidget*>(rij.lengte),
                           static_cast<QWidget*>(rij.correctie), static_cast<QWidget*>(rij.maat),
                           static_cast<QWidget*>(rij.maatInvoer), static_cast<QWidget*>(rij.uitvoering),
                           static_cast<QWidget*>(rij.aantal), static_cast<QWidget*>(rij.sponning)})
            w->hide();
        if (current)
            screen_.lineWindow().refillPanels();
        return;
    }

    // 3. The catalog article and its single length.
    state->catalog.findArticle(text);
    const TXMLArtikel a = state->catalog.currentArticle();
    const bool handel = a.ArtikelHandelslengte().trimmed() == QLatin1String("J");
    const bool opMaat = a.ArtikelOpmaat().trimmed() == QLatin1String("J");
    if (handel)
        rij.lengte->addItem(u8(Tekst::Handelslengte));
    else if (opMaat)
        rij.lengte->addItem(u8(Tekst::OpMaat));
    rij.lengte->setCurrentIndex(rij.lengte->count() > 0 ? 0 : -1);

    // 4, 5. What the panels will offer; an operation with ALT key "R" asks
    // for a colour instead.
    const CustomerArticleList& klant = screen_.orderFor().customerArticles();
    const QStringList subs = OfferLists::subartikelChoices(a, klant, state->internalMode);
    const QStringList bews = OfferLists::bewerkingChoices(a, klant, state->internalMode);
    const bool kleur = OfferLists::offersColour(a);

    // 6. Descriptions.
    rij.omschrijving1->setText(a.ArtikelOmschrijving_1());
    rij.omschrijving2->setText(a.ArtikelOmschrijving_2());

    // 7. Length.
    const bool lengte = a.ArtikelEenheid().trimmed() == QLatin1String("Meter");
    if (lengte)
        order.setField(line, Veld::Lengte, rij.lengte->currentText());

    // 8. Trade lengths.
    for (const TXMLArtikelmaat m : a.Artikelmaten())
        rij.maat->addItem(m.Maat() + u8(Tekst::Mtr));
    const bool maat = rij.maat->count() > 0;
    if (maat) {
        rij.maat->setCurrentIndex(0);
        order.setField(line, Veld::Maat, rij.maat->currentText());
    }

    // 9. Execution, the customer's own default first.
    const bool uitvoering = !a.ArtikelUitvoering_1().isEmpty();
    if (uitvoering) {
        const QString u = OfferLists::tradeLengthExecution(a, klant.lookup(Catalog::catalogCodeOf(text)));
        selectText(rij.uitvoering, u);
        order.setField(line, Veld::Uitvoering, u);
        order.setField(line, Veld::Omschrijving_2, u);
    }

    // 10, 11. Quantity always; the typed size where no size list is.
    const bool maatInvoer = lengte && !maat;

    // 12. Shown fields and the flags that remember them.
    rij.kleur->setVisible(kleur);
    rij.lengte->setVisible(lengte);
    rij.correctie->hide();
    rij.maat->setVisible(maat);
    rij.maatInvoer->setVisible(maatInvoer);
    rij.uitvoering->setVisible(uitvoering);
    rij.aantal->show();
    rij.sponning->hide();
    order.setFlag(line, Vlag::Kleur, kleur);
    order.setFlag(line, Vlag::Lengte, lengte);
    order.setFlag(line, Vlag::Maat, maat);
    order.setFlag(line, Vlag::Uitvoering, uitvoering);
    order.setFlag(line, Vlag::Aantal, true);
    order.setFlag(line, Vlag::Subartikelen, subs.size() > 1);
    order.setFlag(line, Vlag::Bewerkingen, bews.size() > 1);
    order.setFlag(line, Vlag::MaatInvoer, maatInvoer);
    if (current)
        screen_.lineWindow().refillPanels();

    // 13. A made-to-measure-only article takes its length at once.
    if (lengte && rij.lengte->currentText() == u8(Tekst::OpMaat))
        applyLengthChoice(r);
}

// ------------------------------------------------------------------- length

void LineEntry::lengthEntered(int r)
{
    AppState* state = screen_.state();
    if (!state)
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    const QString previous = rij.lengte->currentText();
    TVonuOrderscherm::UpdateGuard guard(screen_);
    state->catalog.findArticle(screen_.order().field(lineOf(r), Veld::Artikel));
    const TXMLArtikel a = state->catalog.currentArticle();
    rij.lengte->clear();
    if (a.ArtikelHandelslengte().trimmed() == QLatin1String("J"))
        rij.lengte->addItem(u8(Tekst::Handelslengte));
    if (a.ArtikelOpmaat().trimmed() == QLatin1String("J"))
        rij.lengte->addItem(u8(Tekst::OpMaat));
    selectText(rij.lengte, previous);
}

void LineEntry::lengthChanged(int r)
{
    if (screen_.programmaticUpdate() || !screen_.state())
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    OrderModel& order = screen_.order();
    const int line = lineOf(r);
    if (!order.field(line, Veld::Aantal).trimmed().isEmpty()) {
        rij.lengte->hidePopup();
        const bool yes = askYesNo(screen_.platform().messages, u8(Tekst::Bevestiging),
                                  {u8(Tekst::LengteWijzigen1), u8(Tekst::Gegevens), u8(Tekst::LengteWijzigen3)});
        if (!yes) {
            TVonuOrderscherm::UpdateGuard guard(screen_);
            selectText(rij.lengte, order.field(line, Veld::Lengte));
            return;
        }
    }
    order.setField(line, Veld::Lengte, rij.lengte->currentText());
    applyLengthChoice(r);
}

void LineEntry::applyLengthChoice(int r)
{
    AppState* state = screen_.state();
    if (!state)
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    OrderModel& order = screen_.order();
    const int line = lineOf(r);
    const bool current = line == order.lines().current();
    TVonuOrderscherm::UpdateGuard guard(screen_);

    // 1. The catalog article and the customer's entry for it.
    const QString& artikel = order.field(line, Veld::Artikel);
    state->catalog.findArticle(artikel);
    const TXMLArtikel a = state->catalog.currentArticle();
    const KlantArtikel* klant = screen_.orderFor().customerArticles().lookup(Catalog::catalogCodeOf(artikel));

    // 2. A new length starts the rebates, descriptions and operations anew.
    for (int veld : {Veld::Sponning, Veld::Omschrijving_1, Veld::Omschrijving_2, Veld::Omschrijving_3})
        order.setField(line, veld, QString());
    order.setFlag(line, Vlag::Sponning, false);
    order.clearBewerkingen(line);

    const bool opMaat = rij.lengte->currentText() == u8(Tekst::OpMaat);
    bool details = false;
    if (opMaat) {
        // 3. Made to measure.
        QStringList subs;
        for (int row = 1; row <= MaxSubartikelen; ++row)
            if (order.subartikelInUse(line, row))
                subs.append(order.subartikel(line, row, 1));
        if (OfferLists::needsCorrection(a, subs)) {
            rij.correctie->setCurrentIndex(0);
            rij.correctie->show();
            order.setField(line, Veld::Correctie, u8(Tekst::Zaagmaat));
        } else {
            rij.correctie->hide();
        }
        rij.maat->hide();
        order.setField(line, Veld::Maat, QString());
        details = a.ArtikelBerekeningAantal().trimmed() != QLatin1String("Aantal");
        rij.maatInvoer->clear();
        rij.maatInvoer->setVisible(!details);
        if (!a.ArtikelUitvoering_2().isEmpty()) {
            const QString u = OfferLists::madeToMeasureExecution(a, klant);
            selectText(rij.uitvoering, u);
            rij.uitvoering->show();
            order.setField(line, Veld::Uitvoering, u);
            order.setField(line, Veld::Omschrijving_2, u);
        } else {
            rij.uitvoering->hide();
            order.setField(line, Veld::Uitvoering, QString());
        }
    } else {
        // 4. Trade length.
        rij.correctie->hide();
        order.setField(line, Veld::Correctie, rij.correctie->currentText());
        rij.maat->clear();
        for (const TXMLArtikelmaat m : a.Artikelmaten())
            rij.maat->addItem(m.Maat() + u8(Tekst::Mtr));
        const bool maat = rij.maat->count() > 0;
        rij.maat->setVisible(maat);
        rij.maatInvoer->clear();
        rij.maatInvoer->setVisible(!maat);
        if (maat) {
            rij.maat->setCurrentIndex(0);
            order.setField(line, Veld::Maat, rij.maat->currentText());
        } else {
            order.setField(line, Veld::Maat, QString());
        }
        const bool uitvoering = !a.ArtikelUitvoering_1().isEmpty();
        rij.uitvoering->setVisible(uitvoering);
        if (uitvoering) {
            const QString u = OfferLists::tradeLengthExecution(a, klant);
            selectText(rij.uitvoering, u);
            order.setField(line, Veld::Uitvoering, u);
            order.setField(line, Veld::Omschrijving_2, u);
        }
        order.clearDetails(line);
    }
    rij.aantal->clear();
    order.setField(line, Veld::Aantal, QString());

    // 5. The quantity of a line with details is their total.
    TVonuOrderscherm::setQuantityMode(rij.aantal, details);
    rij.sponning->clear();
    rij.sponning->hide();

    // 6. The flags follow the fields now shown.
    order.setFlag(line, Vlag::Correctie, shown(rij.correctie));
    order.setFlag(line, Vlag::Maat, shown(rij.maat));
    order.setFlag(line, Vlag::Uitvoering, shown(rij.uitvoering));
    order.setFlag(line, Vlag::Aantal, shown(rij.aantal));
    order.setFlag(line, Vlag::Details, details);
    order.setFlag(line, Vlag::MaatInvoer, shown(rij.maatInvoer));

    // The operation list is rebuilt and the detail panel shown or reset.
    if (current)
        screen_.lineWindow().refillPanels();
}

// ---------------------------------------------------------- other choices

void LineEntry::colourChanged(int r)
{
    AppState* state = screen_.state();
    if (screen_.programmaticUpdate() || !state)
        return;
    const int line = lineOf(r);
    const QString text = screen_.regelRij(r).kleur->currentText();
    screen_.order().setField(line, Veld::Kleur, text);
    if (state->internalMode && !text.trimmed().isEmpty())
        if (IOrderEntryDesk* desk = screen_.orderEntryDesk())
            desk->colourChosen(line);
}

void LineEntry::executionChanged(int r)
{
    if (screen_.programmaticUpdate() || !screen_.state())
        return;
    OrderModel& order = screen_.order();
    const int line = lineOf(r);
    const QString text = screen_.regelRij(r).uitvoering->currentText();
    order.setField(line, Veld::Uitvoering, text);
    const auto holdsExecution = [&](int veld) {
        const QString t = order.field(line, veld).trimmed();
        return t == u8(Tekst::Geboord) || t == u8(Tekst::Ongeboord);
    };
    if (holdsExecution(Veld::Omschrijving_2)) {
        order.setField(line, Veld::Omschrijving_2, text);
    } else if (holdsExecution(Veld::Omschrijving_3)) {
        order.setField(line, Veld::Omschrijving_3, text);
    } else {
        screen_.platform().sound.beep();
        screen_.setStatusText(0, u8(Tekst::DetailtekstNiet));
    }
}

void LineEntry::sizeChanged(int r)
{
    if (screen_.programmaticUpdate() || !screen_.state())
        return;
    screen_.order().setField(lineOf(r), Veld::Maat, screen_.regelRij(r).maat->currentText());
}

void LineEntry::correctionChanged(int r)
{
    if (screen_.programmaticUpdate() || !screen_.state())
        return;
    screen_.order().setField(lineOf(r), Veld::Correctie, screen_.regelRij(r).correctie->currentText());
}

// -------------------------------------------------------------------- exits

void LineEntry::leaveArticle(int r)
{
    AppState* state = screen_.state();
    if (screen_.programmaticUpdate() || !state)
        return;
    const int line = lineOf(r);
    if (screen_.regelRij(r).artikel->currentText() != screen_.order().field(line, Veld::Artikel))
        articleChanged(r);
    // At the order desk the first article decides the order type, and with
    // it the lists.
    if (state->internalMode && r == 1 && line == 1)
        if (IOrderEntryDesk* desk = screen_.orderEntryDesk(); desk && desk->listsFollowFirstArticle())
            screen_.orderFor().fillArticleLists();
    screen_.setStatusText(0, QString());
}

void LineEntry::leaveQuantity(int r)
{
    if (screen_.programmaticUpdate() || !screen_.state())
        return;
    screen_.order().setField(lineOf(r), Veld::Aantal, screen_.regelRij(r).aantal->text());
}

void LineEntry::leaveTypedSize(int r)
{
    AppState* state = screen_.state();
    if (screen_.programmaticUpdate() || !state)
        return;
    QLineEdit* field = screen_.regelRij(r).maatInvoer;
    OrderModel& order = screen_.order();
    const int line = lineOf(r);
    QString text = field->text();
    if (!text.isEmpty() && order.field(line, Veld::Lengte) == u8(Tekst::OpMaat)) {
        const SizeCheckResult check =
            checkSize(state->catalog, order.field(line, Veld::Artikel), QString::number(line), text);
        if (check.beep)
            screen_.platform().sound.beep();
        screen_.setStatusText(0, check.status);
        text = check.size;
        field->setText(text);
        if (text == QLatin1String("0"))
            // After the focus has reached the field it was going to.
            QTimer::singleShot(0, field, [field] { field->setFocus(); });
    }
    order.setField(line, Veld::Maat, text);
}

void LineEntry::leave(const Plaats& p)
{
    const int r = p.row;
    if (r == 0 || screen_.programmaticUpdate() || !screen_.state())
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    const OrderModel& order = screen_.order();
    const int line = lineOf(r);
    const auto differs = [&](QComboBox* box, int veld) { return box->currentText() != order.field(line, veld); };
    switch (p.soort) {
    case Veldsoort::Artikel:
        leaveArticle(r);
        break;
    case Veldsoort::Kleur:
        if (differs(rij.kleur, Veld::Kleur))
            colourChanged(r);
        break;
    case Veldsoort::Lengte:
        if (differs(rij.lengte, Veld::Lengte))
            lengthChanged(r);
        break;
    case Veldsoort::Correctie:
        if (differs(rij.correctie, Veld::Correctie))
            correctionChanged(r);
        break;
    case Veldsoort::Maat:
        if (differs(rij.maat, Veld::Maat))
            sizeChanged(r);
        break;
    case Veldsoort::Uitvoering:
        if (differs(rij.uitvoering, Veld::Uitvoering))
            executionChanged(r);
        break;
    case Veldsoort::Aantal:
        leaveQuantity(r);
        break;
    case Veldsoort::MaatInvoer:
        leaveTypedSize(r);
        break;
    case Veldsoort::Sponning:
        // The start of the rebate text is what tells rebates apart.
        rij.sponning->setCursorPosition(0);
        break;
    default:
        break;
    }
}

// ------------------------------------------------------------ typed search

void LineEntry::typedSearch(int r, QChar character, bool backspace)
{
    if (!screen_.state())
        return;
    QString buffer = screen_.statusText(0);
    if (buffer == u8(Tekst::NietBeschikbaar))
        buffer.clear();
    if (backspace)
        buffer.chop(1);
    else
        buffer.append(character);

    QComboBox* box = screen_.regelRij(r).artikel;
    int found = -1;
    if (screen_.orderFor().listsFilled()) {
        found = screen_.orderFor().lists().firstStartingWith(buffer);
    } else {
        for (int i = 0; i < box->count() && found < 0; ++i)
            if (box->itemText(i).startsWith(buffer))
                found = i;
    }
    if (found < 0) {
        buffer.chop(1);
        screen_.setStatusText(0, buffer);
        return;
    }
    screen_.setStatusText(0, buffer);
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        box->setCurrentIndex(found);
    }
    prepareLine(r);
}

// ------------------------------------------------------------ Enter routes

bool LineEntry::detailsShown() const
{
    return shown(screen_.details());
}

QWidget* LineEntry::currentDetail() const
{
    return screen_.detailRij(screen_.order().details().currentScreenRow()).aantal;
}

QWidget* LineEntry::firstDetailOrSize(int r) const
{
    // A made-to-measure line counted per piece has no details: its typed
    // size is the next thing to fill in.
    if (detailsShown())
        return screen_.detailRij(1).aantal;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    return shown(rij.maatInvoer) ? static_cast<QWidget*>(rij.maatInvoer) : rij.aantal;
}

QWidget* LineEntry::afterColour(int r) const
{
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    if (!shown(rij.lengte))
        return rij.aantal;
    if (rij.lengte->count() == 1 && rij.lengte->currentText() == u8(Tekst::Handelslengte))
        return rij.aantal;
    if (rij.lengte->count() == 1 && rij.lengte->currentText() == u8(Tekst::OpMaat))
        return firstDetailOrSize(r);
    return rij.lengte;
}

QWidget* LineEntry::enterTarget(int r, Veldsoort soort) const
{
    switch (soort) {
    case Veldsoort::Orderdatum:
        return screen_.ordernummer();
    case Veldsoort::Ordernummer:
        return screen_.referentie();
    case Veldsoort::Referentie:
        return screen_.regelRij(1).artikel;
    default:
        break;
    }
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    const bool opMaatMetDetails = rij.lengte->currentText() == u8(Tekst::OpMaat) && detailsShown();
    switch (soort) {
    case Veldsoort::Artikel:
        if (rij.artikel->currentText().trimmed().isEmpty())
            return screen_.verzenden();
        return shown(rij.kleur) ? rij.kleur : afterColour(r);
    case Veldsoort::Kleur:
        return afterColour(r);
    case Veldsoort::Lengte:
        if (opMaatMetDetails)
            return shown(rij.uitvoering) ? rij.uitvoering : currentDetail();
        return rij.aantal;
    case Veldsoort::Correctie:
        return firstDetailOrSize(r);
    case Veldsoort::Aantal:
        if (shown(rij.maat))
            return rij.maat;
        if (shown(rij.maatInvoer))
            return rij.maatInvoer;
        return nullptr;
    case Veldsoort::Maat:
    case Veldsoort::MaatInvoer:
        return shown(rij.uitvoering) ? rij.uitvoering : nullptr;
    case Veldsoort::Uitvoering:
        return opMaatMetDetails ? currentDetail() : nullptr;
    default:
        return nullptr;
    }
}

void LineEntry::nextRow(int r)
{
    if (r < TVonuOrderscherm::RegelRijen) {
        screen_.regelRij(r + 1).artikel->setFocus(Qt::TabFocusReason);
        return;
    }
    if (screen_.lineWindow().stepDown())
        screen_.regelRij(r).artikel->setFocus(Qt::TabFocusReason);
}

// ------------------------------------------------------------------ events

bool LineEntry::handleKey(const Plaats& p, QWidget* field, QKeyEvent* key)
{
    const int r = p.row;
    if (isEnter(key)) {
        if (p.soort == Veldsoort::Regel || p.soort == Veldsoort::Sponning || p.soort == Veldsoort::Omschrijving)
            return false;
        QWidget* target = enterTarget(r, p.soort);
        if (target)
            target->setFocus(Qt::TabFocusReason);
        else if (r > 0 && p.soort != Veldsoort::Artikel)
            nextRow(r);
        return true;
    }
    const bool backspace = key->key() == Qt::Key_Backspace;
    const QChar c = typed(key);
    switch (p.soort) {
    case Veldsoort::Artikel: {
        const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
        if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
            QWidget* target = screen_.verzenden();
            if (!rij.artikel->currentText().trimmed().isEmpty())
                target = shown(rij.kleur) ? static_cast<QWidget*>(rij.kleur)
                         : shown(rij.lengte) ? static_cast<QWidget*>(rij.lengte)
                                             : static_cast<QWidget*>(rij.aantal);
            target->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (c.isNull() && !backspace)
            return false;
        const AppState* state = screen_.state();
        if (state && state->internalMode && c == u'*') {
            if (IOrderEntryDesk* desk = screen_.orderEntryDesk())
                desk->eanEntry(r);
            return true;
        }
        if (screen_.order().lineInUse(lineOf(r))) {
            screen_.setStatusText(0, u8(Tekst::NietBeschikbaar));
            return true;
        }
        const QChar upper = (c >= u'a' && c <= u'z') ? c.toUpper() : c;
        typedSearch(r, upper, backspace);
        return true;
    }
    case Veldsoort::MaatInvoer: {
        if (c.isNull())
            return false;
        auto* edit = static_cast<QLineEdit*>(field);
        const bool opMaat = screen_.order().field(lineOf(r), Veld::Lengte) == u8(Tekst::OpMaat);
        if (c == u'.' || c == u',') {
            if (!opMaat && !edit->text().contains(u','))
                edit->insert(QStringLiteral(","));
            return true;
        }
        return !c.isDigit() || c.unicode() > 127;
    }
    case Veldsoort::Aantal:
        return !c.isNull() && (!c.isDigit() || c.unicode() > 127);
    case Veldsoort::Ordernummer:
    case Veldsoort::Referentie:
        if (c.isNull() || u8(Tekst::NummerTekens).contains(c.toUpper()))
            return false;
        screen_.platform().sound.beep();
        return true;
    default:
        return false;
    }
}

bool LineEntry::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusIn && type != QEvent::FocusOut &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto it = plaatsen_.constFind(watched);
    if (it == plaatsen_.constEnd())
        return false;
    const Plaats p = it.value();
    auto* field = static_cast<QWidget*>(watched);
    switch (type) {
    case QEvent::KeyPress:
        return handleKey(p, field, static_cast<QKeyEvent*>(event));
    case QEvent::FocusIn:
        if (p.row > 0 && isFieldEntry(event) && !screen_.programmaticUpdate() && screen_.state()) {
            if (p.soort == Veldsoort::Lengte)
                lengthEntered(p.row);
            screen_.lineWindow().enterRow(p.row, field);
        }
        return false;
    case QEvent::FocusOut:
        if (isFieldEntry(event))
            leave(p);
        return false;
    case QEvent::MouseButtonDblClick:
        if (p.soort == Veldsoort::Sponning)
            emit rebateRequested(p.row);
        return false;
    default:
        return false;
    }
}

} // namespace vonu
