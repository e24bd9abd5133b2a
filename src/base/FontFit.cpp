#include "base/FontFit.h"

#include <QFontInfo>
#include <QFontMetrics>

namespace vonu {

QFont fittingFont(const QFont& font, const QList<std::pair<QString, int>>& textsInWidths, qreal floorPoints,
                  int maxHeight)
{
    QFont result = font;
    for (qreal size = QFontInfo(font).pointSizeF(); size > floorPoints; size -= 0.5) {
        result.setPointSizeF(size);
        const QFontMetrics metrics(result);
        bool fits = maxHeight <= 0 || metrics.height() <= maxHeight;
        for (const auto& [text, width] : textsInWidths)
            fits = fits && metrics.horizontalAdvance(text) <= width;
        if (fits)
            break;
    }
    return result;
}

} // namespace vonu
