#pragma once
// The characters a field takes, as one rule for typing and pasting. The key
// handlers refuse a typed character the rule refuses; set as the field's
// validator, the same rule refuses a paste (or a drop) that holds one, so
// no text reaches the order that could not have been typed.

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

    // Set on `field`, which it reads to compare an edit with the text before it.
    CharacterFilter(Soort soort, QLineEdit* field) : QValidator(field), soort_(soort), before_(field->text())
    {
        // The field's own text is already the edited one while it asks; the
        // text before the edit is kept here (texts set by the program too).
        QObject::connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
    }

    static bool allows(Soort soort, QChar c)
    {
        if (c >= u'0' && c <= u'9')
            return true;
        switch (soort) {
        case Soort::Cijfers:
            return false;
        case Soort::CijfersMetKomma:
            return c == u',';
        case Soort::NummerTekens:
            return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c == u' ' || c == u'-';
        }
        return false;
    }

    // Characters of the text the rule refuses (a second comma counts too).
    static qsizetype refused(Soort soort, const QString& text)
    {
        qsizetype n = 0;
        for (QChar c : text)
            n += allows(soort, c) ? 0 : 1;
        if (soort == Soort::CijfersMetKomma && text.count(u',') > 1)
            n += text.count(u',') - 1;
        return n;
    }

    static bool accepts(Soort soort, const QString& text) { return refused(soort, text) == 0; }

    // An edit may not add a refused character; a text the program put there
    // (an opened file's order number with a "/") can still be shortened.
    State validate(QString& input, int&) const override
    {
        return refused(soort_, input) <= refused(soort_, before_) ? Acceptable : Invalid;
    }

private:
    Soort soort_;
    QString before_;
};

} // namespace vonu
