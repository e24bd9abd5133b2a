#pragma once
// The options answered on the terminal before any window exists: a program
// started from a shell (or by a packaging check) without a display still
// tells its version and how it is started.

#include <QString>
#include <QStringList>

#include <optional>

namespace vonu {

// "VonuOrder 1.06"
QString versionText();
// The Dutch usage text of --help.
QString helpText();

// The text to print for `arguments` (without the program name) when one of
// them is --help, -h or --version; nothing when the program is to start.
// Every other argument is left to the start-up, as always (the workstation
// name, Qt's own options such as -platform).
std::optional<QString> terminalAnswer(const QStringList& arguments);

} // namespace vonu
