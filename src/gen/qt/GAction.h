#pragma once
// Action that reports triggers through listeners: lisTriggered with 0 and
// lisChecked with the checked state, in that order.

#include <gen/Listener.h>

#include <QAction>
#include <QString>

namespace gen::qt {

class GAction : public QAction {
public:
    explicit GAction(QObject* parent = nullptr);
    GAction(QString const& text, QObject* parent);

    // What QAction::triggered(bool) runs.
    void doAction(bool checked);

    Listener<int> lisTriggered;  // always 0
    Listener<bool> lisChecked;
};

}  // namespace gen::qt
