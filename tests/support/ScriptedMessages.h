#pragma once
#include "base/Platform.h"

#include <QList>
#include <deque>
#include <optional>

namespace vonu::test {

// Message dialog seam for tests: records every request and answers from a
// queue of button numbers (0 = closed without a button). A notice (one
// button or none) that nobody scripted is answered with its button; a
// question that nobody scripted fails the test and is answered 0 (closed:
// "no"), unless `unscripted` names an answer for every such question.
class ScriptedMessages final : public IMessageDialog {
public:
    int show(const MessageRequest& request) override;

    void answer(int button) { answers.push_back(button); }
    const MessageRequest& last() const { return shown.back(); }
    int count() const { return int(shown.size()); }
    void clear() { shown.clear(); answers.clear(); }

    QList<MessageRequest> shown;
    std::deque<int> answers;
    std::optional<int> unscripted;
};

class FixedClock final : public IClock {
public:
    explicit FixedClock(QDateTime t) : time(std::move(t)) {}
    QDateTime now() const override { return time; }
    QDateTime time;
};

class RecordingSound final : public ISound {
public:
    void beep() override { ++beeps; }
    void playOnce(const QString& fileName) override { played.append(fileName); }
    int beeps = 0;
    QStringList played;
};

} // namespace vonu::test
