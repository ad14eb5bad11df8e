#include <gen/qt/KeyEventFilter.h>

#include <gen/log/pp.h>
#include <gen/qt/event/Event.h>

#include <QEvent>
#include <QKeyEvent>

namespace gen::qt {

KeyEventFilter::KeyEventFilter(QObject* parent) : QObject(parent) {}

bool KeyEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event != nullptr && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
        auto const* key = static_cast<QKeyEvent const*>(event);
        char const* format = event->type() == QEvent::KeyPress ? "KeyPress: key=$ mods=$, string:$"
                                                               : "KeyRelease: key=$ mods=$, string:$";
        // Modifier keys alone repeat with every shortcut; keep them out of debug.
        log::LOG_LEVEL const level = event::key::is_mod(key) ? log::LEVEL_TRACE : log::LEVEL_DEBUG;
        if (log::is_level_active(level)) {
            log::log_string(level, str::xprintF(0, format, key->key(), event::mod::to_string(key), key->text()));
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace gen::qt
