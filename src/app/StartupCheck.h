#pragma once
// A check of an installation with nobody at the screen, asked for with the
// environment variable VONUORDER_CHECK_STARTUP=1: the start-up runs as
// always, every message it would show is written to standard error instead
// (caption and lines; no dialog waits for an answer), and the program ends
// right after it: 0 when the order screen stands ready without a message, 1
// otherwise. Nothing is stored on the way out.

#include "base/Platform.h"

namespace vonu {

class MorvekVonu;

class PrintedMessages final : public IMessageDialog {
public:
    // Answers as a dialog closed without a button.
    int show(const MessageRequest& request) override;
    int count() const { return count_; }

private:
    int count_ = 0;
};

bool startupCheckRequested();

// Runs the start-up now (it runs once) and gives the exit code of the check,
// with a line on standard output that says how it went.
int finishStartupCheck(MorvekVonu& program, const PrintedMessages& messages);

} // namespace vonu
