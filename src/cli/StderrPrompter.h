#pragma once

#include "platform/Prompter.h"

#include <cstdio>

namespace quenra {

// The batch command line's prompter: every message goes to stderr on a line of its own, and
// every question, never printed, takes the answer that changes nothing.
class StderrPrompter : public Prompter {
public:
    explicit StderrPrompter(std::FILE* stream = stderr) : stream_(stream) {}

    void Inform(const QString& message) override;
    Answer Ask(const QString& question, Choices choices) override;

private:
    std::FILE* stream_;
};

} // namespace quenra
