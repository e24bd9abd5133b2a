#pragma once
// Showing stored order values in the controls of a row without changing
// them: a value a list does not offer, or a text longer than its field
// takes, is shown whole and left as it is in the order.

#include <QString>

class QComboBox;
class QLineEdit;

namespace vonu {

// Selects the entry whose trimmed text equals `stored` trimmed. A stored
// value the list lacks is shown as the list's placeholder with no entry
// selected (marked, with a tooltip); an empty one selects entry 0.
void showStored(QComboBox* box, const QString& stored);
// True while the list shows a stored value it does not offer: nothing was
// chosen, so nothing is to be stored.
bool showsUnlisted(const QComboBox* box);
// The text as the line holds it: the chosen entry, or the unlisted stored
// value.
QString shownValue(const QComboBox* box);

// Sets the text and a maximum length of `limit`, raised to the text's own
// length when it is longer: Qt cuts texts to the maximum, silently.
void setTextWhole(QLineEdit* edit, const QString& text, int limit);

} // namespace vonu
