#include <gen/qt/GPanelLogView.h>

#include <gen/qt/GLogView.h>
#include <gen/qt/guitools/GGui.h>
#include <gen/qt/themes.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QSizePolicy>

namespace gen::qt {

namespace {

QSizePolicy log_size_policy()
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::MinimumExpanding);
    policy.setHorizontalStretch(1);
    policy.setVerticalStretch(2);
    return policy;
}

}  // namespace

GPanelLogView::GPanelLogView() : GPanel(LAYOUT_VERT)
{
    setObjectName(QStringLiteral("panLog"));
    setSizePolicy(log_size_policy());
    setMinimumHeight(50);
    set_margins(0);

    view = new GLogView();
    view->setSizePolicy(log_size_policy());
    add_widget(view);
    guardedView = view;
    set_font_size(static_cast<int>(logConfig.fontSize));

    gen::log::add_log_appender(this);
}

GPanelLogView::~GPanelLogView()
{
    gen::log::remove_log_appender(this);
}

QString GPanelLogView::format_line(unsigned int number, gen::log::LOG_LEVEL level,
                                   gen::GBits<unsigned int> const& control, char const* text)
{
    QString line = gen::log::qs_trailler(number, level, control).trimmed();
    if (!line.isEmpty()) {
        line += QLatin1Char(' ');
    }
    line += text != nullptr ? QString::fromUtf8(text) : QStringLiteral("nullptr");
    return line;
}

void GPanelLogView::log_string(unsigned int number, gen::log::LOG_LEVEL level, char const* text)
{
    if (static_cast<long long>(level) > static_cast<long long>(logConfig.logLevel)) {
        return;
    }
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) {
        return;
    }
    QString line = format_line(number, level, logConfig.logControl, text);
    // Posted events from one thread to one receiver keep their order, so the
    // lines of a thread stay in sequence.
    QMetaObject::invokeMethod(
        app,
        [target = guardedView, line = std::move(line), level]() {
            if (target) {
                target->append_line(line, static_cast<int>(level));
            }
        },
        Qt::QueuedConnection);
}

void GPanelLogView::set_enabled(bool on)
{
    gen::log::LogAppender::set_enabled(on);
    set_visible(on);
}

void GPanelLogView::remove_appender()
{
    // Uses nothing but the object's address.
    gen::log::remove_log_appender(this);
}

void GPanelLogView::set_font_size(int points)
{
    if (points < 1) {
        return;
    }
    gen::log::with_sinks_locked([this, points]() { logConfig.fontSize = static_cast<unsigned int>(points); });
    QFont font = themes::get_mono_font();
    font.setPointSize(points);
    view->setFont(font);
}

int GPanelLogView::get_font_size() const
{
    return static_cast<int>(logConfig.fontSize);
}

void GPanelLogView::adapt_to_settings(unsigned int theme)
{
    view->adapt_to_settings(theme);
}

void GPanelLogView::clear()
{
    view->clear();
}

void GPanelLogView::copy_to_clipboard()
{
    gen::qt::copy_to_clipboard(view->toPlainText());
}

}  // namespace gen::qt
