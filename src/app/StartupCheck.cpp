#include "app/StartupCheck.h"

#include "app/MorvekVonu.h"
#include "order/VonuOrder.h"

#include <cstdio>

namespace vonu {

int PrintedMessages::show(const MessageRequest& request)
{
    ++count_;
    const QString text = request.caption + QStringLiteral(": ") + request.lines.join(QStringLiteral(" / "));
    std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    std::fflush(stderr);
    return 0;
}

bool startupCheckRequested()
{
    return qEnvironmentVariable("VONUORDER_CHECK_STARTUP") == QLatin1String("1");
}

int finishStartupCheck(MorvekVonu& program, const PrintedMessages& messages)
{
    program.runStartup();
    const bool ready = program.started() && program.mainScreen().isVisible() && messages.count() == 0;
    const char* mode = program.internalMode() ? "orderbalie" : "klantmodus";
    std::printf("%s: %s\n", ready ? "gestart" : "niet gestart", mode);
    std::fflush(stdout);
    return ready ? 0 : 1;
}

} // namespace vonu
