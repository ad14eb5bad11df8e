// Shows the test window in each theme, with its log panel and a few log
// lines, and saves one PNG per theme (plus a 4x close-up of the tool buttons)
// into the folder given on the command line. Needs a display (Xvfb); uses a
// private settings location, never the user's.
#include "qt/TestWindow.h"

#include "support/TempSettings.h"

#include <gen/log/GLog.h>
#include <gen/log/pp.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GPanelLogView.h>
#include <gen/qt/themes.h>

#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>

#include <cstdio>

namespace {

void wait_ms(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::printf("usage: theme_screenshots <folder>\n");
        return 2;
    }
    QString const folder = QString::fromLocal8Bit(argv[1]);
    int app_argc = 1;
    gen::qt::GApp app(app_argc, argv);
    gen::log::set_log_level(gen::log::LEVEL_TRACE);
    test::TempSettings location;
    QDir().mkpath(folder);

    test::TestWindow win;
    win.setup();
    win.set_string("Skyvale - $", "themes");
    win.resize(720, 480);
    win.show();
    win.on_logger();

    int failures = 0;
    for (unsigned int theme = 0; theme <= gen::qt::themes::get_max_theme(); ++theme) {
        win.set_theme(theme);
        // Lines keep the colours of the theme they were shown in, so every
        // shot starts from an empty panel.
        wait_ms(100);
        win.log_view()->clear();
        gen::pp_error("GLPlanet::mousePressEvent, viewport not valid");
        gen::pp_warn("GMainWindow::set_font_size, cannot be BIGGER");
        gen::pp_info("TestWindow, hello");
        gen::pp("GMainWindow::on_menu_options, pointSize:$", win.font().pointSize());
        gen::pp_trace("a trace line, hidden at the panel's level DEBUG");
        gen::pp_line();
        wait_ms(300);
        QString const name = gen::qt::themes::theme_to_string(theme);
        QPixmap const shot = win.grab();
        QString const path = folder + "/theme_" + name + ".png";
        if (!shot.save(path)) {
            std::printf("cannot write %s\n", qPrintable(path));
            ++failures;
        }
        QWidget* tools = win.findChild<QWidget*>("panOptionLog");
        if (tools != nullptr) {
            QPixmap const row = tools->parentWidget()->grab();
            row.scaled(row.width() * 4, row.height() * 4)
                .save(folder + "/tools_" + name + ".png");
        }
        std::printf("wrote %s\n", qPrintable(path));
    }
    win.close();
    return failures == 0 ? 0 : 1;
}
