#include "reports/ReportFonts.h"

#include <QStringList>

namespace vonu::report {

void installFontSubstitutes()
{
    static const bool done = [] {
        QFont::insertSubstitutions(QStringLiteral("Arial"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                    QStringLiteral("DejaVu Sans")});
        QFont::insertSubstitutions(QStringLiteral("Courier New"),
                                   {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                    QStringLiteral("DejaVu Sans Mono")});
        return true;
    }();
    (void)done;
}

QFont reportFont(const QString& family, qreal pointSize, bool bold, bool underline)
{
    installFontSubstitutes();
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    const bool fixed = family.contains(QLatin1String("Courier"), Qt::CaseInsensitive)
                       || family.contains(QLatin1String("Mono"), Qt::CaseInsensitive);
    font.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
    if (fixed)
        font.setFixedPitch(true);
    // Kerning would move fixed-pitch columns and differs between printers.
    font.setKerning(false);
    return font;
}

} // namespace vonu::report
