#pragma once

#include <QString>

namespace quenra {

// Everything the program says to the inspector or asks of them goes through this interface:
// the window shows message boxes, the batch command line prints to stderr and takes the
// harmless answer, and tests script the answers and keep every message.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel, Abort };
    enum class Choices { YesNo, YesNoCancel, YesNoAbort };

    virtual ~Prompter() = default;

    // A message with an OK button; returns when it has been read.
    virtual void Inform(const QString& message) = 0;

    // A confirmation; the answer is one of the buttons that the choices offer.
    virtual Answer Ask(const QString& question, Choices choices) = 0;
};

} // namespace quenra
