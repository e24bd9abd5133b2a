#pragma once
// Drives a modal dialog from inside its exec(): a test says what to do with
// the next dialog of a type, then runs the code that opens it.
//
//     test::whenModal<TMelding>([](TMelding& d) { d.knop(1)->click(); });
//     screen.someButton()->click();   // opens the dialog, returns when it closed
//
// The action runs once the dialog is up and active (a busy machine may take
// a while); a dialog still open afterwards is closed, so a test never hangs.
// A dialog that never shows fails the test.

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace vonu::test {

// The untyped form: `act` gets the active modal widget.
// Returns a counter of the times the action ran (0 or 1).
std::shared_ptr<int> whenModalWidget(std::function<void(QWidget&)> act, int timeoutMs = 20000);

// Runs `action` and fails the test when a modal dialog shows meanwhile (the
// dialog is closed, so the test goes on).
void noModalDuring(const std::function<void()>& action);

template <typename T>
std::shared_ptr<int> whenModal(std::function<void(T&)> act, int timeoutMs = 20000)
{
    return whenModalWidget(
        [act](QWidget& w) {
            auto* dialog = qobject_cast<T*>(&w);
            ASSERT_NE(dialog, nullptr) << "another modal window is open: " << w.metaObject()->className();
            act(*dialog);
        },
        timeoutMs);
}

} // namespace vonu::test
