#include "sill/VonuOrderOnderdorpelmacro.h"

#include "base/Platform.h"
#include "base/Text.h"
#include "data/AppState.h"
#include "order/OrderModel.h"
#include "order/PanelEntry.h"
#include "order/VonuOrder.h"
#include "widgets/WidgetInput.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStatusBar>

namespace vonu {

using namespace sill;

namespace {

namespace Scherm {
const char* const SpecialeDorpel = "Speciale dorpel";
const char* const Aantal = "Aantal";
const char* const Zaagmaat = "Zaagmaat";
const char* const Bewerking = "Bewerking ";
const char* const UDK = "UDK";
const char* const HOH = "HOH";
const char* const Maat = "Maat";
const char* const Ok = "&Ok";
const char* const Annuleren = "&Annuleren";
const char* const Waarschuwing = "Waarschuwing";
const char* const MacroBestand = "Macro-bestand '%1.Txt' niet gevonden!";
const char* const OK = "OK";
} // namespace Scherm

// Columns and lines of the dialog, in pixels. Position rows are a fixed
// pitch apart; a single position moves up into the header's line.
constexpr int Breedte = 590;
constexpr int VeldHoogte = 17;
constexpr int KopRegel = 8;    // production number, quantity, saw length
constexpr int KeuzeRegel = 36; // the simple/extended choice and the headings
constexpr int EersteRij = 64;  // top of position row 1
constexpr int LabelX = 8;
constexpr int KeuzeX = 92;
constexpr int KeuzeBreedte = 330;
constexpr int UdkX = 428;
constexpr int HohX = 472;
constexpr int WaardeBreedte = 40;
constexpr int MaatLabelX = 518;
constexpr int MaatX = 534;
constexpr int MaatBreedte = 46;
constexpr int KnopBreedte = 80;
constexpr int KnopHoogte = 25;
constexpr int StatusHoogte = 20;

// A production number names a macro file: upper case, and nothing that
// could lead the file check out of the macro folder.
class ProductienummerValidator final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        input = input.toUpper();
        static const QRegularExpression allowed(QStringLiteral("^[^\\\\/:*?\"<>|]*$"));
        return allowed.match(input).hasMatch() ? Acceptable : Invalid;
    }
};

QLabel* label(const char* text, QWidget* parent)
{
    auto* l = new QLabel(u8(text), parent);
    l->setAutoFillBackground(false);
    return l;
}

} // namespace

TVonuOrderOnderdorpelmacroscherm::TVonuOrderOnderdorpelmacroscherm(ISillMacroQueries& queries,
                                                                   IMessageDialog& messages, ISound& sound,
                                                                   QWidget* parent)
    : QDialog(parent), queries_(queries), messages_(messages), sound_(sound)
{
    setObjectName(QString::fromLatin1(SchermNaam));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    build();
}

void TVonuOrderOnderdorpelmacroscherm::build()
{
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    auto edit = [this, digits](const QString& name, int maxLength) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaxLength(maxLength);
        e->setValidator(digits);
        e->installEventFilter(this);
        return e;
    };

    lProductienummer_ = label(Scherm::SpecialeDorpel, this);
    lProductienummer_->setGeometry(LabelX, KopRegel, 84, VeldHoogte);
    productienummer_ = new QLineEdit(this);
    productienummer_->setObjectName(QStringLiteral("Productienummer"));
    productienummer_->setValidator(new ProductienummerValidator(productienummer_));
    productienummer_->setMaxLength(20);
    productienummer_->setFocusPolicy(Qt::ClickFocus); // no tab stop
    productienummer_->installEventFilter(this);
    productienummer_->setGeometry(KeuzeX, KopRegel, 110, VeldHoogte);

    lAantal_ = label(Scherm::Aantal, this);
    lAantal_->setGeometry(214, KopRegel, 40, VeldHoogte);
    aantal_ = edit(QStringLiteral("Aantal"), MaatLengte);
    aantal_->setGeometry(256, KopRegel, 46, VeldHoogte);
    lZaagmaat_ = label(Scherm::Zaagmaat, this);
    lZaagmaat_->setGeometry(312, KopRegel, 56, VeldHoogte);
    zaagmaat_ = edit(QStringLiteral("Zaagmaat"), MaatLengte);
    zaagmaat_->setGeometry(370, KopRegel, 52, VeldHoogte);

    bewerking_[0] = new QComboBox(this);
    bewerking_[0]->setObjectName(QStringLiteral("Bewerking0"));
    bewerking_[0]->addItems({u8(sill::Tekst::Eenvoudig), u8(sill::Tekst::Uitgebreid)});
    bewerking_[0]->setCurrentIndex(-1);
    bewerking_[0]->installEventFilter(this);
    connect(bewerking_[0], &QComboBox::currentIndexChanged, this, [this] {
        if (updating_ == 0)
            bewerking0Change();
    });
    lUDK_ = label(Scherm::UDK, this);
    lHOH_ = label(Scherm::HOH, this);
    lMaatKop_ = label(Scherm::Maat, this);

    for (int k = 1; k <= Posities; ++k)
        buildRow(k);
    for (int j = 1; j <= Maten; ++j) {
        maat_[std::size_t(j - 1)] = edit(QStringLiteral("Maat") + QString::number(j), MaatLengte);
        auto* l = new QLabel(designMaatLabel(j), this);
        l->setObjectName(QStringLiteral("L_Maat") + QString::number(j));
        lMaat_[std::size_t(j - 1)] = l;
    }

    ok_ = new QPushButton(u8(Scherm::Ok), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setAutoDefault(false);
    connect(ok_, &QPushButton::clicked, this, &TVonuOrderOnderdorpelmacroscherm::okClick);
    annuleren_ = new QPushButton(u8(Scherm::Annuleren), this);
    annuleren_->setObjectName(QStringLiteral("Annuleren"));
    annuleren_->setAutoDefault(false);
    connect(annuleren_, &QPushButton::clicked, this, &TVonuOrderOnderdorpelmacroscherm::annulerenClick);
    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);

    // The design tab order.
    QList<QWidget*> order{productienummer_, aantal_, zaagmaat_};
    for (QLineEdit* m : maat_)
        order << m;
    for (QComboBox* b : bewerking_)
        order << b;
    order << ok_ << annuleren_;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TVonuOrderOnderdorpelmacroscherm::buildRow(int k)
{
    const QString n = QString::number(k);
    auto* kop = new QLabel(u8(Scherm::Bewerking) + n, this);
    kop->setObjectName(QStringLiteral("L_Bewerking") + n);
    kop->setFrameShape(QFrame::Panel);
    kop->setFrameShadow(QFrame::Raised);
    lBewerking_[std::size_t(k - 1)] = kop;
    auto* combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("Bewerking") + n);
    combo->installEventFilter(this);
    connect(combo, &QComboBox::currentIndexChanged, this, [this, k] {
        if (updating_ == 0)
            bewerkingChange(k);
    });
    bewerking_[std::size_t(k)] = combo;
    for (auto* boxes : {&udk_, &hoh_}) {
        auto* e = new QLineEdit(this);
        e->setObjectName((boxes == &udk_ ? QStringLiteral("UDK") : QStringLiteral("HOH")) + n);
        e->setReadOnly(true);
        e->setFocusPolicy(Qt::NoFocus);
        (*boxes)[std::size_t(k - 1)] = e;
    }
}

// ------------------------------------------------------------ filling

void TVonuOrderOnderdorpelmacroscherm::plaats(const std::optional<SillWindowPlacement>& placement)
{
    if (!placement)
        return;
    if (placement->windowState == 2) {
        setWindowState(Qt::WindowMaximized);
    } else if (placement->windowState == 1) {
        setWindowState(Qt::WindowMinimized);
    } else {
        setWindowState(Qt::WindowNoState);
        move(placement->left, placement->top);
    }
}

void TVonuOrderOnderdorpelmacroscherm::laad(const SillMacroRequest& request)
{
    request_ = request;
    config_ = SillConfiguration(queries_.proposal(request.article).value_or(SillProposal{}));
    ++updating_;
    zaagmaat_->setMaxLength(std::clamp(request.zaagmaatLengte, 1, MaatLengte));
    aantal_->setText(request.aantal);
    zaagmaat_->setText(request.zaagmaat);
    productienummer_->setText(request.productienummer);
    bewerking_[0]->setCurrentIndex(-1);
    for (int k = 1; k <= Posities; ++k) {
        QComboBox* combo = bewerking_[std::size_t(k)];
        combo->clear();
        if (request.restore)
            combo->addItem(QString(MacroTekstBreedte, u' ') + request.restore->macros[std::size_t(k - 1)]);
        // Only shown positions keep the stored macro selected.
        combo->setCurrentIndex(request.restore && config_.positionShown(k) ? 0 : -1);
        udk(k)->clear();
        hoh(k)->clear();
    }
    for (int j = 1; j <= Maten; ++j)
        maat(j)->setText(request.restore ? request.restore->maten[std::size_t(j - 1)] : QString());
    --updating_;

    const bool kop = config_.headerFieldsShown();
    for (QWidget* w : std::initializer_list<QWidget*>{lProductienummer_, productienummer_, lAantal_, aantal_,
                                                      lZaagmaat_, zaagmaat_})
        w->setVisible(kop);
    for (int k = 1; k <= Posities; ++k) {
        const bool shown = config_.positionShown(k);
        for (QWidget* w : std::initializer_list<QWidget*>{lBewerking(k), bewerking(k), udk(k), hoh(k)})
            w->setVisible(shown);
    }
    for (int j = 1; j <= Maten; ++j) {
        maat(j)->setVisible(config_.maatShown(j));
        lMaat(j)->setVisible(config_.maatShown(j));
        lMaat(j)->setText(config_.maatLabel(j));
    }
    setWindowTitle(config_.title() + u' ' + QString::number(request.line) + u'/' + request.kind +
                   QString::number(request.row));
    for (QLabel* l : {lAantal_, lZaagmaat_, lUDK_, lMaatKop_})
        setRed(l, false);
    aantalRood_ = zaagmaatRood_ = false;

    bewerking0Change();
    layOut();
}

void TVonuOrderOnderdorpelmacroscherm::layOut()
{
    const bool single = config_.single();
    const int keuzeTop = single ? KopRegel : KeuzeRegel;
    const int origin = single ? KeuzeRegel : EersteRij;
    bewerking_[0]->setGeometry(KeuzeX, keuzeTop, 160, VeldHoogte + 4);
    lUDK_->setGeometry(UdkX, keuzeTop, WaardeBreedte, VeldHoogte);
    lHOH_->setGeometry(HohX, keuzeTop, WaardeBreedte, VeldHoogte);
    lMaatKop_->setGeometry(MaatLabelX, keuzeTop, MaatBreedte + 16, VeldHoogte);
    for (int k = 1; k <= Posities; ++k) {
        const int top = origin + config_.rowTop(k);
        lBewerking(k)->setGeometry(LabelX, top, KeuzeX - LabelX - 4, VeldHoogte);
        bewerking(k)->setGeometry(KeuzeX, top, KeuzeBreedte, VeldHoogte);
        udk(k)->setGeometry(UdkX, top, WaardeBreedte, VeldHoogte);
        hoh(k)->setGeometry(HohX, top, WaardeBreedte, VeldHoogte);
    }
    const std::array<int, Maten> tops = config_.maatTops(invoer());
    for (int j = 1; j <= Maten; ++j) {
        const int top = origin + tops[std::size_t(j - 1)];
        lMaat(j)->setGeometry(MaatLabelX, top, MaatX - MaatLabelX, VeldHoogte);
        maat(j)->setGeometry(MaatX, top, MaatBreedte, VeldHoogte);
    }
    const int knoppen = origin + config_.buttonsTop();
    ok_->setGeometry(Breedte - 2 * KnopBreedte - 16, knoppen, KnopBreedte, KnopHoogte);
    annuleren_->setGeometry(Breedte - KnopBreedte - 8, knoppen, KnopBreedte, KnopHoogte);
    const int hoogte = knoppen + HoogteToeslag;
    statusBar_->setGeometry(0, hoogte - StatusHoogte, Breedte, StatusHoogte);
    setFixedSize(Breedte, hoogte);
}

void TVonuOrderOnderdorpelmacroscherm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The first tab stop that is shown.
    QWidget* first = config_.headerFieldsShown() ? static_cast<QWidget*>(aantal_)
                     : config_.maatShown(1)      ? static_cast<QWidget*>(maat(1))
                                                 : static_cast<QWidget*>(bewerking_[0]);
    first->setFocus(Qt::OtherFocusReason);
}

// ------------------------------------------------------------ values

QString TVonuOrderOnderdorpelmacroscherm::macroCode(int k) const
{
    return macroCodeOf(bewerking_[std::size_t(k)]->currentText());
}

SillEntry TVonuOrderOnderdorpelmacroscherm::invoer() const
{
    SillEntry e;
    e.productienummer = productienummer_->text();
    e.aantal = aantal_->text();
    e.zaagmaat = zaagmaat_->text();
    for (int k = 1; k <= Posities; ++k) {
        e.udk[std::size_t(k - 1)] = udk(k)->text();
        e.hoh[std::size_t(k - 1)] = hoh(k)->text();
    }
    for (int j = 1; j <= Maten; ++j)
        e.maat(j) = maat(j)->text();
    return e;
}

SillValues TVonuOrderOnderdorpelmacroscherm::waarden() const
{
    SillValues v;
    v.productienummer = productienummer_->text();
    for (int k = 1; k <= Posities; ++k)
        v.macros[std::size_t(k - 1)] = macroCode(k);
    for (int j = 1; j <= Maten; ++j)
        v.maten[std::size_t(j - 1)] = maat(j)->text();
    v.configured = true;
    return v;
}

bool TVonuOrderOnderdorpelmacroscherm::bevestigd() const
{
    return !ok_->isEnabled();
}

QString TVonuOrderOnderdorpelmacroscherm::statusText() const
{
    return statusBar_->currentMessage();
}

// ------------------------------------------------------------ choices

bool TVonuOrderOnderdorpelmacroscherm::extendedInUse() const
{
    for (int k = 1; k <= config_.positionsShown(); ++k) {
        const QString code = macroCode(k).trimmed();
        if (code.isEmpty())
            continue;
        const std::optional<bool> simple = queries_.inSimpleChoice(request_.article, k, code);
        if (simple && !*simple)
            return true;
    }
    return false;
}

void TVonuOrderOnderdorpelmacroscherm::bewerking0Change()
{
    const int x = extendedInUse() ? 1 : 0;
    QComboBox* keuze = bewerking_[0];
    ++updating_;
    if (keuze->currentIndex() < 0) {
        keuze->setCurrentIndex(x);
    } else if (keuze->currentIndex() < x) {
        beepAndTell(u8(sill::Tekst::AlleenUitgebreid));
        keuze->setCurrentIndex(x);
    }
    --updating_;
    refreshChoices();
}

void TVonuOrderOnderdorpelmacroscherm::refreshChoices()
{
    const bool simple = bewerking_[0]->currentText() == u8(sill::Tekst::Eenvoudig);
    ++updating_;
    for (int k = 1; k <= config_.positionsShown(); ++k) {
        QComboBox* combo = bewerking(k);
        const QString current = macroCode(k).trimmed();
        combo->clear();
        int selected = -1;
        const QList<SillMacroChoice> list = queries_.choices(request_.article, k, simple);
        for (int i = 0; i < list.size(); ++i) {
            const SillMacroChoice& c = list[i];
            combo->addItem(macroItemText(c.omschrijving, c.macro));
            if (c.macro.trimmed() == current || (current.isEmpty() && c.voorstel)) {
                selected = i;
                setDistances(k, c.udk, c.hoh);
            }
        }
        combo->setCurrentIndex(selected);
    }
    --updating_;
}

void TVonuOrderOnderdorpelmacroscherm::bewerkingChange(int k)
{
    const std::optional<SillMacroDistances> d = queries_.distances(request_.article, k, macroCode(k));
    setDistances(k, d ? d->udk : std::nullopt, d ? d->hoh : std::nullopt);
}

void TVonuOrderOnderdorpelmacroscherm::setDistances(int k, std::optional<int> u, std::optional<int> h)
{
    udk(k)->setText(u ? QString::number(*u) : QString());
    hoh(k)->setText(h ? QString::number(*h) : QString());
}

// ------------------------------------------------------------ checks

void TVonuOrderOnderdorpelmacroscherm::setRed(QLabel* l, bool red)
{
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, red ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    l->setPalette(p);
}

void TVonuOrderOnderdorpelmacroscherm::beepAndTell(const QString& text)
{
    sound_.beep();
    statusBar_->showMessage(text);
}

void TVonuOrderOnderdorpelmacroscherm::aantalExit()
{
    aantalRood_ = quantityRefused(aantal_->text());
    setRed(lAantal_, aantalRood_);
    if (aantalRood_)
        beepAndTell(u8(sill::Tekst::AantalVerplicht));
    else
        statusBar_->clearMessage();
}

void TVonuOrderOnderdorpelmacroscherm::zaagmaatExit()
{
    zaagmaatRood_ = config_.lengthRefused(invoer());
    for (QLabel* l : {lZaagmaat_, lUDK_, lMaatKop_})
        setRed(l, zaagmaatRood_);
}

void TVonuOrderOnderdorpelmacroscherm::okClick()
{
    const SillField from = fieldOf(focusWidget());
    // The exit check of the field that had the focus, then the focus to Ok
    // without running it a second time.
    leave(from);
    exitsHandled_ = true;
    ok_->setFocus(Qt::OtherFocusReason);
    exitsHandled_ = false;
    // The saw length is checked even when its field was never left: an
    // unchecked length must not pass for a checked one.
    zaagmaatExit();
    if (config_.headerFieldsShown() &&
        (aantal_->text().trimmed().isEmpty() || aantalRood_ || quantityRefused(aantal_->text()))) {
        beepAndTell(u8(sill::Tekst::AantalVerplicht));
        aantal_->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (config_.headerFieldsShown() && zaagmaatRood_) {
        beepAndTell(u8(sill::Tekst::ZaagmaatFout));
        zaagmaat_->setFocus(Qt::OtherFocusReason);
        return;
    }
    statusBar_->clearMessage();
    ok_->setEnabled(false);
    accept();
}

void TVonuOrderOnderdorpelmacroscherm::annulerenClick()
{
    reject();
}

void TVonuOrderOnderdorpelmacroscherm::done(int result)
{
    if (!closed_) {
        closed_ = true;
        SillWindowPlacement p;
        p.windowState = isMaximized() ? 2 : isMinimized() ? 1 : 0;
        p.top = pos().y();
        p.left = pos().x();
        p.height = height();
        p.width = width();
        queries_.writePlacement(QString::fromLatin1(SchermNaam), p);
    }
    QDialog::done(result);
}

// ------------------------------------------------------------ keys and focus

SillField TVonuOrderOnderdorpelmacroscherm::fieldOf(const QObject* w) const
{
    if (!w)
        return {};
    if (w == productienummer_)
        return {SillField::Productienummer, 0};
    if (w == aantal_)
        return {SillField::Aantal, 0};
    if (w == zaagmaat_)
        return {SillField::Zaagmaat, 0};
    for (int k = 0; k <= Posities; ++k) {
        if (w == bewerking_[std::size_t(k)])
            return {SillField::Bewerking, k};
    }
    for (int j = 1; j <= Maten; ++j) {
        if (w == maat(j))
            return {SillField::Maat, j};
    }
    return {};
}

QWidget* TVonuOrderOnderdorpelmacroscherm::widgetOf(const SillField& f) const
{
    switch (f.kind) {
    case SillField::Productienummer:
        return productienummer_;
    case SillField::Aantal:
        return aantal_;
    case SillField::Zaagmaat:
        return zaagmaat_;
    case SillField::Bewerking:
        return f.n >= 0 && f.n <= Posities ? bewerking_[std::size_t(f.n)] : nullptr;
    case SillField::Maat:
        return f.n >= 1 && f.n <= Maten ? maat(f.n) : nullptr;
    default:
        return nullptr;
    }
}

void TVonuOrderOnderdorpelmacroscherm::focusField(const SillField& f)
{
    if (QWidget* w = widgetOf(f))
        w->setFocus(Qt::TabFocusReason);
}

void TVonuOrderOnderdorpelmacroscherm::leave(const SillField& f)
{
    switch (f.kind) {
    case SillField::Aantal:
        aantalExit();
        break;
    case SillField::Zaagmaat:
    case SillField::Maat:
        zaagmaatExit();
        break;
    case SillField::Bewerking:
        if (f.n >= 1)
            zaagmaatExit();
        break;
    default:
        break;
    }
}

bool TVonuOrderOnderdorpelmacroscherm::eventFilter(QObject* watched, QEvent* event)
{
    const SillField f = fieldOf(watched);
    if (f.kind != SillField::Geen) {
        if (event->type() == QEvent::KeyPress)
            return keyPress(f, static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::FocusOut && !exitsHandled_) {
            // Opening a list or another window is no leaving of the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
                leave(f);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TVonuOrderOnderdorpelmacroscherm::keyPress(const SillField& f, QKeyEvent* key)
{
    if (isEnter(key)) {
        enter(f);
        return true;
    }
    const bool edit = f.kind != SillField::Bewerking;
    if (edit && key->modifiers() == Qt::NoModifier &&
        (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        if (key->key() == Qt::Key_Up)
            up1Click();
        else
            down1Click();
        return true;
    }
    return false;
}

void TVonuOrderOnderdorpelmacroscherm::enter(const SillField& f)
{
    if (f.kind == SillField::Productienummer) {
        productienummerEnter();
        return;
    }
    const EnterStep step = config_.enter(f, invoer());
    switch (step.action) {
    case EnterStep::Focus:
        focusField(step.target);
        break;
    case EnterStep::Confirm:
        if (step.fillField > 0)
            maat(step.fillField)->setText(step.fill);
        okClick();
        break;
    case EnterStep::Stay:
        break;
    }
}

void TVonuOrderOnderdorpelmacroscherm::productienummerEnter()
{
    const QString number = productienummer_->text().trimmed();
    if (!number.isEmpty()) {
        const QString file = QDir(request_.macroFolder).filePath(number + QStringLiteral(".Txt"));
        if (request_.macroFolder.isEmpty() || !QFileInfo(file).isFile())
            showMessage(messages_, u8(Scherm::Waarschuwing), {u8(Scherm::MacroBestand).arg(number)},
                        {u8(Scherm::OK)});
    }
    focusField({SillField::Aantal, 0});
}

void TVonuOrderOnderdorpelmacroscherm::up1Click()
{
    focusField(config_.arrow(fieldOf(focusWidget()), true));
}

void TVonuOrderOnderdorpelmacroscherm::down1Click()
{
    focusField(config_.arrow(fieldOf(focusWidget()), false));
}

// ------------------------------------------------------------ opening

namespace {

// The macro folder setting: written for the platform the settings come
// from; a relative folder is taken from the working folder.
QString macroFolder(const TVonuOrderscherm& screen)
{
    QString setting = screen.appState().desk.onderdorpelPre.trimmed();
    if (setting.isEmpty())
        return {};
    setting.replace(u'\\', u'/');
    const QString base = screen.appState().folder.path();
    return QDir::cleanPath(QDir(base).absoluteFilePath(setting));
}

} // namespace

void openSillMacroDialog(TVonuOrderscherm& screen, ISillMacroQueries& queries, QChar kind, int line, int row)
{
    PanelEntry& panels = screen.panelEntry();
    OrderModel& order = screen.order();
    const QString article =
        (kind == u'S' ? order.subartikel(line, row, 1) : order.bewerking(line, row, 1)).trimmed();
    const std::optional<int> count = article.isEmpty() ? std::optional<int>() : queries.macroCount(article);
    if (count && *count > 0) {
        SillMacroRequest request;
        request.kind = kind;
        request.line = line;
        request.row = row;
        request.article = article;
        request.aantal = order.detailAantal(line, 1);
        request.zaagmaat = order.detailMaat(line, 1);
        request.productienummer = readSillValues(order, kind, line, row).productienummer;
        if (article == panels.previousArticle().trimmed())
            request.restore = readSillValues(order, kind, line, row);
        request.macroFolder = macroFolder(screen);
        request.zaagmaatLengte = TVonuOrderscherm::DetailMaatLengte;

        QWidget* before = QApplication::focusWidget();
        bool confirmed = false;
        SillValues values;
        QString aantal;
        QString zaagmaat;
        {
            TVonuOrderOnderdorpelmacroscherm dialog(queries, screen.platform().messages, screen.platform().sound, &screen);
            dialog.plaats(
                queries.readPlacement(QString::fromLatin1(TVonuOrderOnderdorpelmacroscherm::SchermNaam)));
            dialog.laad(request);
            dialog.exec();
            confirmed = dialog.bevestigd();
            values = dialog.waarden();
            aantal = dialog.aantal()->text();
            zaagmaat = dialog.zaagmaat()->text();
        }
        if (confirmed) {
            panels.enterFirstDetail(aantal, zaagmaat);
            if (before)
                before->setFocus(Qt::OtherFocusReason);
            panels.updateDetailTotal(line);
            writeSillValues(order, kind, line, row, values);
        }
    }
    panels.setPreviousArticle(QString());
}

} // namespace vonu
