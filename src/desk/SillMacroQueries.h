#pragma once
// The statements of the sill macro configurator on the order database: the
// macros of an article per position, the proposal that gives the sill type,
// the window placement of the configurator, and the stored form of a
// configured row (OrderOnderdorpelmacro), which the order store writes.

#include "sill/SillMacroSource.h"

namespace vonu {

class DbSession;

class SillMacroQueries final : public ISillMacroQueries {
public:
    explicit SillMacroQueries(DbSession& db) : db_(db) {}

    std::optional<int> macroCount(const QString& article) override;
    std::optional<sill::SillProposal> proposal(const QString& article) override;
    std::optional<bool> inSimpleChoice(const QString& article, int position, const QString& macro) override;
    QList<SillMacroChoice> choices(const QString& article, int position, bool simpleOnly) override;
    std::optional<SillMacroDistances> distances(const QString& article, int position,
                                                const QString& macro) override;
    std::optional<SillWindowPlacement> readPlacement(const QString& screen) override;
    void writePlacement(const QString& screen, const SillWindowPlacement& placement) override;

    // One value of a configured row: type "B" with volgnummer 1..12 a macro
    // code, type "M" with 1..13 a dimension. `orderNumber` and `regelId` are
    // padded here (8 and 4 characters). A blank value writes nothing and
    // succeeds; false when the statement failed (already reported).
    bool insertSillMacroValue(const QString& orderNumber, const QString& regelId, const QString& type,
                              const QString& value, int volgnummer);
    // Everything stored for one production line, ordered by type and
    // number: what the sill sheet and the tests read back.
    struct StoredValue {
        QString type;
        int volgnummer = 0;
        QString waarde;
    };
    QList<StoredValue> storedValues(const QString& orderNumber, const QString& regelId);

private:
    DbSession& db_;
};

} // namespace vonu
