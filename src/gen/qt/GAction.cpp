#include <gen/qt/GAction.h>

namespace gen::qt {

namespace {
void connect_trigger(GAction* action)
{
    QObject::connect(action, &QAction::triggered, action, [action](bool checked) { action->doAction(checked); });
}
}  // namespace

GAction::GAction(QObject* parent) : QAction(parent)
{
    connect_trigger(this);
}

GAction::GAction(QString const& text, QObject* parent) : QAction(text, parent)
{
    connect_trigger(this);
}

void GAction::doAction(bool checked)
{
    lisTriggered.fire_event(0);
    lisChecked.fire_event(checked);
}

}  // namespace gen::qt
