#pragma once
// The one way the program replaces a file: everything is written to a
// temporary file beside the target, every byte is counted, and only a
// complete file takes the old one's place. A full disk leaves the previous
// file as it was and says so in Dutch.

#include <QByteArray>
#include <QString>

namespace vonu {

// False with a Dutch reason (naming the file) when not every byte reached
// the disk; the previous file is then untouched.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

} // namespace vonu
