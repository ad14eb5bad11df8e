#include <gen/Listener.h>

#include <gen/log/pp.h>
#include <gen/tools/rnd.h>

#include <QCoreApplication>
#include <QMetaObject>

namespace gen::detail {

void log_already_appended(std::string const& name)
{
    pp("Listener::append '$' already appended!", name);
}

void log_listener_destroyed(std::string const& name)
{
    pp("Listener::~Listener@$", name);
}

std::string random_callback_name()
{
    return gen::rnd::next_string(8, true, 1);
}

void post_to_event_loop(std::function<void()> work)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        pp_error("Listener::fire_event, no application object, queued event dropped");
        return;
    }
    QMetaObject::invokeMethod(app, std::move(work), Qt::QueuedConnection);
}

}  // namespace gen::detail
