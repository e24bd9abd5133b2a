#include "files/VonuOrderArtikelnummerLegenda.h"

#include "base/Text.h"

#include <QEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vonu {

namespace {

namespace Tekst {
const char* const Caption = "Legenda adressen artikelnummers";
const char* const Adres = "Adres";
const char* const Verzendadres = "Verzendadres";
const char* const Ok = "&Ok";
} // namespace Tekst

} // namespace

TVonuOrderArtikelnummerLegendascherm::TVonuOrderArtikelnummerLegendascherm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TVonuOrderArtikelnummerLegendascherm"));
    setWindowTitle(u8(Tekst::Caption));
    verzendadressen_ = new QTableWidget(0, 2, this);
    verzendadressen_->setObjectName(QStringLiteral("Verzendadressen"));
    verzendadressen_->setHorizontalHeaderLabels({u8(Tekst::Adres), u8(Tekst::Verzendadres)});
    verzendadressen_->setColumnWidth(0, 35);
    verzendadressen_->setColumnWidth(1, 300);
    verzendadressen_->verticalHeader()->hide();
    verzendadressen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    verzendadressen_->setSelectionBehavior(QAbstractItemView::SelectRows);
    verzendadressen_->installEventFilter(this);
    ok_ = new QPushButton(u8(Tekst::Ok), this);
    ok_->setObjectName(QStringLiteral("Ok"));
    connect(ok_, &QPushButton::clicked, this, &QWidget::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(verzendadressen_);
    layout->addWidget(ok_, 0, Qt::AlignRight);
    resize(360, 220);
}

void TVonuOrderArtikelnummerLegendascherm::addAddress(const QString& code, const QString& searchName)
{
    const int row = verzendadressen_->rowCount();
    verzendadressen_->insertRow(row);
    verzendadressen_->setItem(row, 0, new QTableWidgetItem(code));
    verzendadressen_->setItem(row, 1, new QTableWidgetItem(searchName));
    verzendadressen_->setRowHeight(row, 17);
}

void TVonuOrderArtikelnummerLegendascherm::showLegend()
{
    if (verzendadressen_->rowCount() > 0)
        verzendadressen_->selectRow(0);
    show();
    raise();
    activateWindow();
}

void TVonuOrderArtikelnummerLegendascherm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        hide();
    QDialog::changeEvent(event);
}

bool TVonuOrderArtikelnummerLegendascherm::eventFilter(QObject* watched, QEvent* event)
{
    // Every typed key is ignored: the legend only shows.
    if (watched == verzendadressen_ && event->type() == QEvent::KeyPress)
        return true;
    return QDialog::eventFilter(watched, event);
}

} // namespace vonu
