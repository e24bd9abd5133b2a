#include "order/VonuOrderZoekArtikel.h"
#include "base/Text.h"

#include "data/Catalog.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>

namespace vonu {

namespace {

namespace Tekst {
const char* const ZoekArtikel = "Zoek artikel ...";
const char* const ZoekBewerking = "Zoek bewerking ...";
const char* const KopArtikel = "Artikel";
const char* const KopBewerking = "Bewerking";
const char* const KopOmschrijving = "Omschrijving";
const char* const Selecteren = "&Selecteren";
const char* const Annuleren = "&Annuleren";
} // namespace Tekst

constexpr int CodeBreedte = 120;
constexpr int OmschrijvingBreedte = 565;
constexpr int KopHoogte = 17;
constexpr int Breedte = CodeBreedte + OmschrijvingBreedte + 30;

} // namespace

TVonuOrderZoekArtikelscherm::TVonuOrderZoekArtikelscherm(ZoekSoort soort, const std::vector<ZoekArtikelRij>& rijen,
                                                         QWidget* parent)
    : QDialog(parent), artikelen_(new QTableWidget(int(rijen.size()), 2, this)),
      selecteren_(new QPushButton(u8(Tekst::Selecteren), this)),
      annuleren_(new QPushButton(u8(Tekst::Annuleren), this))
{
    const bool sub = soort == ZoekSoort::Subartikel;
    setObjectName(QStringLiteral("VonuOrderZoekArtikelscherm"));
    setWindowTitle(u8(sub ? Tekst::ZoekArtikel : Tekst::ZoekBewerking));
    artikelen_->setObjectName(QStringLiteral("Artikelen"));
    artikelen_->setHorizontalHeaderLabels({u8(sub ? Tekst::KopArtikel : Tekst::KopBewerking), u8(Tekst::KopOmschrijving)});
    artikelen_->horizontalHeader()->setFixedHeight(KopHoogte);
    artikelen_->setColumnWidth(0, CodeBreedte);
    artikelen_->setColumnWidth(1, OmschrijvingBreedte);
    artikelen_->verticalHeader()->hide();
    artikelen_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    artikelen_->setSelectionBehavior(QAbstractItemView::SelectRows);
    artikelen_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int r = 0; r < int(rijen.size()); ++r) {
        artikelen_->setItem(r, 0, new QTableWidgetItem(rijen[std::size_t(r)].code));
        artikelen_->setItem(r, 1, new QTableWidgetItem(rijen[std::size_t(r)].omschrijving));
    }
    if (!rijen.empty())
        artikelen_->setCurrentCell(0, 0);
    artikelen_->setGeometry(8, 8, Breedte - 16, 300);

    selecteren_->setObjectName(QStringLiteral("Selecteren"));
    annuleren_->setObjectName(QStringLiteral("Annuleren"));
    // Enter anywhere in the screen selects.
    selecteren_->setDefault(true);
    selecteren_->setGeometry(Breedte - 8 - 2 * 85, 316, 80, 25);
    annuleren_->setGeometry(Breedte - 8 - 80, 316, 80, 25);
    connect(selecteren_, &QPushButton::clicked, this, &TVonuOrderZoekArtikelscherm::selecteer);
    connect(annuleren_, &QPushButton::clicked, this, &QDialog::reject);
    connect(artikelen_, &QTableWidget::cellDoubleClicked, this, &TVonuOrderZoekArtikelscherm::selecteer);
    setFixedSize(Breedte, 350);
}

void TVonuOrderZoekArtikelscherm::selecteer()
{
    const int row = artikelen_->currentRow();
    if (row < 0)
        return;
    gekozen_ = artikelen_->item(row, 0)->text();
    accept();
}

std::optional<QString> TVonuOrderZoekArtikelscherm::zoek(const Catalog& catalog, const QString& lineArtikel,
                                                         ZoekSoort soort, const InKlantLijst& inKlantLijst,
                                                         QWidget* parent)
{
    const TXMLArtikel artikel = catalog.article(Catalog::catalogCodeOf(lineArtikel));
    if (artikel.isNull())
        return std::nullopt;
    TVonuOrderZoekArtikelscherm screen(soort, zoekArtikelRijen(artikel, soort, inKlantLijst), parent);
    screen.exec();
    return screen.gekozen();
}

} // namespace vonu
