// A second process for restarts: `window_peer <folder> <count>` opens <count>
// test windows on the store in <folder>, as a freshly started program would,
// and prints what each restored as one "@key=value key=value ..." line.
#include "TestWindow.h"

#include "support/TempSettings.h"

#include <gen/log/GLog.h>
#include <gen/qt/GApp.h>

#include <cstdio>
#include <list>

int main(int argc, char** argv)
{
    if (argc != 3) {
        return 2;
    }
    int app_argc = 1;
    gen::qt::GApp app(app_argc, argv);
    gen::log::set_log_level(gen::log::LEVEL_WARN);
    test::TempSettings location(QString::fromLocal8Bit(argv[1]));

    std::list<test::TestWindow> windows;  // open together, so numbered apart
    for (int i = 0; i < QByteArray(argv[2]).toInt(); ++i) {
        test::TestWindow& win = windows.emplace_back();
        win.setup();
        win.show();
        gen::log::LogConfig const& cfg = win.log_view()->logConfig;
        std::printf("@name=%s window=%s planet=%s width=%d height=%d theme=%u pointSize=%d",
                    qPrintable(win.get_object_name()), qPrintable(win.palette().color(QPalette::Window).name()),
                    qPrintable(win.btnPlanet->get_icon_res()), win.width(), win.height(), win.get_theme(),
                    win.font().pointSize());
        std::printf(" logEnabled=%d logVisible=%d logLevel=%u logFont=%u logViewFont=%d logControl=%u\n",
                    cfg.is_enabled() ? 1 : 0, win.log_view()->isVisible() ? 1 : 0, cfg.logLevel, cfg.fontSize,
                    win.log_view()->get_font_size(), static_cast<unsigned int>(cfg.logControl.get()));
    }
    return 0;
}
