// Runs the real program and checks what it prints at start-up.
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

namespace {
// Standard output of the program run with `arguments`, line by line; the
// program must end normally with exit code 0.
QStringList run_program(QStringList const& arguments)
{
    QProcess program;
    program.start(QStringLiteral(SKYVALE_EXE), arguments);
    EXPECT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    return QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}
}  // namespace

TEST(Startup, LogsNumberedPrefixedLinesAndExitsZero)
{
    QStringList const lines = run_program({});
    ASSERT_GE(lines.size(), 3);
    // "[000001] [INF] [14:03:27,123456] [0001] text": number, level, wall
    // clock with microseconds, thread, one blank, then the text.
    QRegularExpression const prefix(
        R"(^\[(\d{6})\] \[(ERR|WRN|INF|DEB|TRA)\] \[\d{2}:\d{2}:\d{2},\d{6}\] \[0001\] (\S.*)$)");
    int expectedNumber = 1;
    for (QString const& line : lines) {
        auto const match = prefix.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        EXPECT_EQ(match.captured(1).toInt(), expectedNumber++) << line.toStdString();
    }
    EXPECT_TRUE(lines.front().contains("qMain, skyvale started")) << lines.front().toStdString();
}

TEST(Startup, LogLevelComesFromTheCommandLine)
{
    QStringList const infoOnly = run_program({"--__log_level", "2"});
    ASSERT_EQ(infoOnly.size(), 1) << infoOnly.join('\n').toStdString();
    EXPECT_TRUE(infoOnly.front().contains("[INF]"));

    QStringList const outOfRange = run_program({"--__log_level", "7"});
    ASSERT_FALSE(outOfRange.isEmpty());
    EXPECT_EQ(outOfRange.front(), "set_log_level out of range 0-4, level:7 ?");
    // The level stays at its default, debug: the trace-free lines all show.
    EXPECT_EQ(outOfRange.size(), 4);

    QStringList const rejected = run_program({"stray"});
    ASSERT_FALSE(rejected.isEmpty());
    EXPECT_TRUE(rejected.contains("log::configure, GArgv parser error")) << rejected.join('\n').toStdString();
}
