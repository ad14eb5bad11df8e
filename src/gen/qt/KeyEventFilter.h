#pragma once
// Diagnostic event filter: logs key presses and releases (DEBUG, modifier
// keys at TRACE) and never consumes an event.

#include <QObject>

namespace gen::qt {

class KeyEventFilter : public QObject {
public:
    explicit KeyEventFilter(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace gen::qt
