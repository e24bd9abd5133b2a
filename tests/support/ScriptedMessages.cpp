#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace vonu::test {

int ScriptedMessages::show(const MessageRequest& request)
{
    shown.append(request);
    if (!answers.empty()) {
        const int a = answers.front();
        answers.pop_front();
        return a;
    }
    int buttons = 0;
    for (const QString& b : request.buttons)
        buttons += b.isEmpty() ? 0 : 1;
    if (buttons <= 1)
        return buttons;
    if (unscripted)
        return *unscripted;
    ADD_FAILURE() << "unscripted question \"" << request.caption.toStdString() << "\": "
                  << request.lines.join(QStringLiteral(" | ")).toStdString();
    return 0;
}

} // namespace vonu::test
