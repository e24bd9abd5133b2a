#pragma once
// The customer-mode search for a sub-article or operation of the current
// line's article: a two-column list, the chosen code as the result.

#include "order/VonuOrderZoekArtikelRijen.h"

#include <QDialog>

#include <optional>

class QPushButton;
class QTableWidget;

namespace vonu {

class Catalog;

class TVonuOrderZoekArtikelscherm : public QDialog {
    Q_OBJECT
public:
    TVonuOrderZoekArtikelscherm(ZoekSoort soort, const std::vector<ZoekArtikelRij>& rijen,
                                QWidget* parent = nullptr);

    // The search for the article of a line's `Artikel` text: nothing when
    // the article is not in the catalog or the user cancels, else the code
    // of the chosen row.
    static std::optional<QString> zoek(const Catalog& catalog, const QString& lineArtikel, ZoekSoort soort,
                                       const InKlantLijst& inKlantLijst, QWidget* parent = nullptr);

    QTableWidget* artikelen() const { return artikelen_; }
    QPushButton* selecteren() const { return selecteren_; }
    QPushButton* annuleren() const { return annuleren_; }
    // The code of the current row once `Selecteren` was chosen.
    std::optional<QString> gekozen() const { return gekozen_; }

private:
    void selecteer();

    QTableWidget* artikelen_;
    QPushButton* selecteren_;
    QPushButton* annuleren_;
    std::optional<QString> gekozen_;
};

} // namespace vonu
