#include "BatchPrompter.h"

#include "hydraulics/CheckMessages.h"

namespace quenra {

void BatchPrompter::Inform(const QString& message) {
    if (holding_) {
        held_ << message;
    } else {
        out_.Inform(message);
    }
}

Prompter::Answer BatchPrompter::Ask(const QString& question, Choices choices) {
    if (question == check_messages::kDisplayErrorsQuestion) {
        return Answer::Yes;
    }
    return choices == Choices::YesNoCancel ? Answer::Cancel : Answer::No;
}

QStringList BatchPrompter::Release() {
    holding_ = false;
    QStringList held;
    held.swap(held_);
    return held;
}

} // namespace quenra
