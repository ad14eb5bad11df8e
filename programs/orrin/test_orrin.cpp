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

#include <memory>

int qMain(int argc, char** argv)
{
    // Where the settings live: stays the same between runs and versions.
    QString const organisation = QStringLiteral("skyvale.org");
    QString const application = gen::os::get_program_name_qs();
    gen::qt::GApp::prepare_settings(organisation, 20028, true, application);
    // Each window keeps its own context: the planet views never share GL objects.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts, false);

    auto app = std::make_unique<gen::qt::GApp>(argc, argv);
    gen::pp_info("qMain, $ started, build $", application, gen::get_build_timestamp());
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
