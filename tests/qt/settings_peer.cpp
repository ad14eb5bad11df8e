// A second process for the settings round trip: `write <folder>` stores the
// sample tree as the application node and as window "CWinPlanets_0"; `check
// <folder>` reads both back, prints wrong values and exits 0 only if intact.
#include <gen/qt/GSettings.h>

#include "support/SampleGLNodes.h"
#include "support/TempSettings.h"

#include <QCoreApplication>

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
    gen::store::GNode const sample = test::make_sample_node();
    if (std::strcmp(argv[1], "write") == 0) {
        return settings.set_app_node(sample) && settings.set_window_node(sample, "CWinPlanets_0") ? 0 : 1;
    }
    bool ok = true;
    for (gen::store::GNode const& node : {settings.get_app_node(), settings.get_window_node("CWinPlanets_0")}) {
        ok = ok && node.equals(sample);
        for (std::string const& path : test::sample_mismatches(node)) {
            std::printf("wrong value: %s\n", path.c_str());
        }
    }
    std::fflush(stdout);
    return ok ? 0 : 1;
}
