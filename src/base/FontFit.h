#pragma once
// Fixed-width texts laid out for a narrower font than the platform's default.

#include <QFont>
#include <QList>
#include <QString>

#include <utility>

namespace vonu {

// The font at the largest size, from `font`'s own size down in half points
// while above `floorPoints`, at which every text fits in its width (and, with
// maxHeight > 0, a line is at most that high). When no size fits, the last
// size tried.
QFont fittingFont(const QFont& font, const QList<std::pair<QString, int>>& textsInWidths, qreal floorPoints,
                  int maxHeight = 0);

} // namespace vonu
