#include "BatchCommands.h"

#include "CheckCommand.h"
#include "ConvertCommand.h"
#include "CurvesCommand.h"
#include "hydraulics/NumberText.h"
#include "model/ProjectData.h"
#include "platform/Prompter.h"

namespace quenra {

namespace {

const QString kUsage = QStringLiteral("Usage: quenra [FILE]\n"
                                      "       quenra --version\n"
                                      "       quenra --convert IN OUT\n"
                                      "       quenra --check FILE\n"
                                      "       quenra --curves FILE [--test N]");

int Usage(Prompter& prompter) {
    prompter.Inform(kUsage);
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

} // namespace

int RunBatchCommand(const QStringList& arguments, Prompter& prompter, std::FILE* out) {
    const QString command = arguments.value(0);
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
    return Usage(prompter);
}

} // namespace quenra
