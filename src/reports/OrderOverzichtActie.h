#pragma once
// `Afdrukken` in customer mode: the order overview through the print seam
// (print dialog, then the printer or a PDF). Created once by the program
// beside the main screen; connects itself to the button.

#include "reports/VonuOrderRapport.h"

#include <QObject>

#include <functional>

namespace vonu {

class TVonuOrderscherm;
namespace report {
class IPrintTarget;
}

class OrderOverzichtActie : public QObject {
    Q_OBJECT
public:
    OrderOverzichtActie(TVonuOrderscherm& screen, report::IPrintTarget& target, QObject* parent = nullptr);

    // True when the overview was printed.
    bool afdrukken();

    // The header of the order on screen.
    OverviewHeader header() const;
    QString printFile() const;

private:
    TVonuOrderscherm& screen_;
    report::IPrintTarget& target_;
};

} // namespace vonu
