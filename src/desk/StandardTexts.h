#pragma once
// The library of standard texts (Standaardtekst): per kind the lines an
// operator can pick for delivery and production texts, references, remarks
// and descriptions; read, added, changed and removed from the list screen.

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace vonu {

class DbSession;

struct StandardText {
    int tekst = 0;
    QChar type;
    std::array<QString, 3> productie;
    std::array<QString, 5> aflever;
    QString referentie2;
    QString bevestiging;
    std::array<QString, 3> omschrijving;
    QString afhaalinstructie;
    std::array<QString, 2> opmerking;

    // The lines of its kind, in order (what the list shows and the editor edits).
    std::vector<QString*> lines();
    std::vector<const QString*> lines() const;
};

// The kinds and what the list calls them.
struct StandardTextKind {
    QChar type;
    int rowHeight;
    const char* titleSuffix;
    int lines;
};
const StandardTextKind* standardTextKind(QChar type);

class StandardTexts {
public:
    explicit StandardTexts(DbSession& db);

    // The texts of one kind, by number; nullopt when the read failed.
    std::optional<std::vector<StandardText>> ofType(QChar type);
    // Adds an empty text of `type` under the next free number (drawn in one
    // statement, so two desks never take the same); nullopt on failure.
    std::optional<StandardText> add(QChar type);
    bool update(const StandardText& text);
    bool remove(int tekst);

private:
    DbSession& db_;
};

} // namespace vonu
