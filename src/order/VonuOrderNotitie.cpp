#include "order/VonuOrderNotitie.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Notities";
const char* const Ok = "&Ok";
} // namespace Tekst

constexpr int Breedte = 520;
constexpr int MemoHoogte = 130;
constexpr int KnopBreedte = 75;
constexpr int KnopHoogte = 25;

} // namespace

TVonuOrderNotitiescherm::TVonuOrderNotitiescherm(QWidget* parent)
    : QDialog(parent), notities_(new QPlainTextEdit(this)), ob_(new QPlainTextEdit(this)),
      ok_(new QPushButton(QString::fromUtf8(Tekst::Ok), this))
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
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
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
}

} // namespace vonu
