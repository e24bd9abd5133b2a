#pragma once
// The screens and messages keep their Dutch texts as UTF-8 literals.

#include <QString>

namespace vonu {

inline QString u8(const char* text)
{
    return QString::fromUtf8(text);
}

} // namespace vonu
