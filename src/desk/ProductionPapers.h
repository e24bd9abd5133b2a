#pragma once
// The production papers of a stored order, as the order desk's send and
// print actions ask for them once the order (or its print copy) is stored.

#include <QString>

namespace vonu {

class IProductionPapers {
public:
    virtual ~IProductionPapers() = default;
    // Fills and prints the production order of stored order `ordernummer`
    // and, when it holds entered or corrected sizes, its control copy.
    // Returns false when nothing was printed; the reason has been shown.
    virtual bool printProductionOrder(const QString& ordernummer) = 0;
};

} // namespace vonu
