// A second process for restarts: `report <folder> <count>` opens <count> test
// windows on the store in <folder>, as a freshly started program would, and
// prints what each restored, one "@key=value" line per item (log lines on
// standard output do not start with "@"). Exits 2 on bad arguments.
#include "TestWindow.h"

#include "support/TempSettings.h"

#include <gen/log/GLog.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/GSettings.h>

#include <QPalette>

#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace {

void report(char const* key, QString const& value)
{
    std::printf("@%s=%s\n", key, qPrintable(value));
}

void report(char const* key, long long value)
{
    std::printf("@%s=%lld\n", key, value);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    if (argc != 4 || std::strcmp(argv[1], "report") != 0) {
        std::printf("usage: window_peer report <folder> <count>\n");
        return 2;
    }
    int const count = std::atoi(argv[3]);
    int app_argc = 1;
    gen::qt::GApp app(app_argc, argv);
    gen::log::set_log_level(gen::log::LEVEL_WARN);
    test::TempSettings location(QString::fromLocal8Bit(argv[2]));

    std::vector<std::unique_ptr<test::TestWindow>> windows;
    for (int i = 0; i < count; ++i) {
        auto win = std::make_unique<test::TestWindow>();
        win->setup();
        win->show();
        report("name", win->get_object_name());
        report("width", win->width());
        report("height", win->height());
        report("theme", win->get_theme());
        report("window", win->palette().color(QPalette::Window).name());
        report("pointSize", win->font().pointSize());
        gen::qt::GPanelLogView* log = win->log_view();
        gen::log::LogConfig const& cfg = log->logConfig;
        report("logEnabled", cfg.is_enabled() ? 1 : 0);
        report("logVisible", log->isVisible() ? 1 : 0);
        report("logLevel", cfg.logLevel);
        report("logFont", cfg.fontSize);
        report("logViewFont", log->get_font_size());
        report("logControl", cfg.logControl.get());
        windows.push_back(std::move(win));
    }
    std::fflush(stdout);
    return 0;
}
