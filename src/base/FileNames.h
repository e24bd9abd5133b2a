#pragma once
// Names that come from files or typed texts and become part of a path.

#include <QString>

namespace vonu {

// True for a plain file name that stays in the folder it is put in on every
// platform the files travel to: not empty, not "." or "..", no folder
// separators, drive colons, reserved or control characters.
inline bool isPlainFileName(const QString& name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (QChar c : name)
        if (c.unicode() < 32 || c.unicode() == 0x7f || QStringLiteral("<>:\"/\\|?*").contains(c))
            return false;
    return true;
}

} // namespace vonu
