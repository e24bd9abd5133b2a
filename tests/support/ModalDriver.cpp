#include "support/ModalDriver.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>

namespace vonu::test {

std::shared_ptr<int> whenModalWidget(std::function<void(QWidget&)> act, int timeoutMs)
{
    auto ran = std::make_shared<int>(0);
    auto* poll = new QTimer(qApp);
    poll->setInterval(5);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, act, ran, timeoutMs] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w && clock->elapsed() < timeoutMs)
            return;
        poll->stop();
        poll->deleteLater();
        ASSERT_TRUE(w) << "no modal dialog showed within " << timeoutMs << " ms";
        EXPECT_TRUE(QTest::qWaitForWindowActive(w, timeoutMs));
        ++*ran;
        act(*w);
        if (w && w->isVisible()) {
            if (auto* dialog = qobject_cast<QDialog*>(w.data()))
                dialog->reject();
            else
                w->close();
        }
    });
    poll->start();
    return ran;
}

void noModalDuring(const std::function<void()>& action)
{
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [] {
        QPointer<QWidget> w = QApplication::activeModalWidget();
        if (!w)
            return;
        ADD_FAILURE() << "a modal dialog showed: " << w->windowTitle().toStdString();
        if (auto* dialog = qobject_cast<QDialog*>(w.data()))
            dialog->reject();
        else
            w->close();
    });
    poll.start();
    action();
}

} // namespace vonu::test
