#include "support/ScriptedMessages.h"

namespace vonu::test {

int ScriptedMessages::show(const MessageRequest& request)
{
    shown.append(request);
    if (answers.empty())
        return fallback;
    const int a = answers.front();
    answers.pop_front();
    return a;
}

} // namespace vonu::test
