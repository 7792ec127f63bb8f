#pragma once

#include "platform/Prompter.h"

#include <QStringList>

#include <deque>

namespace quenra::test {

// Keeps every message and question in order and answers questions from a queue (No when the
// queue is empty), so tests can assert on exactly what the inspector would have seen.
class ScriptedPrompter : public Prompter {
public:
    void Inform(const QString& message) override { Messages.append(message); }

    Answer Ask(const QString& question, Choices) override {
        Questions.append(question);
        if (Answers.empty()) {
            return Answer::No;
        }
        const Answer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    QStringList Messages;
    QStringList Questions;
    std::deque<Answer> Answers;
};

} // namespace quenra::test
