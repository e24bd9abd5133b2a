#include "desk/VonuOrderEANInvoer.h"
#include "widgets/WidgetInput.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Invoer EAN-artikelcode";
const char* const Label = "EAN-artikelcode";
const char* const Annuleren = "Annuleren";
} // namespace Tekst

constexpr int Breedte = 250;
constexpr int Hoogte = 62;

} // namespace

TVonuOrderEANInvoerscherm::TVonuOrderEANInvoerscherm(const QString& voorvoegsel, QWidget* parent)
    : QDialog(parent), label_(new QLabel(QString::fromUtf8(Tekst::Label), this)), ean_(new QLineEdit(this))
{
    setObjectName(QStringLiteral("VonuOrderEANInvoerscherm"));
    setWindowTitle(QString::fromUtf8(Tekst::Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    label_->setObjectName(QStringLiteral("L_EAN"));
    label_->setAutoFillBackground(true);
    label_->setFrameShape(QFrame::Box);
    QPalette p = label_->palette();
    p.setColor(QPalette::Window, QColor(0xFF, 0xFF, 0xE0));
    label_->setPalette(p);
    label_->setGeometry(8, 8, 110, 21);

    ean_->setObjectName(QStringLiteral("EAN"));
    ean_->setMaxLength(MaxLengte);
    ean_->setText(voorvoegsel.left(MaxLengte));
    ean_->setGeometry(122, 8, 120, 21);
    ean_->installEventFilter(this);

    // The hidden menu entry: Escape cancels.
    auto* annuleren = new QAction(QString::fromUtf8(Tekst::Annuleren), this);
    annuleren->setObjectName(QStringLiteral("Annuleren1"));
    annuleren->setShortcut(QKeySequence(Qt::Key_Escape));
    annuleren->setShortcutContext(Qt::WindowShortcut);
    connect(annuleren, &QAction::triggered, this, &TVonuOrderEANInvoerscherm::annuleren);
    addAction(annuleren);

    setFixedSize(Breedte, Hoogte);
}

void TVonuOrderEANInvoerscherm::annuleren()
{
    ean_->setEnabled(false);
    reject();
}

bool TVonuOrderEANInvoerscherm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ean_) {
        if (event->type() == QEvent::FocusIn) {
            // Behind the prefix, ready for the product number; after the
            // line edit's own handling, which selects everything.
            QTimer::singleShot(0, ean_, [this] {
                ean_->deselect();
                ean_->end(false);
            });
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isEnter(key)) {
                accept();
                return true;
            }
            if (key->key() == Qt::Key_Escape) {
                annuleren();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<QString> TVonuOrderEANInvoerscherm::vraag(const QString& voorvoegsel, QWidget* parent)
{
    TVonuOrderEANInvoerscherm dialog(voorvoegsel, parent);
    // Only Enter enters the code: the close box cancels like Escape.
    if (dialog.exec() != QDialog::Accepted || !dialog.ean()->isEnabled())
        return std::nullopt;
    return dialog.ean()->text().trimmed();
}

} // namespace vonu
