#pragma once
// What the sill macro configurator asks of the order database: the macros
// an article allows per position, the sill type its proposed macros give,
// and the saved window placement. The order desk provides the real one;
// tests may pass a fake.

#include "sill/SillConfiguration.h"

#include <QList>
#include <QString>

#include <optional>

namespace vonu {

// One macro offered at a position of an article.
struct SillMacroChoice {
    QString omschrijving;
    QString macro;
    std::optional<int> udk;
    std::optional<int> hoh;
    bool voorstel = false; // the proposed macro of the position
};

// UDK and HOH of one macro at one position.
struct SillMacroDistances {
    std::optional<int> udk;
    std::optional<int> hoh;
};

// A window placement as the database keeps it per user and screen.
struct SillWindowPlacement {
    int windowState = 0; // 0 normal, 1 minimised, 2 maximised
    int top = 0;
    int left = 0;
    int height = 0;
    int width = 0;
};

class ISillMacroQueries {
public:
    virtual ~ISillMacroQueries() = default;

    // The article's size-entry mark times its number of macros; 0 when the
    // article is unknown or is no machined sill, nullopt when the database
    // failed (the failure is reported by the implementation).
    virtual std::optional<int> macroCount(const QString& article) = 0;
    // The proposal of the article's macros (count, dimension fields, type).
    virtual std::optional<sill::SillProposal> proposal(const QString& article) = 0;
    // Whether the macro is offered in the simple choice; nullopt when the
    // article has no such macro at that position.
    virtual std::optional<bool> inSimpleChoice(const QString& article, int position,
                                               const QString& macro) = 0;
    // The macros of one position in their order of choice.
    virtual QList<SillMacroChoice> choices(const QString& article, int position, bool simpleOnly) = 0;
    virtual std::optional<SillMacroDistances> distances(const QString& article, int position,
                                                        const QString& macro) = 0;

    // The session user's saved placement of a screen; nullopt when none is
    // saved for this user.
    virtual std::optional<SillWindowPlacement> readPlacement(const QString& screen) = 0;
    virtual void writePlacement(const QString& screen, const SillWindowPlacement& placement) = 0;
};

} // namespace vonu
