#include "order/PanelEntry.h"
#include "base/Text.h"
#include "widgets/WidgetInput.h"

#include "data/AppState.h"
#include "order/LineEntry.h"
#include "order/LineWindow.h"
#include "order/OfferLists.h"
#include "order/OrderForControl.h"
#include "order/OrderValidation.h"
#include "order/RowView.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderLevering.h"
#include "order/VonuOrderNotitie.h"
#include "order/VonuOrderZoekArtikel.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace vonu {

namespace {

namespace Tekst {
const char* const AantalVerplicht = "Aantal, verplichte invoer!";
} // namespace Tekst

bool isFieldExit(const QEvent* e)
{
    const auto reason = static_cast<const QFocusEvent*>(e)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

// Selects the entry whose trimmed text equals the stored code; entry 0
// when the code is empty or not listed.
int entryOf(const QComboBox* box, const QString& code)
{
    const QString wanted = code.trimmed();
    if (!wanted.isEmpty())
        for (int i = 1; i < box->count(); ++i)
            if (box->itemText(i).trimmed() == wanted)
                return i;
    return 0;
}

} // namespace

PanelEntry::PanelEntry(TVonuOrderscherm& screen) : QObject(nullptr), screen_(screen)
{
    for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n) {
        QComboBox* sub = screen_.subartikelRij(n).keuze;
        QComboBox* bew = screen_.bewerkingRij(n).keuze;
        plekken_.insert(sub, Plek{Paneel::Subartikel, n, false});
        plekken_.insert(bew, Plek{Paneel::Bewerking, n, false});
        sub->installEventFilter(this);
        bew->installEventFilter(this);
        connect(sub, &QComboBox::currentIndexChanged, this, [this, n] { subartikelChanged(n); });
        connect(bew, &QComboBox::currentIndexChanged, this, [this, n] { bewerkingChanged(n); });
    }
    for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n) {
        const TVonuOrderscherm::DetailRij& rij = screen_.detailRij(n);
        plekken_.insert(rij.aantal, Plek{Paneel::Detail, n, false});
        plekken_.insert(rij.maat, Plek{Paneel::Detail, n, true});
        rij.aantal->installEventFilter(this);
        rij.maat->installEventFilter(this);
    }
    const std::pair<QScrollBar*, Paneel> bars[] = {{screen_.subartikelPositie(), Paneel::Subartikel},
                                                   {screen_.bewerkingPositie(), Paneel::Bewerking},
                                                   {screen_.detailPositie(), Paneel::Detail}};
    for (const auto& [bar, paneel] : bars)
        connect(bar, &QScrollBar::valueChanged, this, [this, paneel = paneel](int value) {
            if (!screen_.programmaticUpdate())
                scrollPanel(paneel, value);
        });

    connect(screen_.zoekArtikel(), &QPushButton::clicked, this, [this] { zoek(ZoekSoort::Subartikel); });
    connect(screen_.zoekBewerking(), &QPushButton::clicked, this, [this] { zoek(ZoekSoort::Bewerking); });
    connect(screen_.notities(), &QPushButton::clicked, this, &PanelEntry::openNotities);
    connect(screen_.leveringsInformatie(), &QPushButton::clicked, this, &PanelEntry::openLeveringsInformatie);
    connect(&screen_.lineEntry(), &LineEntry::rebateRequested, this, &PanelEntry::openSponning);
    connect(&screen_.lineEntry(), &LineEntry::descriptionRequested, this, &PanelEntry::openOmschrijving);
    connect(&screen_.lineWindow(), &LineWindow::onderdorpelRequested, this, &PanelEntry::openOnderdorpel);
}

PanelEntry::~PanelEntry() = default;

int PanelEntry::currentLine() const
{
    return screen_.order().lines().current();
}

RowWindow& PanelEntry::window(Paneel paneel) const
{
    OrderModel& order = screen_.order();
    switch (paneel) {
    case Paneel::Subartikel:
        return order.subartikelen();
    case Paneel::Bewerking:
        return order.bewerkingen();
    default:
        return order.details();
    }
}

// ------------------------------------------------------------ panel rows

void PanelEntry::storePendingDetails()
{
    // Sub-article and operation choices are stored as they are made; only
    // typed detail values can still be waiting for their field's exit.
    if (screen_.programmaticUpdate() || !shown(screen_.details()))
        return;
    const OrderModel& order = screen_.order();
    const int line = currentLine();
    const RowWindow& w = window(Paneel::Detail);
    for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n) {
        const TVonuOrderscherm::DetailRij& rij = screen_.detailRij(n);
        if (rij.aantal->text() != order.detailAantal(line, w.rowAt(n)))
            storeDetailAantal(n);
        if (rij.maat->text() != order.detailMaat(line, w.rowAt(n)))
            storeDetailMaat(n, false);
    }
}

void PanelEntry::loadPanelRows(Paneel paneel)
{
    const OrderModel& order = screen_.order();
    const int line = currentLine();
    const RowWindow& w = window(paneel);
    TVonuOrderscherm::UpdateGuard guard(screen_);
    switch (paneel) {
    case Paneel::Subartikel:
        for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n)
            showStored(screen_.subartikelRij(n).keuze, order.subartikel(line, w.rowAt(n), 1));
        break;
    case Paneel::Bewerking:
        for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n)
            showStored(screen_.bewerkingRij(n).keuze, order.bewerking(line, w.rowAt(n), 1));
        break;
    case Paneel::Detail:
        for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n) {
            setTextWhole(screen_.detailRij(n).aantal, order.detailAantal(line, w.rowAt(n)), TVonuOrderscherm::DetailAantalLengte);
            setTextWhole(screen_.detailRij(n).maat, order.detailMaat(line, w.rowAt(n)), TVonuOrderscherm::DetailMaatLengte);
        }
        break;
    }
}

void PanelEntry::updateRange(Paneel paneel)
{
    OrderModel& order = screen_.order();
    const int line = currentLine();
    RowWindow& w = window(paneel);
    const int maximum = paneel == Paneel::Subartikel  ? order.subartikelScrollMaximum(line)
                        : paneel == Paneel::Bewerking ? order.bewerkingScrollMaximum(line)
                                                      : order.detailScrollMaximum(line);
    const int top = w.top();
    // A lower maximum can pull the current row back and move the rows.
    if (w.position() > maximum)
        storePendingDetails();
    w.setMaximum(maximum);
    if (w.top() != top)
        loadPanelRows(paneel);
    screen_.syncWindows();
}

void PanelEntry::scrollPanel(Paneel paneel, int position)
{
    RowWindow& w = window(paneel);
    position = std::clamp(position, 0, w.maximum());
    if (position != w.position()) {
        // What was typed in the rows leaving the panel is stored, checked
        // as leaving the field would check it.
        storePendingDetails();
        if (w.moveTo(position) != 0)
            loadPanelRows(paneel);
    }
    screen_.syncWindows();
}

void PanelEntry::subartikelChanged(int n)
{
    panelChanged(Paneel::Subartikel, n);
}

void PanelEntry::bewerkingChanged(int n)
{
    panelChanged(Paneel::Bewerking, n);
}

void PanelEntry::panelChanged(Paneel paneel, int n)
{
    if (screen_.programmaticUpdate())
        return;
    const int line = currentLine();
    const int row = window(paneel).rowAt(n);
    LineRules rules = screen_.rules();
    if (paneel == Paneel::Subartikel) {
        previousArticle_ = rules.changeSubartikel(line, row, screen_.subartikelRij(n).keuze->currentText());
        afterSubartikelen(line);
    } else {
        SponningGevolg gevolg;
        previousArticle_ = rules.changeBewerking(line, row, screen_.bewerkingRij(n).keuze->currentText(), &gevolg);
        afterBewerkingen(line, gevolg);
    }
    updateRange(paneel);
}

void PanelEntry::subartikelConsequences(int line)
{
    screen_.rules().subartikelConsequences(line);
    afterSubartikelen(line);
}

void PanelEntry::afterSubartikelen(int line)
{
    showLine(line);
    if (screen_.appState().internalMode)
        screen_.orderEntryDesk().sillMacro(u'S', line, screen_.order().subartikelen().current());
}

void PanelEntry::bewerkingConsequences(int line)
{
    afterBewerkingen(line, screen_.rules().bewerkingConsequences(line));
}

void PanelEntry::afterBewerkingen(int line, const SponningGevolg& gevolg)
{
    if (gevolg.veldGewijzigd)
        showLine(line);
    if (gevolg.dialoogNodig && rebateDialog_ == SponningDialoog::Toegestaan)
        openSponningFor(line);
    if (screen_.appState().internalMode)
        screen_.orderEntryDesk().sillMacro(u'B', line, screen_.order().bewerkingen().current());
}

void PanelEntry::showLine(int line)
{
    const int r = screen_.order().lines().screenRowOf(line);
    if (r > 0)
        screen_.showLineInRow(r);
}

// ---------------------------------------------------------------- details

void PanelEntry::updateDetailTotal(int line)
{
    const QString text = screen_.rules().updateDetailTotal(line);
    const int r = screen_.order().lines().screenRowOf(line);
    if (r > 0) {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        setTextWhole(screen_.regelRij(r).aantal, text, screen_.regelRij(r).aantal->maxLength());
    }
}

void PanelEntry::leaveDetailAantal(int n)
{
    if (screen_.programmaticUpdate())
        return;
    storeDetailAantal(n);
}

void PanelEntry::storeDetailAantal(int n)
{
    const int line = currentLine();
    const bool aantalOntbreekt =
        screen_.rules().changeDetailAantal(line, screen_.order().details().rowAt(n), screen_.detailRij(n).aantal->text());
    updateRange(Paneel::Detail);
    updateDetailTotal(line);
    if (aantalOntbreekt) {
        screen_.platform().sound.beep();
        screen_.setStatusText(0, u8(Tekst::AantalVerplicht));
    } else {
        screen_.setStatusText(0, QString());
    }
}

void PanelEntry::leaveDetailMaat(int n)
{
    if (screen_.programmaticUpdate())
        return;
    storeDetailMaat(n, true);
}

void PanelEntry::enterFirstDetail(const QString& aantal, const QString& maat)
{
    if (screen_.order().details().top() != 1)
        scrollPanel(Paneel::Detail, 0);
    const TVonuOrderscherm::DetailRij& rij = screen_.detailRij(1);
    rij.aantal->setText(aantal);
    leaveDetailAantal(1);
    rij.maat->setText(maat);
    leaveDetailMaat(1);
}

void PanelEntry::storeDetailMaat(int n, bool focusBack)
{
    const int line = currentLine();
    const int row = screen_.order().details().rowAt(n);
    QLineEdit* field = screen_.detailRij(n).maat;
    const QString text = field->text();
    const SizeCheckResult check = screen_.rules().changeDetailMaat(line, row, text);
    if (text.isEmpty()) {
        updateDetailTotal(line);
        return;
    }
    if (check.beep)
        screen_.platform().sound.beep();
    screen_.setStatusText(0, check.status);
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        field->setText(check.size);
    }
    updateRange(Paneel::Detail);
    updateDetailTotal(line);
    if (focusBack && check.size == QLatin1String("0"))
        returnFocus(field);
}

void PanelEntry::returnFocus(QLineEdit* field)
{
    // After the focus has reached the field it was going to. That field is
    // left again at once, untouched: its exit must not clear the message
    // that tells why the size was refused.
    terugNaar_ = field;
    QTimer::singleShot(0, field, [this, field] {
        if (terugNaar_ == field)
            field->setFocus(Qt::OtherFocusReason);
        terugNaar_ = nullptr;
    });
}

// ------------------------------------------------------------ Enter routes

QWidget* PanelEntry::leaveTarget(Paneel paneel) const
{
    const OrderModel& order = screen_.order();
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(order.lines().currentScreenRow());
    if (paneel == Paneel::Subartikel && shown(rij.correctie))
        return rij.correctie;
    if (shown(screen_.details()))
        return screen_.detailRij(order.details().currentScreenRow()).aantal;
    return rij.aantal;
}

void PanelEntry::enterInPanelRow(Paneel paneel, int n)
{
    RowWindow& w = window(paneel);
    const auto keuze = [&](int k) {
        return paneel == Paneel::Subartikel ? screen_.subartikelRij(k).keuze : screen_.bewerkingRij(k).keuze;
    };
    if (keuze(w.currentScreenRow())->currentText().trimmed().isEmpty()) {
        if (QWidget* target = leaveTarget(paneel))
            target->setFocus(Qt::TabFocusReason);
        return;
    }
    if (n < TVonuOrderscherm::PanelRijen) {
        keuze(n + 1)->setFocus(Qt::TabFocusReason);
        return;
    }
    if (w.position() < w.maximum())
        scrollPanel(paneel, w.position() + 1);
}

void PanelEntry::leaveDetailsForNextLine()
{
    screen_.lineEntry().nextRow(screen_.order().lines().currentScreenRow());
}

void PanelEntry::enterInDetail(int n, bool maat)
{
    const TVonuOrderscherm::DetailRij& rij = screen_.detailRij(n);
    if ((maat ? rij.maat : rij.aantal)->text().isEmpty()) {
        leaveDetailsForNextLine();
        return;
    }
    if (!maat) {
        rij.maat->setFocus(Qt::TabFocusReason);
        return;
    }
    if (n < TVonuOrderscherm::DetailRijen) {
        screen_.detailRij(n + 1).aantal->setFocus(Qt::TabFocusReason);
        return;
    }
    // Leaving the size stores it (and may refuse it) before the rows move.
    rij.aantal->setFocus(Qt::TabFocusReason);
    const RowWindow& w = screen_.order().details();
    if (w.position() < w.maximum() && rij.maat->text() != QLatin1String("0"))
        scrollPanel(Paneel::Detail, w.position() + 1);
}

bool PanelEntry::handleKey(const Plek& p, QKeyEvent* key)
{
    if (p.paneel != Paneel::Detail) {
        if (!isEnter(key))
            return false;
        enterInPanelRow(p.paneel, p.n);
        return true;
    }
    if (isEnter(key)) {
        enterInDetail(p.n, p.maat);
        return true;
    }
    // The paste key goes on to the field's character filter.
    if (isPaste(key))
        return false;
    // Figures only; keys that type nothing (Backspace, arrows) pass.
    const QString t = key->text();
    if (t.size() != 1 || !t.at(0).isPrint())
        return false;
    const QChar c = t.at(0);
    return !(c >= u'0' && c <= u'9');
}

bool PanelEntry::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::FocusOut)
        return false;
    const auto it = plekken_.constFind(watched);
    if (it == plekken_.constEnd())
        return false;
    const Plek p = it.value();
    if (type == QEvent::KeyPress)
        return handleKey(p, static_cast<QKeyEvent*>(event));
    if (!isFieldExit(event) || screen_.programmaticUpdate())
        return false;
    if (terugNaar_ && watched != terugNaar_)
        return false;
    const OrderModel& order = screen_.order();
    const int line = currentLine();
    switch (p.paneel) {
    case Paneel::Subartikel: {
        const int row = order.subartikelen().rowAt(p.n);
        QComboBox* keuze = screen_.subartikelRij(p.n).keuze;
        if (!showsUnlisted(keuze) && keuze->currentText() != order.subartikel(line, row, 1))
            panelChanged(p.paneel, p.n);
        break;
    }
    case Paneel::Bewerking: {
        const int row = order.bewerkingen().rowAt(p.n);
        QComboBox* keuze = screen_.bewerkingRij(p.n).keuze;
        if (!showsUnlisted(keuze) && keuze->currentText() != order.bewerking(line, row, 1))
            panelChanged(p.paneel, p.n);
        break;
    }
    case Paneel::Detail:
        if (p.maat)
            leaveDetailMaat(p.n);
        else
            leaveDetailAantal(p.n);
        break;
    }
    return false;
}

// ------------------------------------------------------- buttons and dialogs

void PanelEntry::zoek(ZoekSoort soort)
{
    AppState* state = &screen_.appState();
    const int line = currentLine();
    // Both searches list what the line's article offers: without a catalog
    // article there is nothing to search.
    if (state->catalog.lookup(screen_.order().field(line, Veld::Artikel)).isNull())
        return;
    std::optional<QString> code;
    if (state->internalMode) {
        code = screen_.orderEntryDesk().searchPanelArticle(soort, line);
    } else {
        const CustomerArticleList& klant = screen_.orderFor().customerArticles();
        code = TVonuOrderZoekArtikelscherm::zoek(
            state->catalog, screen_.order().field(line, Veld::Artikel), soort,
            [&klant](const QString& c) { return klant.contains(c); }, &screen_);
    }
    if (code)
        plaats(soort, *code);
}

bool PanelEntry::plaats(ZoekSoort soort, const QString& code)
{
    const Paneel paneel = soort == ZoekSoort::Subartikel ? Paneel::Subartikel : Paneel::Bewerking;
    const PanelPlek plek = plekVoorKeuze(screen_.order(), currentLine(), soort);
    loadPanelRows(paneel);
    screen_.syncWindows();
    if (plek.schermRij == 0)
        return false;
    QComboBox* keuze = paneel == Paneel::Subartikel ? screen_.subartikelRij(plek.schermRij).keuze
                                                    : screen_.bewerkingRij(plek.schermRij).keuze;
    const int index = entryOf(keuze, code);
    if (index <= 0)
        return false;
    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        keuze->setCurrentIndex(index);
    }
    panelChanged(paneel, plek.schermRij);
    keuze->setFocus(Qt::OtherFocusReason);
    return true;
}

void PanelEntry::openNotities()
{
    const AppState* state = &screen_.appState();
    TVonuOrderNotitiescherm* notes = screen_.notitiescherm();
    if (!notes)
        return;
    using I = TVonuOrderNotitiescherm::Indeling;
    I indeling = I::Klant;
    if (state->internalMode) {
        // At the order desk the notes belong to a chosen debtor.
        if (screen_.ordervoor()->count() == 0)
            return;
        indeling = screen_.order().desk().klantbestand ? I::BaliMetNotities : I::Bali;
    }
    notes->toon(indeling);
    markNotitiesButton(screen_.notities(), *notes);
}

void PanelEntry::openLeveringsInformatie()
{
    TVonuOrderLeveringscherm::toon(screen_.appState().catalog, &screen_);
}

void PanelEntry::openOmschrijving(int r)
{
    // The standard texts are the order desk's library.
    TVonuOrderOmschrijvingscherm::StandaardOmschrijving library;
    if (screen_.appState().internalMode)
        library = [this] { return screen_.orderEntryDesk().standardDescription(); };
    TVonuOrderOmschrijvingscherm::bewerk(screen_.order(), screen_.order().lines().rowAt(r), screen_.platform(),
                                         library, &screen_);
}

void PanelEntry::openSponning(int r)
{
    const TVonuOrderscherm::RegelRij& rij = screen_.regelRij(r);
    const int line = screen_.order().lines().rowAt(r);
    // The dialog works on the line the panels show.
    if (line != currentLine())
        screen_.lineWindow().enterRow(r, rij.sponning);
    openSponningFor(line);
}

void PanelEntry::openSponningFor(int line)
{
    screen_.sponning().dialoog(screen_, line);
    // The dialog may have dropped a refused second rebate operation.
    loadPanelRows(Paneel::Bewerking);
    updateRange(Paneel::Bewerking);
}

void PanelEntry::openOnderdorpel(QWidget* control)
{
    if (!screen_.appState().internalMode || !control)
        return;
    bool sub = false;
    for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n)
        sub = sub || control == screen_.subartikelRij(n).keuze;
    const Paneel paneel = sub ? Paneel::Subartikel : Paneel::Bewerking;
    const RowWindow& w = window(paneel);
    QComboBox* keuze = sub ? screen_.subartikelRij(w.currentScreenRow()).keuze
                           : screen_.bewerkingRij(w.currentScreenRow()).keuze;
    previousArticle_ = keuze->currentText();
    screen_.orderEntryDesk().sillMacro(sub ? u'S' : u'B', currentLine(), w.current());
}

} // namespace vonu
