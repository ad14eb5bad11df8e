// Reads arbitrary bytes as the whole settings file (QSettings' native text
// format) through what the program does at start-up: the version check,
// which may clear and rewrite the file, the application node and the planet
// window's node with the values the window and its frame read from it.
#include <gen/log/LogConfig.h>
#include <gen/qt/GApp.h>
#include <gen/qt/GSettings.h>
#include <gen/qt/gl/Camera.h>
#include <gen/qt/gl/Light.h>
#include <gen/store/GNode.h>
#include <gen/store/LogConfigGType.h>
#include <gen/store/configure.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>

#include "quiet_log.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

// The values a planet window and its frame read from the window node.
void read_window_node(gen::store::GNode& node)
{
    (void)node.ensure<QString>("planet", "Earth/small");
    (void)node.ensure<bool>("controlCitiesColumns", false);
    QByteArray cities = node.ensure<QByteArray>("ba", QByteArray(1001, 0));
    cities.resize(1001, 0);
    (void)node.ensure<bool>("seeCoordinates", true);
    (void)node.get<QByteArray>("splitter", QByteArray());
    (void)node.get_pod<gen::qt::gl::Camera>("cam", gen::qt::gl::Camera{});
    (void)node.get_pod<gen::qt::gl::Light>("light", gen::qt::gl::Light{});
    (void)node.get_pod<glm::mat4>("matPlanet", glm::mat4(1.0F));
    (void)node.get<unsigned int>("theme", 0);
    (void)node.get<QByteArray>("geometry", QByteArray());
    (void)node.get<QByteArray>("state", QByteArray());
    (void)node.get<int>("pointSize", 10);
    (void)node.get_pod<gen::log::LogConfig>("log", gen::log::LogConfig{});
}

// The settings file inside a private folder in memory, made once.
QString const& settings_file()
{
    static QString const file = [] {
        std::string folder = "/dev/shm/fuzz_settings_XXXXXX";
        if (mkdtemp(folder.data()) == nullptr) {
            std::abort();
        }
        setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        gen::store::register_meta_type();
        QCoreApplication::setOrganizationName("skyvale.org");
        QCoreApplication::setApplicationName("skyvale");
        QString const name = QString::fromLocal8Bit(folder.c_str()) + "/skyvale.org/skyvale.conf";
        QDir().mkpath(QString::fromLocal8Bit(folder.c_str()) + "/skyvale.org");
        return name;
    }();
    return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size)
{
    fuzz::quiet_log();
    QString const& name = settings_file();
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            std::abort();
        }
        file.write(reinterpret_cast<char const*>(data), qint64(size));
    }
    // QSettings keeps a parsed file while its size and time stay the same:
    // every input gets a time of its own so that it is read again.
    static std::time_t stamp = 1'000'000;
    timespec const times[2] = {{++stamp, 0}, {stamp, 0}};
    utimensat(AT_FDCWD, name.toLocal8Bit().constData(), times, 0);

    gen::qt::GSettings::reset_instance();
    gen::qt::GApp::prepare_settings("skyvale.org", 20028, true, "skyvale");
    gen::store::GNode window = gen::qt::GSettings::instance().get_window_node("CWinPlanets_0");
    read_window_node(window);
    gen::qt::GSettings::reset_instance();
    return 0;
}
