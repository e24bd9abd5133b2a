#include "order/LineWindow.h"
#include "base/Text.h"

#include "data/AppState.h"
#include "data/Catalog.h"
#include "order/OrderForControl.h"
#include "order/RowView.h"
#include "widgets/RadioGroup.h"
#include "order/VonuOrder.h"
#include "order/VonuOrderAfbeelding.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>

#include <algorithm>

namespace vonu {

namespace {

namespace Tekst {
const char* const Orderregels = "&Orderregels";
const char* const Meeleveren = "&Meeleveren";
const char* const Bewerkingen = "&Bewerkingen";
const char* const Details = "&Details";
const char* const Standaardtekst = "Sta&ndaardtekst";
const char* const Onderdorpel = "Ond&erdorpel";
} // namespace Tekst

bool isEntry(const QEvent* e)
{
    const auto reason = static_cast<const QFocusEvent*>(e)->reason();
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

enum Panel { PanelRegels = 0, PanelSub = 1, PanelBew = 2, PanelDetail = 3 };

void fillList(QComboBox* box, const QStringList& entries)
{
    box->clear();
    box->addItems(entries);
    box->setCurrentIndex(box->count() > 0 ? 0 : -1);
}

} // namespace

LineWindow::LineWindow(TVonuOrderscherm& screen) : QObject(nullptr), screen_(screen)
{
    connect(screen_.orderregelPositie(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!screen_.programmaticUpdate())
            setPosition(value);
    });
    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
        screen_.regelRij(r).regel->installEventFilter(this);
    for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n) {
        for (QObject* o : {static_cast<QObject*>(screen_.subartikelRij(n).regel),
                           static_cast<QObject*>(screen_.subartikelRij(n).keuze),
                           static_cast<QObject*>(screen_.bewerkingRij(n).regel),
                           static_cast<QObject*>(screen_.bewerkingRij(n).keuze)})
            o->installEventFilter(this);
    }
    for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n)
        for (QObject* o : {static_cast<QObject*>(screen_.detailRij(n).regel),
                           static_cast<QObject*>(screen_.detailRij(n).aantal),
                           static_cast<QObject*>(screen_.detailRij(n).maat)})
            o->installEventFilter(this);
    // The panels' captions carry the accelerators of the menu entries.
    for (QGroupBox* box : {screen_.orderregels(), screen_.subartikelen(), screen_.bewerkingen(), screen_.details()})
        box->installEventFilter(this);

    connect(screen_.transactie(), &RadioGroup::clicked, this, [this] {
        if (lastActive_ && !lastActive_->isHidden())
            lastActive_->setFocus();
    });

    screen_.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&screen_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { menu()->popup(screen_.mapToGlobal(pos)); });
    auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), &screen_);
    connect(f5, &QShortcut::activated, this, [this] {
        if (screen_.appState().internalMode && screen_.referentie()->hasFocus())
            emit standaardtekstRequested();
    });
}

LineWindow::~LineWindow()
{
    hidePicture();
    delete menu_;
}

// ------------------------------------------------------------ current line

void LineWindow::enterRow(int r, QWidget* field)
{
    lastActive_ = field;
    setPosition(screen_.order().lines().rowAt(r) - 1);
}

void LineWindow::setPosition(int position)
{
    RowWindow& lines = screen_.order().lines();
    position = std::clamp(position, 0, lines.maximum());
    if (position == lines.position())
        return;
    // The panels belong to the line that stops being current.
    screen_.writeBackVisibleRows();
    const int moved = lines.moveTo(position);
    if (moved != 0)
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
            screen_.showLineInRow(r);
    applyCurrent();
}

bool LineWindow::stepDown()
{
    const RowWindow& lines = screen_.order().lines();
    if (lines.position() >= lines.maximum())
        return false;
    setPosition(lines.position() + 1);
    return true;
}

void LineWindow::updateRange()
{
    OrderModel& order = screen_.order();
    const int top = order.lines().top();
    const int current = order.lines().current();
    order.lines().setMaximum(order.lineScrollMaximum());
    if (order.lines().top() != top)
        for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r)
            screen_.showLineInRow(r);
    if (order.lines().current() != current) {
        applyCurrent();
        return;
    }
    QScrollBar* bar = screen_.orderregelPositie();
    const QSignalBlocker block(bar);
    bar->setRange(0, order.lines().maximum());
    bar->setValue(order.lines().position());
}

void LineWindow::applyCurrent()
{
    refillPanels();
}

void LineWindow::refillPanels()
{
    OrderModel& order = screen_.order();
    const int line = order.lines().current();
    const LineRules rules = screen_.rules();
    const QStringList subs = rules.subartikelChoices(line);
    const QStringList bews = rules.bewerkingChoices(line);

    {
        TVonuOrderscherm::UpdateGuard guard(screen_);
        RowWindow& sw = order.subartikelen();
        sw.reset();
        sw.setMaximum(order.subartikelScrollMaximum(line));
        RowWindow& bw = order.bewerkingen();
        bw.reset();
        bw.setMaximum(order.bewerkingScrollMaximum(line));
        for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n) {
            QComboBox* sub = screen_.subartikelRij(n).keuze;
            fillList(sub, subs);
            showStored(sub, order.subartikel(line, n, 1));
            QComboBox* bew = screen_.bewerkingRij(n).keuze;
            fillList(bew, bews);
            showStored(bew, order.bewerking(line, n, 1));
        }
        RowWindow& dw = order.details();
        dw.reset();
        dw.setMaximum(order.detailScrollMaximum(line));
        for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n) {
            setTextWhole(screen_.detailRij(n).aantal, order.detailAantal(line, n),
                         TVonuOrderscherm::DetailAantalLengte);
            setTextWhole(screen_.detailRij(n).maat, order.detailMaat(line, n), TVonuOrderscherm::DetailMaatLengte);
        }
        screen_.subartikelen()->setVisible(subs.size() > 1);
        screen_.bewerkingen()->setVisible(bews.size() > 1);
        screen_.details()->setVisible(order.flag(line, Vlag::Details));
        order.setFlag(line, Vlag::Subartikelen, subs.size() > 1);
        order.setFlag(line, Vlag::Bewerkingen, bews.size() > 1);
        const int r = order.lines().currentScreenRow();
        QLineEdit* aantal = screen_.regelRij(r).aantal;
        const bool details = order.flag(line, Vlag::Details);
        TVonuOrderscherm::setQuantityMode(aantal, details);
    }
    screen_.syncWindows();
}

void LineWindow::showDetails()
{
    screen_.details()->show();
}

void LineWindow::hideDetails()
{
    TVonuOrderscherm::UpdateGuard guard(screen_);
    for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n) {
        screen_.detailRij(n).aantal->clear();
        screen_.detailRij(n).maat->clear();
    }
    screen_.order().details().reset();
    screen_.details()->hide();
}

void LineWindow::enterPanelRow(int which, int n, QWidget* field)
{
    lastActive_ = field;
    OrderModel& order = screen_.order();
    RowWindow& w = which == PanelSub ? order.subartikelen() : which == PanelBew ? order.bewerkingen() : order.details();
    if (w.currentScreenRow() == n)
        return;
    // Within the shown rows only: moving the panel rows is the panel's own
    // scrolling.
    if (w.rowAt(n) - 1 <= w.maximum()) {
        w.moveTo(w.rowAt(n) - 1);
        screen_.syncWindows();
    }
}

void LineWindow::focusPanel(int which)
{
    const OrderModel& order = screen_.order();
    QWidget* target = nullptr;
    switch (which) {
    case PanelRegels:
        target = screen_.regelRij(order.lines().currentScreenRow()).artikel;
        break;
    case PanelSub:
        target = screen_.subartikelRij(order.subartikelen().currentScreenRow()).keuze;
        break;
    case PanelBew:
        target = screen_.bewerkingRij(order.bewerkingen().currentScreenRow()).keuze;
        break;
    default:
        target = screen_.detailRij(order.details().currentScreenRow()).aantal;
        break;
    }
    if (which != PanelRegels) {
        QWidget* panel = which == PanelSub ? screen_.subartikelen() : which == PanelBew ? screen_.bewerkingen()
                                                                                        : screen_.details();
        if (panel->isHidden())
            return;
    }
    target->setFocus(Qt::ShortcutFocusReason);
}

// ----------------------------------------------------------------- picture

QString LineWindow::pictureFolder() const
{
    const AppState* state = &screen_.appState();
    QString folder;
    if (state->internalMode) {
        QString p = state->desk.productAfbeelding.trimmed();
        p.replace(u'\\', u'/');
        folder = QDir::cleanPath(QDir(state->folder.path()).absoluteFilePath(p));
    } else {
        folder = state->folder.file(QStringLiteral("\\Afbeeldingen"));
    }
    return folder + u'/';
}

void LineWindow::showPicture(PictureKind kind, int n)
{
    hidePicture();
    const Catalog& catalog = screen_.appState().catalog;
    const OrderModel& order = screen_.order();
    QString name;
    if (kind == PictureKind::Regel) {
        name = catalog.lookup(order.field(order.lines().rowAt(n), Veld::Artikel)).ArtikelAfbeelding();
    } else if (const TXMLArtikel a = catalog.lookup(order.field(order.lines().current(), Veld::Artikel));
               !a.isNull()) {
        if (kind == PictureKind::Subartikel)
            name = Catalog::subartikelOf(a, screen_.subartikelRij(n).keuze->currentText()).SubartikelAfbeelding();
        else
            name = Catalog::bewerkingOf(a, screen_.bewerkingRij(n).keuze->currentText()).BewerkingAfbeelding();
    }
    picture_ = new TVonuOrderAfbeeldingscherm(&screen_);
    picture_->setFolder(pictureFolder());
    picture_->setWindowTitle(TVonuOrderAfbeeldingscherm::captionFor(name));
    picture_->showPicture();
}

TVonuOrderAfbeeldingscherm* LineWindow::pictureWindow() const
{
    return picture_.data();
}

void LineWindow::hidePicture()
{
    delete picture_.data();
}

// -------------------------------------------------------------------- menu

bool LineWindow::deskPanelRow(QWidget* control) const
{
    for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n)
        if (control == screen_.subartikelRij(n).keuze || control == screen_.bewerkingRij(n).keuze)
            return true;
    return false;
}

QMenu* LineWindow::menu()
{
    if (!menu_) {
        menu_ = new QMenu();
        auto add = [this](const char* text, const QKeySequence& keys, auto slot) {
            QAction* a = menu_->addAction(u8(text));
            // Shown in the menu only: the captions' accelerators and the
            // fields' own keys do the work on the screen.
            a->setShortcut(keys);
            a->setShortcutContext(Qt::WidgetShortcut);
            connect(a, &QAction::triggered, this, slot);
            return a;
        };
        orderregels_ = add(Tekst::Orderregels, QKeySequence(QStringLiteral("Alt+O")), [this] { focusPanel(PanelRegels); });
        meeleveren_ = add(Tekst::Meeleveren, QKeySequence(QStringLiteral("Alt+M")), [this] { focusPanel(PanelSub); });
        bewerkingen_ = add(Tekst::Bewerkingen, QKeySequence(QStringLiteral("Alt+B")), [this] { focusPanel(PanelBew); });
        details_ = add(Tekst::Details, QKeySequence(QStringLiteral("Alt+D")), [this] { focusPanel(PanelDetail); });
        standaardtekst_ = add(Tekst::Standaardtekst, QKeySequence(Qt::Key_F5), [this] { emit standaardtekstRequested(); });
        onderdorpel_ = add(Tekst::Onderdorpel, QKeySequence(Qt::Key_Tab), [this] { emit onderdorpelRequested(lastActive_); });
    }
    updateMenu();
    return menu_;
}

void LineWindow::updateMenu()
{
    const bool desk = screen_.appState().internalMode;
    meeleveren_->setEnabled(!screen_.subartikelen()->isHidden());
    bewerkingen_->setEnabled(!screen_.bewerkingen()->isHidden());
    details_->setEnabled(!screen_.details()->isHidden());
    standaardtekst_->setVisible(desk);
    standaardtekst_->setEnabled(desk && screen_.referentie()->hasFocus());
    onderdorpel_->setVisible(desk);
    onderdorpel_->setEnabled(desk && deskPanelRow(lastActive_));
}

// ------------------------------------------------------------------ events

bool LineWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Shortcut) {
        if (watched == screen_.orderregels())
            focusPanel(PanelRegels);
        else if (watched == screen_.subartikelen())
            focusPanel(PanelSub);
        else if (watched == screen_.bewerkingen())
            focusPanel(PanelBew);
        else if (watched == screen_.details())
            focusPanel(PanelDetail);
        else
            return false;
        return true;
    }
    if (type != QEvent::FocusIn && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
        type != QEvent::KeyPress)
        return false;

    for (int r = 1; r <= TVonuOrderscherm::RegelRijen; ++r) {
        if (watched != screen_.regelRij(r).regel)
            continue;
        if (type == QEvent::MouseButtonPress)
            showPicture(PictureKind::Regel, r);
        else if (type == QEvent::MouseButtonRelease)
            hidePicture();
        return false;
    }
    for (int n = 1; n <= TVonuOrderscherm::PanelRijen; ++n) {
        const struct {
            const TVonuOrderscherm::PanelRij& rij;
            int panel;
            PictureKind kind;
        } rows[] = {{screen_.subartikelRij(n), PanelSub, PictureKind::Subartikel},
                    {screen_.bewerkingRij(n), PanelBew, PictureKind::Bewerking}};
        for (const auto& row : rows) {
            if (watched != row.rij.regel && watched != row.rij.keuze)
                continue;
            if (type == QEvent::FocusIn && isEntry(event))
                enterPanelRow(row.panel, n, static_cast<QWidget*>(watched));
            else if (type == QEvent::MouseButtonPress && watched == row.rij.regel)
                showPicture(row.kind, n);
            else if (type == QEvent::MouseButtonRelease && watched == row.rij.regel)
                hidePicture();
            else if (type == QEvent::KeyPress && watched == row.rij.keuze) {
                auto* key = static_cast<QKeyEvent*>(event);
                if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier &&
                    screen_.appState().internalMode) {
                    lastActive_ = row.rij.keuze;
                    emit onderdorpelRequested(row.rij.keuze);
                    return true;
                }
            }
            return false;
        }
    }
    if (type == QEvent::FocusIn && isEntry(event))
        for (int n = 1; n <= TVonuOrderscherm::DetailRijen; ++n) {
            const TVonuOrderscherm::DetailRij& rij = screen_.detailRij(n);
            if (watched == rij.regel || watched == rij.aantal || watched == rij.maat) {
                enterPanelRow(PanelDetail, n, static_cast<QWidget*>(watched));
                return false;
            }
        }
    return false;
}

} // namespace vonu
