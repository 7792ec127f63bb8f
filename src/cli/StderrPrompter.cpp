#include "StderrPrompter.h"

#include <QByteArray>

namespace quenra {

void StderrPrompter::Inform(const QString& message) {
    const QByteArray text = message.toLocal8Bit();
    std::fprintf(stream_, "%s\n", text.constData());
    std::fflush(stream_);
}

Prompter::Answer StderrPrompter::Ask(const QString& question, Choices choices) {
    Q_UNUSED(question);
    return choices == Choices::YesNoCancel ? Answer::Cancel : Answer::No;
}

} // namespace quenra
