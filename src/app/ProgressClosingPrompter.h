#pragma once

#include "platform/Prompter.h"

#include <functional>

namespace quenra {

// Passes everything on to another prompter, but first closes the progress box of the work that
// is running, so that no message or question ever shows under a stale progress box.
class ProgressClosingPrompter : public Prompter {
public:
    ProgressClosingPrompter(Prompter& inner, std::function<void()> closeProgress)
        : inner_(inner), closeProgress_(std::move(closeProgress)) {}

    void Inform(const QString& message) override {
        closeProgress_();
        inner_.Inform(message);
    }
    Answer Ask(const QString& question, Choices choices) override {
        closeProgress_();
        return inner_.Ask(question, choices);
    }
    std::optional<QString> OpenFileName(const QString& filter) override {
        closeProgress_();
        return inner_.OpenFileName(filter);
    }
    std::optional<QString> SaveFileName(const QString& filter, const QString& suggested) override {
        closeProgress_();
        return inner_.SaveFileName(filter, suggested);
    }
    std::optional<quint32> PickColour(quint32 current) override {
        closeProgress_();
        return inner_.PickColour(current);
    }
    std::optional<QDate> PickDate(const QDate& shown) override {
        closeProgress_();
        return inner_.PickDate(shown);
    }

private:
    Prompter& inner_;
    std::function<void()> closeProgress_;
};

} // namespace quenra
