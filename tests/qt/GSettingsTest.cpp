#include <gen/qt/GSettings.h>

#include "support/LogCapture.h"
#include "support/Rows.h"
#include "support/SampleNodes.h"
#include "support/TempStore.h"

#include <QDir>
#include <QProcess>

using gen::qt::GSettings;
using gen::store::GNode;

namespace {

class GSettingsTest : public testing::Test {
protected:
    // A store read from a copy of what `settings` wrote: QSettings shares one
    // cache per file in a process, so only a copy shows what reached the disk.
    std::unique_ptr<GSettings> read_back(GSettings const& settings)
    {
        QString const folder = store.folder() + "/copy" + QString::number(++copies);
        QString const target = folder + "/" + QDir(store.folder()).relativeFilePath(settings.fileName());
        QDir().mkpath(QFileInfo(target).path());
        EXPECT_TRUE(QFile::copy(settings.fileName(), target));
        test::TempSettings::set_location(folder);
        auto copy = std::make_unique<GSettings>();
        test::TempSettings::set_location(store.folder());
        return copy;
    }

    // Runs the peer process on the test's store; empty on success.
    std::string run_peer(char const* mode)
    {
        QProcess peer;
        peer.start(QStringLiteral(SKYVALE_SETTINGS_PEER), {QString::fromLatin1(mode), store.folder()});
        bool const ok = peer.waitForFinished(30000) && peer.exitStatus() == QProcess::NormalExit && !peer.exitCode();
        return ok ? "" : "peer failed: " + peer.errorString().toStdString() + ", " + peer.readAll().toStdString();
    }

    test::TempStore store;
    int copies = 0;
    GNode const sample = test::samples().node();
    GNode const window = test::samples().window();
};

}  // namespace

TEST_F(GSettingsTest, AbsentOrDamagedNodesAreEmptyAndSettersReachTheFileUnderFixedKeys)
{
    GSettings& settings = GSettings::instance();
    EXPECT_EQ(std::tuple(settings.get_theme(), settings.get_log_level()), std::tuple(1u, 0u));  // the defaults
    test::LogCapture log;
    EXPECT_TRUE(settings.get_window_node("CWinPlanets_0").empty());
    EXPECT_EQ(log.texts(), std::vector<std::string>{});  // absent is not damaged
    settings.setValue("GApplication/app", "AAAAAAAAAAAA");
    EXPECT_TRUE(settings.get_app_node().equals(GNode{}));
    EXPECT_TRUE(log.contains("from_qstring, wrong magic:0")) << testing::PrintToString(log.texts());
    settings.set_theme(3);
    settings.set_log_level(4);
    settings.set_config_version(20028);
    ASSERT_TRUE(settings.set_app_node(sample) && settings.set_window_node(window, "CWinPlanets_0"));
    // The node setters wrote everything pending, under the stored keys.
    std::unique_ptr<GSettings> disk = read_back(settings);
    QString const expected[][2] = {{"ui/theme", "3"}, {"log/level", "4"}, {"config/version", "20028"},
                                   {"GApplication/app", sample.to_base_64_string()},
                                   {"Window/CWinPlanets_0", window.to_base_64_string()}};
    for (auto const& [key, text] : expected) {
        EXPECT_EQ(disk->value(key).toString(), text) << key.toStdString();
    }
}

TEST_F(GSettingsTest, TypedAndOwnedReadsGoThroughTheStoredTextOrFallBack)
{
    QObject pan;
    pan.setObjectName("pan1");
    GSettings settings;
    for (auto const& [key, value] : {std::pair<char const*, QVariant>{"n", 42}, {"neg", -3}, {"real", 2.5},
                                    {"word", "abc"}}) {
        settings.set(key, value);
    }
    settings.set("k", 7, &pan);
    settings.set("c", Qt::red, &pan);
    settings.set_rect("rect", QRect(-1, 2, 30, 40));
    settings.set_point("point", QPoint(-5, 6));
    settings.set_size("size", QSize(640, 480));
    // Same answers before the write and after a restart; absent or not
    // convertible gives the fallback, never a wrapped or cut value.
    auto check = [&pan](GSettings const& s) {
        test::expect_rows<QVariant>({
            {s.get_uint("n", 1), 42u}, {s.get<QString>("n", "x"), "42"}, {s.get_double("real", 0), 2.5},
            {s.get_rect("rect", {}), QRect(-1, 2, 30, 40)}, {s.get_point("point", {}), QPoint(-5, 6)},
            {s.get_size("size", {}), QSize(640, 480)}, {s.get_int("k", -1, &pan), 7},
            {s.get_color("c", Qt::black, &pan), QColor(Qt::red)}, {s.get_int("k", -1), -1},
            {s.get_float("word", 1.5f), 1.5f}, {s.get_uint("neg", 5), 5u}, {s.get<QString>("rect", "fb"), "fb"},
            {s.get_int("rect", 5), 5},  // not even text
        });
    };
    check(settings);
    ASSERT_TRUE(settings.flush());
    SCOPED_TRACE("read back from the file");
    check(*read_back(settings));
}

TEST_F(GSettingsTest, OlderStoreIsAnnouncedClearedAndStampedAtOnce)
{
    // Stored version (0: never stamped, which reads as 99), expected one, clear, older.
    std::tuple<unsigned int, unsigned int, bool, bool> const rows[] = {
        {20027, 20028, true, true}, {0, 20028, true, true}, {20028, 20030, false, true}, {20028, 20028, true, false}};
    for (auto const& [stored, expected, clear, older] : rows) {
        SCOPED_TRACE(testing::Message() << stored << " -> " << expected);
        GSettings settings;
        settings.clear();
        settings.set_theme(2);
        if (stored != 0) {
            settings.set_config_version(stored);
        }
        ASSERT_TRUE(settings.flush());
        testing::internal::CaptureStdout();
        EXPECT_EQ(settings.check_update_config(expected, clear), older);
        std::string const announced = "GSettings::check_update_config, current version:" +
                                      std::to_string(stored != 0 ? stored : 99) +
                                      ", version expected:" + std::to_string(expected) + "\n";
        EXPECT_EQ(testing::internal::GetCapturedStdout(), older ? announced : "");
        EXPECT_EQ(settings.get_version_minimum(), expected);
        // On disk without a further write, so an interrupted run does not clear
        // again; a cleared store keeps only the stamp.
        std::unique_ptr<GSettings> disk = read_back(settings);
        EXPECT_EQ(disk->get_config_version(), older ? expected : stored);
        EXPECT_EQ(disk->allKeys().size(), older && clear ? 1 : 2);
    }
}

TEST_F(GSettingsTest, UnreadableStoreIsLeftAsItIsAndAFailedWriteIsReported)
{
    QFile file(GSettings().fileName());
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).absolutePath()));
    QByteArray const damaged = "[config\nversion=5\n[ui]\ntheme=3\n";
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(damaged) == damaged.size());
    file.close();
    test::LogCapture log(gen::log::LEVEL_ERROR);  // nothing logged below ERROR gets in
    EXPECT_FALSE(GSettings().check_update_config(20028, true));  // neither cleared nor stamped
    EXPECT_EQ(log.count("GSettings::check_update_config, store not readable, left as it is"), 1u);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
    // A regular file where a folder is needed defeats even root.
    test::TempSettings::set_location(file.fileName() + "/config");
    log.clear();
    GSettings settings;
    EXPECT_FALSE(settings.set_app_node(sample));
    std::string const path = settings.fileName().toStdString();
    EXPECT_EQ(log.texts(), std::vector<std::string>{"GSettings::flush, write failed, status:1, file:" + path});
}

TEST_F(GSettingsTest, NodesSurviveTheRoundTripThroughAnotherProcess)
{
    GSettings here;
    ASSERT_TRUE(here.set_app_node(sample) && here.set_window_node(sample, "CWinPlanets_0"));
    EXPECT_EQ(run_peer("check"), "");
    ASSERT_TRUE(QFile::remove(here.fileName()));
    ASSERT_EQ(run_peer("write"), "");
    std::unique_ptr<GSettings> disk = read_back(here);
    for (GNode const& node : {disk->get_app_node(), disk->get_window_node("CWinPlanets_0")}) {
        EXPECT_TRUE(node.equals(sample)) << node.to_string().toStdString();
    }
}
