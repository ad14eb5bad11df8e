// Program entry: settings identity and version, the application object, the
// first planet window and the welcome question, then the event loop.

#include "Window.h"
#include "helper.h"

#include <gen/log/fatal.h>
#include <gen/log/pp.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GSettings.h>
#include <gen/tools/os.h>

#include <QCoreApplication>
#include <QIcon>
#include <QSettings>

#include <cstdio>
#include <cstring>
#include <memory>

#ifndef SKYVALE_VERSION
#define SKYVALE_VERSION "0.0"
#endif

namespace {

// Where the settings live: stays the same between runs and versions.
QString const kOrganisation = QStringLiteral("skyvale.org");

// The file QSettings will use, found without an application object, so
// --help needs no display.
QString settings_file(QString const& application)
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, kOrganisation, application).fileName();
}

void print_help(QString const& application)
{
    std::printf("Usage: %s [--__log_level 0..4] [Qt options]\n"
                "Skyvale %s, a viewer of the Earth and the other bodies of the solar system.\n"
                "\n"
                "  --__log_level N  how much is logged: 0 errors, 1 warnings, 2 information,\n"
                "                   3 debug, 4 trace (the default)\n"
                "  -h, --help       print this help and exit\n"
                "  --version        print the name and version and exit\n"
                "  Qt's own options (-platform, -style, -reverse, ...) are handed to Qt.\n"
                "\n"
                "Settings (saved views, window layout, theme): %s\n",
                qPrintable(application), SKYVALE_VERSION, qPrintable(settings_file(application)));
}

}  // namespace

int qMain(int argc, char** argv)
{
    QString const application = gen::os::get_program_name_qs();
    // Answered before any Qt object exists: no window, no display needed.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            print_help(application);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Skyvale %s\n", SKYVALE_VERSION);
            return 0;
        }
    }
    gen::qt::GApp::prepare_settings(kOrganisation, 20028, true, application);
    // Each window keeps its own context: the planet views never share GL objects.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, false);

    auto app = std::make_unique<gen::qt::GApp>(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(SKYVALE_VERSION));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/wb/icons/skyvale.svg")));
    // Lets the desktop match the windows to the installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.skyvale.Skyvale"));
    gen::pp_info("qMain, $ $ started, build $", application, SKYVALE_VERSION, gen::get_build_timestamp());
    auto window = std::make_unique<orrin::Window>();
    window->resize(800, 600);
    window->set_string("Skyvale");
    if (gen::qt::GSettings::flagDebug) {
        window->set_string("DEBUG VERSION - Skyvale");
    }
    window->setup();
    window->show();
    showInfoLimitEarth(window.get(), gen::qt::GApp::get_node());
    int const code = QApplication::exec();
    window.reset();
    app.reset();
    return code;
}

int main(int argc, char** argv)
{
    return qMain(argc, argv);
}
