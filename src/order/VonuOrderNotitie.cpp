#include "order/VonuOrderNotitie.h"

#include "widgets/ButtonKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Notities";
const char* const Ok = "&Ok";
const char* const Standaardtekst = "Standaard&tekst";
} // namespace Tekst

constexpr int Breedte = 520;
constexpr int MemoHoogte = 130;
constexpr int KnopBreedte = 75;
constexpr int KnopHoogte = 25;

} // namespace

TVonuOrderNotitiescherm::TVonuOrderNotitiescherm(QWidget* parent)
    : QDialog(parent), notities_(new QPlainTextEdit(this)), ob_(new QPlainTextEdit(this)),
      ok_(new QPushButton(QString::fromUtf8(Tekst::Ok), this)),
      standaardtekst_(new QAction(QString::fromUtf8(Tekst::Standaardtekst), this))
{
    setObjectName(QStringLiteral("VonuOrderNotitiescherm"));
    setWindowTitle(QString::fromUtf8(Tekst::Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    notities_->setObjectName(QStringLiteral("Notities"));
    ob_->setObjectName(QStringLiteral("OB"));
    ok_->setObjectName(QStringLiteral("Ok"));
    // Escape reaches reject(), which hides the screen just as Ok does.
    ok_->setDefault(false);
    ok_->setAutoDefault(false);
    clickOnEnter(ok_);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    for (QPlainTextEdit* memo : {notities_, ob_}) {
        memo->installEventFilter(this);
        memo->setContextMenuPolicy(Qt::ActionsContextMenu);
        memo->addAction(standaardtekst_);
    }
    standaardtekst_->setShortcut(Qt::Key_F5);
    standaardtekst_->setShortcutContext(Qt::WindowShortcut);
    connect(standaardtekst_, &QAction::triggered, this, &TVonuOrderNotitiescherm::kiesStandaardtekst);
    addAction(standaardtekst_);
    arrange(Indeling::Klant);
}

QString TVonuOrderNotitiescherm::notitiesText() const
{
    return notities_->toPlainText();
}

QString TVonuOrderNotitiescherm::obText() const
{
    return ob_->toPlainText();
}

void TVonuOrderNotitiescherm::clearTexts()
{
    notities_->clear();
    ob_->clear();
}

bool TVonuOrderNotitiescherm::hasText() const
{
    return !notitiesText().trimmed().isEmpty() || !obText().trimmed().isEmpty();
}

void TVonuOrderNotitiescherm::arrange(Indeling indeling)
{
    const int memoWidth = Breedte - 10;
    int height = 225;
    int okTop = 145;
    switch (indeling) {
    case Indeling::Klant:
        notities_->setGeometry(5, 5, memoWidth, MemoHoogte);
        notities_->setReadOnly(false);
        notities_->show();
        ob_->hide();
        break;
    case Indeling::BaliMetNotities:
        notities_->setGeometry(5, 5, memoWidth, MemoHoogte);
        notities_->setReadOnly(true);
        notities_->show();
        ob_->setGeometry(5, 140, memoWidth, MemoHoogte);
        ob_->show();
        height = 360;
        okTop = 280;
        break;
    case Indeling::Bali:
        notities_->setReadOnly(false);
        notities_->hide();
        ob_->setGeometry(5, 5, memoWidth, MemoHoogte);
        ob_->show();
        break;
    }
    ok_->setGeometry((Breedte - KnopBreedte) / 2, okTop, KnopBreedte, KnopHoogte);
    setFixedSize(Breedte, height);
    updateStandaardtekst();
}

void TVonuOrderNotitiescherm::toon(Indeling indeling)
{
    arrange(indeling);
    exec();
}

void TVonuOrderNotitiescherm::setStandaardtekst(StandaardBevestiging bron)
{
    bron_ = std::move(bron);
    updateStandaardtekst();
}

void TVonuOrderNotitiescherm::updateStandaardtekst()
{
    // The library only fills the confirmation remark.
    const bool offered = bool(bron_) && !ob_->isHidden();
    standaardtekst_->setVisible(offered);
    standaardtekst_->setEnabled(offered);
}

void TVonuOrderNotitiescherm::kiesStandaardtekst()
{
    if (!bron_ || ob_->isHidden())
        return;
    if (const std::optional<QString> tekst = bron_())
        ob_->setPlainText(obText() + QLatin1Char(' ') + *tekst);
    ob_->setFocus(Qt::OtherFocusReason);
    ob_->moveCursor(QTextCursor::End);
}

void TVonuOrderNotitiescherm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QPlainTextEdit* memo = ob_->isHidden() ? notities_ : ob_;
    memo->setFocus(Qt::ActiveWindowFocusReason);
    memo->moveCursor(QTextCursor::End);
}

void TVonuOrderNotitiescherm::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    emit verborgen();
}

bool TVonuOrderNotitiescherm::eventFilter(QObject* watched, QEvent* event)
{
    auto* memo = qobject_cast<QPlainTextEdit*>(watched);
    if (memo && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Each text is typed as one line: Enter closes the screen.
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    } else if (memo && event->type() == QEvent::FocusIn) {
        memo->moveCursor(QTextCursor::End);
    }
    return QDialog::eventFilter(watched, event);
}

void markNotitiesButton(QPushButton* button, const TVonuOrderNotitiescherm& screen)
{
    if (!button)
        return;
    QFont f = button->font();
    f.setBold(screen.hasText());
    button->setFont(f);
}

} // namespace vonu
