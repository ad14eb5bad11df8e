#pragma once
// Runs the event loop until `done` holds or `ms` milliseconds have passed;
// returns whether it holds. For waits on windows, paints and queued work.

#include <QCoreApplication>
#include <QElapsedTimer>

#include <functional>

namespace test {

inline bool wait_for(std::function<bool()> const& done, int ms = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

}  // namespace test
