#pragma once
// The statements of the sill macro configurator on the order database: the
// macros of an article per position, the proposal that gives the sill type,
// and the window placement of the configurator. The order store writes what
// the configurator produces (OrderOnderdorpelmacro).

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

private:
    DbSession& db_;
};

} // namespace vonu
