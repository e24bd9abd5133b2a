#pragma once
#include "base/Platform.h"

#include <QList>
#include <deque>

namespace vonu::test {

// Message dialog seam for tests: records every request and answers from a
// queue of button numbers (0 = closed without a button). With the queue
// empty it answers `fallback`.
class ScriptedMessages final : public IMessageDialog {
public:
    int show(const MessageRequest& request) override;

    void answer(int button) { answers.push_back(button); }
    const MessageRequest& last() const { return shown.back(); }
    int count() const { return int(shown.size()); }
    void clear() { shown.clear(); answers.clear(); }

    QList<MessageRequest> shown;
    std::deque<int> answers;
    int fallback = 1;
};

class FixedClock final : public IClock {
public:
    explicit FixedClock(QDateTime t) : time(std::move(t)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};

class RecordingSound final : public ISoundPlayer {
public:
    void playOnce(const QString& fileName) override { played.append(fileName); }
    QStringList played;
};

} // namespace vonu::test
