#include "BatchCommands.h"

#include "BatchPrompter.h"
#include "BatchUsage.h"
#include "CheckCommand.h"
#include "ConvertCommand.h"
#include "CurvesCommand.h"
#include "GraphCommand.h"
#include "PdfCommand.h"
#include "ReportCommand.h"
#include "SummaryCommand.h"
#include "graph/GraphTargetSize.h"
#include "hydraulics/NumberText.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

#include <algorithm>

namespace quenra {

namespace {

// A command line that asks for nothing the program knows: the usage on stderr.
int Usage(Prompter& prompter) {
    prompter.Inform(kBatchUsage);
    return 2;
}

// `--curves FILE` or `--curves FILE --test N` with N 0..5 (0 lets the graph choose).
int Curves(const QStringList& arguments, Prompter& prompter, std::FILE* out) {
    int test = 0;
    if (arguments.size() == 4 && arguments.at(2) == QStringLiteral("--test")) {
        test = ParseIntegerOr(arguments.at(3), -1);
        if (test < 0 || test > kTestCount) {
            return Usage(prompter);
        }
    } else if (arguments.size() != 2) {
        return Usage(prompter);
    }
    return PrintCurves(arguments.at(1), test, prompter, out);
}

// `--graph FILE OUT.jpg` followed by `--test N` and `--size INDEX` in any order, each at most
// once; N 0..5, INDEX one of the capture size choices.
int Graph(const QStringList& arguments, Prompter& prompter) {
    if (arguments.size() < 3 || arguments.size() % 2 == 0) {
        return Usage(prompter);
    }
    int test = -1;
    int size = -1;
    for (qsizetype i = 3; i + 1 < arguments.size(); i += 2) {
        const QString option = arguments.at(i);
        const int value = ParseIntegerOr(arguments.at(i + 1), -1);
        if (option == QStringLiteral("--test") && test < 0 && value >= 0 && value <= kTestCount) {
            test = value;
        } else if (option == QStringLiteral("--size") && size < 0 && value >= 0 &&
                   value <= capture_size::Last) {
            size = value;
        } else {
            return Usage(prompter);
        }
    }
    return WriteGraph(arguments.at(1), arguments.at(2), std::max(test, 0), size, prompter);
}

} // namespace

bool BatchCommandPaints(const QStringList& arguments) {
    const QString command = arguments.value(0);
    return command == QStringLiteral("--graph") || command == QStringLiteral("--report") ||
           command == QStringLiteral("--pdf");
}

int RunBatchCommand(const QStringList& arguments, Prompter& messages, std::FILE* out) {
    BatchPrompter prompter(messages);
    const QString command = arguments.value(0);
    if (command == QStringLiteral("--help") && arguments.size() == 1) {
        std::fprintf(out, "%s\n", kBatchUsage.toLocal8Bit().constData());
        return 0;
    }
    if (command == QStringLiteral("--version") && arguments.size() == 1) {
        std::fprintf(out, "%s\n", kVersionText);
        return 0;
    }
    if (command == QStringLiteral("--convert") && arguments.size() == 3) {
        return ConvertProject(arguments.at(1), arguments.at(2), prompter);
    }
    if (command == QStringLiteral("--check") && arguments.size() == 2) {
        return CheckProjectFile(arguments.at(1), prompter, out);
    }
    if (command == QStringLiteral("--curves")) {
        return Curves(arguments, prompter, out);
    }
    if (command == QStringLiteral("--graph")) {
        return Graph(arguments, prompter);
    }
    if (command == QStringLiteral("--report") && arguments.size() == 3) {
        return WriteReport(arguments.at(1), arguments.at(2), prompter, out);
    }
    if (command == QStringLiteral("--summary") && arguments.size() == 2) {
        return PrintSupplySummary(arguments.at(1), prompter, out);
    }
    if (command == QStringLiteral("--pdf") && arguments.size() == 3) {
        return WritePdf(arguments.at(1), arguments.at(2), prompter);
    }
    return Usage(prompter);
}

} // namespace quenra
