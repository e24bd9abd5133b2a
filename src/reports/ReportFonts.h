#pragma once
// Report fonts by their usual names (Arial, Courier New) on machines that
// only have metric-compatible families: Liberation, then the Croscore
// fonts, then DejaVu as a last resort.

#include <QFont>
#include <QString>

namespace vonu::report {

// Registers the substitutes once; safe to call often.
void installFontSubstitutes();

// A font for a report item; installs the substitutes first.
QFont reportFont(const QString& family, qreal pointSize, bool bold = false,
                 bool underline = false);

} // namespace vonu::report
