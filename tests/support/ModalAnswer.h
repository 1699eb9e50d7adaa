// Modal dialogs run their own loop; a test answers them from a timer that waits until the
// expected kind of window is the active modal one.
#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

template <typename TWindow>
void WhenModal(std::function<void(TWindow*)> answer)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, answer, ticks] {
        if (++*ticks > 2000) {  // the window never came: give up rather than answer a later one
            timer->stop();
            timer->deleteLater();
            return;
        }
        if (auto* window = qobject_cast<TWindow*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(window);
            // A failed check inside answer returns early: end the modal run all the same.
            if (QTest::currentTestFailed() && window->isVisible()) window->close();
        }
    });
    timer->start();
}
