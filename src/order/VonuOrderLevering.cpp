#include "order/VonuOrderLevering.h"

#include "data/Catalog.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Algemene leveringsinformatie";
const char* const Ok = "&Ok";
} // namespace Tekst

constexpr int Breedte = 560;
constexpr int Hoogte = 400;

} // namespace

TVonuOrderLeveringscherm::TVonuOrderLeveringscherm(const QString& informatie, QWidget* parent)
    : QDialog(parent), memo_(new QPlainTextEdit(this)), ok_(new QPushButton(QString::fromUtf8(Tekst::Ok), this))
{
    setObjectName(QStringLiteral("VonuOrderLeveringscherm"));
    setWindowTitle(QString::fromUtf8(Tekst::Caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setReadOnly(true);
    memo_->setPlainText(informatie);
    memo_->setGeometry(5, 5, Breedte - 10, Hoogte - 45);
    ok_->setObjectName(QStringLiteral("Ok"));
    ok_->setGeometry((Breedte - 75) / 2, Hoogte - 33, 75, 25);
    // Escape closes through reject(), the same as Ok.
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(Breedte, Hoogte);
}

void TVonuOrderLeveringscherm::toon(const Catalog& catalog, QWidget* parent)
{
    TVonuOrderLeveringscherm screen(catalog.deliveryInformation(), parent);
    screen.exec();
}

} // namespace vonu
