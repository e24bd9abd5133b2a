#pragma once
// The characters a field takes, as one rule for typing and pasting. The key
// handlers refuse a typed character the rule refuses; set as the field's
// validator, the same rule refuses an edit that would add one. Pastes and
// drops are taken in here before the field sees them, because the field
// cuts a text to its maximum length before any validator is asked: a paste
// that holds a refused character or does not fit is refused whole, and the
// user is told what was not taken and why.

#include "base/Platform.h"

#include <QLineEdit>
#include <QValidator>

namespace vonu {

class CharacterFilter final : public QValidator {
public:
    enum class Soort {
        Cijfers,          // quantities and detail sizes: figures only
        CijfersMetKomma,  // a typed size: figures and one decimal comma
        NummerTekens,     // order number and reference: letters, figures, blank, "-"
    };

    // Set on `field` as its validator and watches its pastes and drops;
    // refusals are told through `messages`.
    CharacterFilter(Soort soort, QLineEdit* field, IMessageDialog& messages);

    static bool allows(Soort soort, QChar c);
    // Characters of the text the rule refuses (a second comma counts too).
    static qsizetype refused(Soort soort, const QString& text);
    static bool accepts(Soort soort, const QString& text) { return refused(soort, text) == 0; }

    // Why `pasted` may not go in, making the field's text `result`: the
    // message lines, empty when it may.
    static QStringList pasteRefusal(Soort soort, const QString& before, const QString& pasted,
                                    const QString& result, int maxLength);

    // An edit may not add a refused character; a text the program put there
    // (an opened file's order number with a "/") can still be shortened.
    State validate(QString& input, int&) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Puts `text` in place of the selection (or at the cursor) when the rule
    // and the length allow it all; else tells the user and changes nothing.
    void paste(const QString& text);
    bool refuse(const QString& pasted, const QString& result);

    Soort soort_;
    QLineEdit* field_;
    IMessageDialog& messages_;
    QString before_;
};

} // namespace vonu
