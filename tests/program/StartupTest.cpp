// Runs the real program and checks what it prints at start-up.
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

TEST(Startup, LogsNumberedPrefixedLinesAndExitsZero)
{
    QProcess program;
    program.start(QStringLiteral(SKYVALE_EXE), {});
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QStringList const lines =
        QString::fromUtf8(program.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    ASSERT_GE(lines.size(), 2);
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
