#pragma once
// Timer that reports timeouts through a listener.

#include <gen/Listener.h>

#include <QTimer>

namespace gen::qt {

class GTimer : public QTimer {
public:
    explicit GTimer(QObject* parent = nullptr);

    // Starts (with the current interval) or stops the timer.
    void set_start_stop(bool start);

    Listener<int> lisTimeout;  // always 0
};

}  // namespace gen::qt
