// A second process for the settings round trip: `write <folder>` stores the
// sample tree as the application node and as window "CWinPlanets_0"; `check
// <folder>` reads both back, prints wrong ones and exits 0 only if intact.
#include <gen/qt/GSettings.h>

#include "support/SampleNodes.h"
#include "support/TempSettings.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        return 2;
    }
    test::TempSettings location(QString::fromLocal8Bit(argv[2]));
    gen::qt::GSettings& settings = gen::qt::GSettings::instance();
    gen::store::GNode const sample = test::samples().node();
    if (std::strcmp(argv[1], "write") == 0) {
        return settings.set_app_node(sample) && settings.set_window_node(sample, "CWinPlanets_0") ? 0 : 1;
    }
    bool ok = true;
    for (gen::store::GNode const& node : {settings.get_app_node(), settings.get_window_node("CWinPlanets_0")}) {
        if (!node.equals(sample)) {
            std::printf("wrong tree: %s\n", qPrintable(node.to_string()));
            ok = false;
        }
    }
    std::fflush(stdout);
    return ok ? 0 : 1;
}
