#include <gen/qt/GSettings.h>

#include "support/SampleNodes.h"
#include "support/RecordingSink.h"
#include "support/TempSettings.h"

#include <gen/log/GLog.h>

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

#include <unistd.h>

using gen::qt::GSettings;
using gen::store::GNode;

namespace {

class GSettingsTest : public testing::Test {
protected:
    void TearDown() override { GSettings::reset_instance(); }

    // A store read from a copy of what `settings` wrote: within one process
    // QSettings shares one in-memory cache per file, so only a copy under
    // another name shows what really reached the disk.
    std::unique_ptr<GSettings> read_back(GSettings const& settings)
    {
        QString const folder = temp.folder() + "/copy" + QString::number(++copies);
        QString const target = folder + "/" + QDir(temp.folder()).relativeFilePath(settings.fileName());
        QDir().mkpath(QFileInfo(target).path());
        if (QFile::exists(settings.fileName())) {
            EXPECT_TRUE(QFile::copy(settings.fileName(), target));
        }
        test::TempSettings::set_location(folder);
        auto copy = std::make_unique<GSettings>();
        test::TempSettings::set_location(temp.folder());
        return copy;
    }

    test::TempSettings temp;
    int copies = 0;
};

// Runs the peer process on the test's store; empty on success, else what
// went wrong.
std::string run_peer(char const* mode, QString const& folder)
{
    QProcess peer;
    peer.start(QStringLiteral(SKYVALE_SETTINGS_PEER), {QString::fromLatin1(mode), folder});
    if (!peer.waitForFinished(30000)) {
        return "peer did not finish: " + peer.errorString().toStdString();
    }
    if (peer.exitStatus() != QProcess::NormalExit || peer.exitCode() != 0) {
        return "peer exit " + std::to_string(peer.exitCode()) + ": " + peer.readAll().toStdString() +
               peer.readAllStandardError().toStdString();
    }
    return {};
}

}  // namespace

TEST_F(GSettingsTest, EmptyStoreGivesDefaults)
{
    test::RecordingSink sink;
    test::LogLevelGuard level(gen::log::LEVEL_TRACE);
    GSettings settings;
    EXPECT_TRUE(settings.get_app_node().equals(GNode{}));
    EXPECT_TRUE(settings.get_window_node("CWinPlanets_0").empty());
    EXPECT_TRUE(settings.get_window_node("CWinPlanets_0").children().empty());
    // An absent node is not an error of the text form.
    EXPECT_TRUE(sink.lines().empty());
    EXPECT_EQ(settings.get_theme(), 1u);
    EXPECT_EQ(settings.get_log_level(), 0u);
    EXPECT_EQ(settings.get_config_version(), 99u);
    EXPECT_EQ(settings.get_version(), 0u);
    EXPECT_EQ(settings.get_version_minimum(), 0u);
    EXPECT_EQ(settings.get<QString>("missing", "dflt"), "dflt");
    EXPECT_EQ(settings.get_color("missing", Qt::blue), QColor(Qt::blue));
    EXPECT_EQ(settings.get_rect("missing", QRect(1, 2, 3, 4)), QRect(1, 2, 3, 4));
    EXPECT_TRUE(settings.allKeys().isEmpty());
}

TEST_F(GSettingsTest, FixedKeysAndValuesAreStoredUnderTheirNames)
{
    GSettings settings;
    GNode app;
    app.set_flag("seeMessageAgain", false);
    GNode window;
    window.set("pointSize", 12);
    settings.set_theme(3);
    settings.set_log_level(4);
    settings.set_config_version(20028);
    ASSERT_TRUE(settings.set_app_node(app));
    ASSERT_TRUE(settings.set_window_node(window, "CWinPlanets_0"));

    // The node setters wrote everything pending, under the contract keys.
    std::unique_ptr<GSettings> disk = read_back(settings);
    QSettings const& plain = *disk;
    EXPECT_EQ(plain.value("ui/theme").toString(), "3");
    EXPECT_EQ(plain.value("log/level").toString(), "4");
    EXPECT_EQ(plain.value("config/version").toString(), "20028");
    EXPECT_EQ(plain.value("GApplication/app").toString(), app.to_base_64_string());
    EXPECT_TRUE(plain.value("Window/CWinPlanets_0").toString().startsWith("R05PRA"));  // "GNOD"

    EXPECT_EQ(disk->get_theme(), 3u);
    EXPECT_EQ(disk->get_log_level(), 4u);
    EXPECT_TRUE(disk->get_window_node("CWinPlanets_0").equals(window));
    EXPECT_TRUE(disk->get_window_node("CWinPlanets_1").empty());
    EXPECT_FALSE(disk->get_app_node().is_flag("seeMessageAgain", true));
}

TEST_F(GSettingsTest, OwnerQualifiesTheKey)
{
    QObject pan1;
    pan1.setObjectName("pan1");
    QObject pan2;
    pan2.setObjectName("pan2");
    GSettings settings;
    settings.set("k", 7, &pan1);
    settings.set("k", 8, &pan2);
    settings.set("c", Qt::red, &pan1);
    EXPECT_EQ(GSettings::owner_key("k", &pan1), "k@pan1");
    EXPECT_EQ(GSettings::owner_key("k", nullptr), "k");
    EXPECT_TRUE(settings.contains("k@pan1"));
    EXPECT_FALSE(settings.contains("k"));
    EXPECT_EQ(settings.get_int("k", -1, &pan1), 7);
    EXPECT_EQ(settings.get_int("k", -1, &pan2), 8);
    EXPECT_EQ(settings.get_int("k", -1), -1);
    ASSERT_TRUE(settings.flush());

    std::unique_ptr<GSettings> disk = read_back(settings);
    EXPECT_EQ(disk->get_int("k", -1, &pan1), 7);
    EXPECT_EQ(disk->value("c@pan1").metaType(), QMetaType::fromType<QColor>());
    EXPECT_EQ(disk->get_color("c", Qt::black, &pan1), QColor(Qt::red));
    EXPECT_EQ(disk->get_color("c", Qt::black), QColor(Qt::black));
}

TEST_F(GSettingsTest, TypedReadsConvertOrFallBack)
{
    GSettings settings;
    settings.set("n", 42);
    settings.set("neg", -3);
    settings.set("big", 5000000000.0);
    settings.set("real", 2.5);
    settings.set("numtext", "17");
    settings.set("word", "abc");
    settings.set("color", "not a colour");
    settings.set_rect("rect", QRect(-1, 2, 30, 40));
    settings.set_point("point", QPoint(-5, 6));
    settings.set_size("size", QSize(640, 480));

    auto check = [](GSettings const& s) {
        EXPECT_EQ(s.get_uint("n", 1), 42u);
        EXPECT_EQ(s.get<QString>("n", "x"), "42");
        EXPECT_EQ(s.get_int("numtext", 0), 17);
        EXPECT_DOUBLE_EQ(s.get_double("real", 0), 2.5);
        EXPECT_FLOAT_EQ(s.get_float("real", 0), 2.5f);
        EXPECT_EQ(s.get_rect("rect", {}), QRect(-1, 2, 30, 40));
        EXPECT_EQ(s.get_point("point", {}), QPoint(-5, 6));
        EXPECT_EQ(s.get_size("size", {}), QSize(640, 480));
        // Not convertible: the caller's fallback, never a wrapped or zero value.
        EXPECT_EQ(s.get_int("word", 5), 5);
        EXPECT_EQ(s.get_uint("word", 5), 5u);
        EXPECT_EQ(s.get_float("word", 1.5f), 1.5f);
        EXPECT_EQ(s.get_double("word", 1.5), 1.5);
        EXPECT_EQ(s.get_uint("neg", 5), 5u);
        EXPECT_EQ(s.get_int("big", 5), 5);
        EXPECT_EQ(s.get_int("real", 5), 5);
        EXPECT_EQ(s.get<QString>("rect", "fb"), "fb");
        EXPECT_EQ(s.get_color("color", Qt::green), QColor(Qt::green));
        EXPECT_EQ(s.get_rect("word", QRect(1, 1, 1, 1)), QRect(1, 1, 1, 1));
        EXPECT_EQ(s.get_size("n", QSize(2, 2)), QSize(2, 2));
    };
    {
        SCOPED_TRACE("before the write");
        check(settings);
    }
    ASSERT_TRUE(settings.flush());
    SCOPED_TRACE("read back from the file");
    check(*read_back(settings));
}

TEST_F(GSettingsTest, OlderVersionIsAnnouncedClearedAndStamped)
{
    test::LogLevelGuard level(gen::log::LEVEL_DEBUG);
    test::RecordingSink sink;
    GSettings settings;
    settings.set_config_version(20027);
    settings.set_theme(2);
    ASSERT_TRUE(settings.flush());

    testing::internal::CaptureStdout();
    EXPECT_TRUE(settings.check_update_config(20028, true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "GSettings::check_update_config, current version:20027, version expected:20028\n");
    EXPECT_EQ(settings.get_version(), 20027u);
    EXPECT_EQ(settings.get_version_minimum(), 20028u);
    EXPECT_EQ(settings.allKeys(), QStringList{"config/version"});
    EXPECT_EQ(sink.texts(), (std::vector<std::string>{"GSettings::check_update_config - CLEAR",
                                                      "GSettings::clear_config", "GSettings::~clear_config"}));

    // The result is on disk at once; a second check changes nothing.
    std::unique_ptr<GSettings> disk = read_back(settings);
    EXPECT_EQ(disk->allKeys(), QStringList{"config/version"});
    EXPECT_EQ(disk->get_config_version(), 20028u);
    testing::internal::CaptureStdout();
    EXPECT_FALSE(settings.check_update_config(20028, true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(settings.get_version(), 20028u);
    EXPECT_EQ(settings.get_config_version(), 20028u);
}

TEST_F(GSettingsTest, VersionCheckEdges)
{
    GSettings settings;
    settings.set_theme(2);
    // Unstamped: 99, cleared.
    testing::internal::CaptureStdout();
    EXPECT_TRUE(settings.check_update_config(20028, true));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "GSettings::check_update_config, current version:99, version expected:20028\n");
    EXPECT_EQ(settings.get_theme(), 1u);
    EXPECT_EQ(settings.get_config_version(), 20028u);

    // Without clearing only the stamp changes.
    settings.set_theme(2);
    testing::internal::CaptureStdout();
    EXPECT_TRUE(settings.check_update_config(20030, false));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(settings.get_theme(), 2u);
    EXPECT_EQ(settings.get_config_version(), 20030u);

    // A newer store is left alone.
    EXPECT_FALSE(settings.check_update_config(20028, true));
    EXPECT_EQ(settings.get_version(), 20030u);
    EXPECT_EQ(settings.get_version_minimum(), 20028u);
    EXPECT_EQ(settings.get_theme(), 2u);
    EXPECT_EQ(settings.get_config_version(), 20030u);
}

TEST_F(GSettingsTest, UnreadableStoreIsNeitherClearedNorStamped)
{
    QString const path = GSettings().fileName();
    QByteArray const damaged = "[config\nversion=5\n[ui]\ntheme=3\n";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged);
    }
    test::RecordingSink sink;
    GSettings settings;
    EXPECT_FALSE(settings.check_update_config(20028, true));
    EXPECT_TRUE(sink.contains("GSettings::check_update_config, store not readable, left as it is"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
}

TEST_F(GSettingsTest, ClearConfigEmptiesTheFile)
{
    GSettings settings;
    settings.set("a/b", 1);
    ASSERT_TRUE(settings.set_app_node(test::make_sample_node()));
    EXPECT_TRUE(settings.clear_config());
    EXPECT_TRUE(settings.allKeys().isEmpty());
    std::unique_ptr<GSettings> disk = read_back(settings);
    EXPECT_TRUE(disk->allKeys().isEmpty());
    EXPECT_TRUE(disk->get_app_node().empty());
}

TEST_F(GSettingsTest, DamagedNodeTextGivesAnEmptyNodeAndAnError)
{
    test::RecordingSink sink;
    GSettings settings;
    settings.setValue("GApplication/app", "AAAAAAAAAAAA");
    GNode const node = settings.get_app_node();
    EXPECT_TRUE(node.empty());
    EXPECT_TRUE(node.children().empty());
    EXPECT_TRUE(sink.contains("from_qstring, wrong magic:0")) << testing::PrintToString(sink.texts());
}

TEST_F(GSettingsTest, FailedWriteIsReportedNotSucceeded)
{
    // A regular file where a folder is needed defeats even root.
    QTemporaryDir blockerDir;
    ASSERT_TRUE(blockerDir.isValid());
    QString const blocker = blockerDir.filePath("blocker");
    {
        QFile file(blocker);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    test::TempSettings::set_location(blocker + "/config");
    GNode const sample = test::make_sample_node();
    test::RecordingSink sink;
    GSettings settings;

    EXPECT_FALSE(settings.set_app_node(sample));
    ASSERT_FALSE(sink.lines().empty());
    test::LoggedLine const line = sink.lines().front();
    EXPECT_EQ(line.level, gen::log::LEVEL_ERROR);
    EXPECT_EQ(line.text.rfind("GSettings::flush, write failed, status:", 0), 0u) << line.text;
    EXPECT_NE(line.text.find(settings.fileName().toStdString()), std::string::npos) << line.text;
    EXPECT_FALSE(settings.set_window_node(GNode{}, "CWinPlanets_0"));
    EXPECT_FALSE(settings.clear_config());
    EXPECT_FALSE(QFileInfo(blocker).isDir());
}

TEST_F(GSettingsTest, InstanceIsOneStoreOnTheCurrentLocation)
{
    GSettings& settings = GSettings::instance();
    EXPECT_EQ(&GSettings::instance(), &settings);
    EXPECT_TRUE(settings.fileName().startsWith(temp.folder())) << settings.fileName().toStdString();
    settings.set_theme(2);
    ASSERT_TRUE(settings.flush());
    EXPECT_EQ(read_back(settings)->get_theme(), 2u);
}

TEST_F(GSettingsTest, NodeWrittenByAnotherProcessReadsBackIntact)
{
    ASSERT_EQ(run_peer("write", temp.folder()), "");
    GSettings settings;
    for (GNode const& node : {settings.get_app_node(), settings.get_window_node("CWinPlanets_0")}) {
        EXPECT_TRUE(node.equals(test::make_sample_node())) << node.to_base_64_string().toStdString();
        EXPECT_EQ(test::sample_mismatches(node), std::vector<std::string>{});
    }
}

TEST_F(GSettingsTest, NodeWrittenHereReadsBackIntactInAnotherProcess)
{
    GNode const sample = test::make_sample_node();
    // The in-process check guards the shared sample itself.
    ASSERT_EQ(test::sample_mismatches(sample), std::vector<std::string>{});
    GSettings settings;
    ASSERT_TRUE(settings.set_app_node(sample));
    ASSERT_TRUE(settings.set_window_node(sample, "CWinPlanets_0"));
    EXPECT_EQ(run_peer("check", temp.folder()), "");
}

TEST(GSettingsDeathTest, NullSplitterIsFatal)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // The child ends without destructors, so nothing here may create files;
    // a store that is never written creates none.
    test::TempSettings location(QDir::temp().filePath("skyvale-unwritten-settings"));
    GSettings settings;
    // The fatal message goes to standard output; death tests read stderr.
    EXPECT_EXIT(
        {
            ::dup2(STDERR_FILENO, STDOUT_FILENO);
            settings.save_splitter_state(nullptr);
        },
        testing::ExitedWithCode(1), "nullptr:splitter == NULL\nsrc/gen/qt/GSettings.cpp\nLINE:");
    EXPECT_EXIT(
        {
            ::dup2(STDERR_FILENO, STDOUT_FILENO);
            settings.restore_splitter_state(nullptr);
        },
        testing::ExitedWithCode(1), "nullptr:splitter == NULL\nsrc/gen/qt/GSettings.cpp\nLINE:");
}
