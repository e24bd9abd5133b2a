#include "base/Platform.h"

namespace vonu {

int showMessage(IMessageDialog& dialog, const QString& caption, const QStringList& lines,
                const QStringList& buttons)
{
    return dialog.show(MessageRequest{caption, lines, buttons});
}

bool askYesNo(IMessageDialog& dialog, const QString& caption, const QStringList& lines)
{
    return showMessage(dialog, caption, lines, {QStringLiteral("&Ja"), QStringLiteral("&Nee")}) == 1;
}

} // namespace vonu
