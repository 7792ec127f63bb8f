#include "BatchCommands.h"

#include "ConvertCommand.h"
#include "platform/Prompter.h"

namespace quenra {

namespace {

const QString kUsage = QStringLiteral("Usage: quenra [FILE]\n"
                                      "       quenra --version\n"
                                      "       quenra --convert IN OUT");

int Usage(Prompter& prompter) {
    prompter.Inform(kUsage);
    return 2;
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
    return Usage(prompter);
}

} // namespace quenra
