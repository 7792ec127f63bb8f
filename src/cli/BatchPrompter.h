#pragma once

#include "platform/Prompter.h"

#include <QStringList>

namespace quenra {

// The batch command line asks nothing: messages go through to `out`, and no question is
// passed on. The question before a rendering ("Display errors?") is answered Yes, so the data
// check's messages are printed in its place; every other question takes the answer that
// changes nothing.
class BatchPrompter : public Prompter {
public:
    explicit BatchPrompter(Prompter& out) : out_(out) {}

    void Inform(const QString& message) override;
    Answer Ask(const QString& question, Choices choices) override;

    // While held, messages are kept instead of passed on, so that the caller can choose where
    // each goes; Release ends the holding and hands the kept messages over.
    void Hold() { holding_ = true; }
    QStringList Release();

private:
    Prompter& out_;
    bool holding_ = false;
    QStringList held_;
};

} // namespace quenra
