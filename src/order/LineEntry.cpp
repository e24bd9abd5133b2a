#include "order/LineEntry.h"
#include "base/Text.h"
#include "widgets/WidgetInput.h"

#include "data/AppState.h"
#include "order/LineWindow.h"
#include "order/OfferLists.h"
#include "order/OrderEntryDesk.h"
#include "order/OrderForControl.h"
#include "order/OrderValidation.h"
#include "order/OrderValues.h"
#include "order/RowView.h"
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
    if (screen_.programmaticUpdate())
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
            showStored(rij.artikel, order.field(line, Veld::Artikel));
            return;
        }
    }
    screen_.rules().changeArticle(line, rij.artikel->currentText());
    showPreparedLine(r, line);
    screen_.lineWindow().updateRange();
}

void LineEntry::prepareLine(int r)
{
    const int line = lineOf(r);
    const QString text = screen_.regelRij(r).artikel->currentText();
    screen_.rules().prepareLine(line, text);
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        screen_.showLineInRow(r, text);
    }
    if (line == screen_.order().lines().current())
        screen_.lineWindow().refillPanels();
}

void LineEntry::showPreparedLine(int r, int line)
{
    screen_.showLineInRow(r);
    if (line == screen_.order().lines().current())
        screen_.lineWindow().refillPanels();
}

// ------------------------------------------------------------------- length

void LineEntry::lengthEntered(int r)
{
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    const QString previous = rij.lengte->currentText();
    TVonuOrderscherm::UpdateGuard guard(screen_);
    rij.lengte->clear();
    rij.lengte->addItems(screen_.rules().lengthChoices(lineOf(r)));
    selectText(rij.lengte, previous);
}

void LineEntry::lengthChanged(int r)
{
    if (screen_.programmaticUpdate())
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
    screen_.rules().changeLength(line, rij.lengte->currentText());
    showPreparedLine(r, line);
}

void LineEntry::applyLengthChoice(int r)
{
    const int line = lineOf(r);
    screen_.rules().applyLengthChoice(line);
    showPreparedLine(r, line);
}

// ---------------------------------------------------------- other choices

void LineEntry::colourChanged(int r)
{
    if (screen_.programmaticUpdate())
        return;
    const int line = lineOf(r);
    const QString text = screen_.regelRij(r).kleur->currentText();
    screen_.order().setField(line, Veld::Kleur, text);
    if (screen_.appState().internalMode && !text.trimmed().isEmpty())
        screen_.orderEntryDesk().colourChosen(line);
}

void LineEntry::executionChanged(int r)
{
    if (screen_.programmaticUpdate())
        return;
    if (!screen_.rules().changeExecution(lineOf(r), screen_.regelRij(r).uitvoering->currentText())) {
        screen_.platform().sound.beep();
        screen_.setStatusText(0, u8(Tekst::DetailtekstNiet));
    }
}

void LineEntry::sizeChanged(int r)
{
    if (screen_.programmaticUpdate())
        return;
    screen_.order().setField(lineOf(r), Veld::Maat, screen_.regelRij(r).maat->currentText());
}

void LineEntry::correctionChanged(int r)
{
    if (screen_.programmaticUpdate())
        return;
    screen_.order().setField(lineOf(r), Veld::Correctie, screen_.regelRij(r).correctie->currentText());
}

// -------------------------------------------------------------------- exits

void LineEntry::leaveArticle(int r)
{
    if (screen_.programmaticUpdate())
        return;
    const int line = lineOf(r);
    QComboBox* artikel = screen_.regelRij(r).artikel;
    if (!showsUnlisted(artikel) && artikel->currentText() != screen_.order().field(line, Veld::Artikel))
        articleChanged(r);
    // At the order desk the first article decides the order type, and with
    // it the lists.
    if (screen_.appState().internalMode && r == 1 && line == 1 && screen_.orderEntryDesk().listsFollowFirstArticle())
        screen_.orderFor().fillArticleLists();
    screen_.setStatusText(0, QString());
}

void LineEntry::leaveQuantity(int r)
{
    if (screen_.programmaticUpdate())
        return;
    QLineEdit* aantal = screen_.regelRij(r).aantal;
    // The total of the details is theirs to write.
    if (!aantal->isReadOnly())
        screen_.order().setField(lineOf(r), Veld::Aantal, aantal->text());
}

void LineEntry::leaveTypedSize(int r)
{
    if (screen_.programmaticUpdate())
        return;
    storeTypedSize(r, true);
}

void LineEntry::storeTypedSize(int r, bool focusBack)
{
    QLineEdit* field = screen_.regelRij(r).maatInvoer;
    const QString before = field->text();
    const int line = lineOf(r);
    const bool checked = !before.isEmpty() && screen_.order().field(line, Veld::Lengte) == Waarde::OpMaat;
    const SizeCheckResult check = screen_.rules().changeTypedSize(line, before);
    if (!checked)
        return;
    if (check.beep)
        screen_.platform().sound.beep();
    screen_.setStatusText(0, check.status);
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        field->setText(check.size);
    }
    if (focusBack && check.size == QLatin1String("0"))
        // After the focus has reached the field it was going to.
        QTimer::singleShot(0, field, [field] { field->setFocus(); });
}

void LineEntry::storePendingEdits()
{
    const OrderModel& order = screen_.order();
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
        const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
        const int line = lineOf(r);
        // An article found by typing is stored when its field is left; the
        // rows may move first.
        if (!showsUnlisted(rij.artikel) && rij.artikel->currentText() != order.field(line, Veld::Artikel) &&
            !order.lineInUse(line))
            articleChanged(r);
        if (shown(rij.aantal) && rij.aantal->text() != order.field(line, Veld::Aantal))
            leaveQuantity(r);
        // A typed size goes through the size check however the row is left.
        if (shown(rij.maatInvoer) && rij.maatInvoer->text() != order.field(line, Veld::Maat))
            storeTypedSize(r, false);
    }
}

void LineEntry::leave(const Plaats& p)
{
    const int r = p.row;
    if (r == 0 || screen_.programmaticUpdate())
        return;
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    const OrderModel& order = screen_.order();
    const int line = lineOf(r);
    // A list showing a stored value it does not offer was not changed.
    const auto differs = [&](QComboBox* box, Veld veld) {
        return !showsUnlisted(box) && box->currentText() != order.field(line, veld);
    };
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
    if (rij.lengte->count() == 1 && rij.lengte->currentText() == Waarde::Handelslengte)
        return rij.aantal;
    if (rij.lengte->count() == 1 && rij.lengte->currentText() == Waarde::OpMaat)
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
    const bool opMaatMetDetails = rij.lengte->currentText() == Waarde::OpMaat && detailsShown();
    switch (soort) {
    case Veldsoort::Artikel:
        if (shownValue(rij.artikel).trimmed().isEmpty())
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
            if (!shownValue(rij.artikel).trimmed().isEmpty())
                target = shown(rij.kleur) ? static_cast<QWidget*>(rij.kleur)
                         : shown(rij.lengte) ? static_cast<QWidget*>(rij.lengte)
                                             : static_cast<QWidget*>(rij.aantal);
            target->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (c.isNull() && !backspace)
            return false;
        if (screen_.appState().internalMode && c == u'*') {
            screen_.orderEntryDesk().eanEntry(r);
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
        const bool opMaat = screen_.order().field(lineOf(r), Veld::Lengte) == Waarde::OpMaat;
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
        if (p.row > 0 && isFieldEntry(event) && !screen_.programmaticUpdate()) {
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
