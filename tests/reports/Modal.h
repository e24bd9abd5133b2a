#pragma once
// Waits (bounded) for the modal dialog the code under test opens, then hands
// it to the action.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QTimer>

#include <memory>

namespace vonu::test {

template <typename Action>
void whenModalAppears(Action action)
{
    auto* poll = new QTimer;
    auto deadline = std::make_shared<QDeadlineTimer>(10000);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, deadline, action] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        } else if (deadline->hasExpired()) {
            poll->stop();
            poll->deleteLater();
            ADD_FAILURE() << "no modal dialog appeared";
        }
    });
    poll->start(10);
}

} // namespace vonu::test
