#pragma once
// What the customer-mode search for a sub-article or operation lists, and
// where the chosen code lands in the panel of the current line.

#include "data/MorvekXML.h"

#include <QString>

#include <functional>
#include <vector>

namespace vonu {

class OrderModel;
class RowWindow;

enum class ZoekSoort { Subartikel, Bewerking };

struct ZoekArtikelRij {
    QString code;
    QString omschrijving;  // both description fields, trimmed, joined by a blank
};

// True when the customer article list holds the code.
using InKlantLijst = std::function<bool(const QString& code)>;

// One row per sub-article (operation) of the article, in catalog order:
// "K" only when the customer's list holds the code, "I" never (the search
// serves the customer mode), operations with ALT key "R" never.
std::vector<ZoekArtikelRij> zoekArtikelRijen(const TXMLArtikel& artikel, ZoekSoort soort,
                                             const InKlantLijst& inKlantLijst);

// Where a chosen code goes: the first empty visible row; when all visible
// rows are filled the window moves on until its last visible row is empty
// or shows the last table row.
struct PanelPlek {
    int schermRij = 0;  // 1..visible rows; 0 when the panel has no empty row left
    int tabelRij = 0;   // 1..table rows
    int verschoven = 0; // how many rows the window moved
};
// Moves `window` as needed and makes the target row current. The maximum
// is raised to `maximum` first (the panel's scroll range). A full table
// (its last row filled too) gives schermRij 0 and leaves the rows alone,
// so no chosen operation is overwritten.
PanelPlek plekVoorKeuze(RowWindow& window, int maximum, const std::function<bool(int row)>& gevuld);
// The same on the current line's sub-article or operation rows.
PanelPlek plekVoorKeuze(OrderModel& order, int line, ZoekSoort soort);

} // namespace vonu
