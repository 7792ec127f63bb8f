// `quenra --help` and a wrong command line: the usage names every batch command the README
// lists, on stdout for --help (exit 0) and on stderr otherwise (exit 2).
#include "BatchRun.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>

namespace quenra {
namespace {

// The commands of the README's batch table, as written there between backticks.
QStringList ReadmeCommands() {
    QFile readme(QStringLiteral(QUENRA_EXAMPLES_DIR "/../README.md"));
    if (!readme.open(QIODevice::ReadOnly)) {
        return {};
    }
    QStringList commands;
    const QRegularExpression row(QStringLiteral("^\\| `(quenra --[^`]*)` \\|"));
    for (const QString& line : QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch()) {
            commands << match.captured(1);
        }
    }
    return commands;
}

TEST(BatchUsage, HelpListsEveryCommandOfTheReadmeOnStdout) {
    const test::BatchRun run = test::RunBatch({QStringLiteral("--help")});
    EXPECT_EQ(run.Status, 0);
    EXPECT_TRUE(run.Prompter.Messages.isEmpty());
    const QStringList commands = ReadmeCommands();
    ASSERT_GE(commands.size(), 7);
    QStringList lines = run.Out.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        line = line.trimmed();
    }
    for (const QString& command : commands) {
        const bool listed = std::any_of(lines.begin(), lines.end(), [&](const QString& line) {
            return line.startsWith(command + QLatin1Char(' ')) ||
                   line.startsWith(QStringLiteral("Usage: ") + command + QLatin1Char(' '));
        });
        EXPECT_TRUE(listed) << command.toStdString();
    }
}

// A command line, arguments separated by blanks.
class WrongCommandLine : public ::testing::TestWithParam<const char*> {};

TEST_P(WrongCommandLine, GivesTheUsageOnStderrAndStatusTwo) {
    const test::BatchRun run =
        test::RunBatch(QString::fromLatin1(GetParam()).split(QLatin1Char(' ')));
    EXPECT_EQ(run.Status, 2);
    EXPECT_TRUE(run.Out.isEmpty());
    ASSERT_EQ(run.Prompter.Messages.size(), 1);
    const test::BatchRun help = test::RunBatch({QStringLiteral("--help")});
    EXPECT_EQ(run.Prompter.Messages.first() + QLatin1Char('\n'), help.Out);
}

INSTANTIATE_TEST_SUITE_P(BatchUsage, WrongCommandLine,
                         ::testing::Values("--frobnicate", "--help --version", "--pdf only-one"));

} // namespace
} // namespace quenra
