#pragma once

#include "platform/Prompter.h"

#include <QStringList>

#include <deque>

namespace quenra::test {

// Keeps every message and question in order and answers from queues (No, or cancelled, when a
// queue is empty), so tests can assert on exactly what the inspector would have seen.
class ScriptedPrompter : public Prompter {
public:
    void Inform(const QString& message) override { Messages.append(message); }

    Answer Ask(const QString& question, Choices) override {
        Questions.append(question);
        return Take(Answers, Answer::No);
    }

    std::optional<QString> OpenFileName(const QString& filter) override {
        Filters.append(filter);
        return TakeFileName();
    }
    std::optional<QString> OpenFileNameIn(const QString& filter, const QString& folder) override {
        OpenFolders.append(folder);
        return OpenFileName(filter);
    }
    std::optional<QString> SaveFileName(const QString& filter, const QString& suggested) override {
        Filters.append(filter);
        SuggestedNames.append(suggested);
        return TakeFileName();
    }
    std::optional<quint32> PickColour(quint32 current) override {
        ColourRequests.append(current);
        return Take(Colours, std::optional<quint32>());
    }
    std::optional<QDate> PickDate(const QDate& shown) override {
        DateRequests.append(shown);
        return Take(Dates, std::optional<QDate>());
    }

    QStringList Messages;
    QStringList Questions;
    QStringList Filters;
    QStringList SuggestedNames; // the names the save dialogs started from
    QStringList OpenFolders;    // where each open dialog that was given a folder started
    QList<quint32> ColourRequests;
    QList<QDate> DateRequests;
    std::deque<Answer> Answers;
    QStringList FileNames; // an empty name cancels the dialog
    std::deque<std::optional<quint32>> Colours;
    std::deque<std::optional<QDate>> Dates;

private:
    std::optional<QString> TakeFileName() {
        if (FileNames.isEmpty() || FileNames.first().isEmpty()) {
            if (!FileNames.isEmpty()) {
                FileNames.removeFirst();
            }
            return std::nullopt;
        }
        return FileNames.takeFirst();
    }

    template <class T, class U> static U Take(std::deque<T>& queue, U fallback) {
        if (queue.empty()) {
            return fallback;
        }
        U value = queue.front();
        queue.pop_front();
        return value;
    }
};

} // namespace quenra::test
