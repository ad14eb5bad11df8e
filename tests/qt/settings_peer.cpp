// A second process for the settings round trip: `write <folder>` stores the
// sample tree as the application node and as window "CWinPlanets_0";
// `check <folder>` reads both back and exits 0 only when they are intact.
// Problems are printed on standard output.
#include <gen/qt/GSettings.h>

#include "support/SampleNodes.h"
#include "support/TempSettings.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {

bool check(gen::store::GNode const& node, char const* which)
{
    bool ok = node.equals(test::make_sample_node());
    if (!ok) {
        std::printf("%s: tree differs: %s\n", which, qPrintable(node.to_base_64_string()));
    }
    for (std::string const& path : test::sample_mismatches(node)) {
        std::printf("%s: wrong value: %s\n", which, path.c_str());
        ok = false;
    }
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3 || (std::strcmp(argv[1], "write") != 0 && std::strcmp(argv[1], "check") != 0)) {
        std::printf("usage: settings_peer write|check <folder>\n");
        return 2;
    }
    test::TempSettings location(QString::fromLocal8Bit(argv[2]));
    gen::qt::GSettings& settings = gen::qt::GSettings::instance();
    bool ok = false;
    if (std::strcmp(argv[1], "write") == 0) {
        ok = settings.set_app_node(test::make_sample_node()) &&
             settings.set_window_node(test::make_sample_node(), "CWinPlanets_0");
    } else {
        bool const app_ok = check(settings.get_app_node(), "app");
        bool const window_ok = check(settings.get_window_node("CWinPlanets_0"), "window");
        ok = app_ok && window_ok;
    }
    std::fflush(stdout);
    return ok ? 0 : 1;
}
