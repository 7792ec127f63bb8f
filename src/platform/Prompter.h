#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace quenra {

// Everything the program says to the inspector or asks of them goes through this interface:
// the window shows message boxes and dialogs, the batch command line prints to stderr and takes
// the harmless answer, and tests script the answers and keep every message.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel, Abort };
    enum class Choices { YesNo, YesNoCancel, YesNoAbort };

    virtual ~Prompter() = default;

    // A message with an OK button; returns when it has been read.
    virtual void Inform(const QString& message) = 0;

    // A confirmation; the answer is one of the buttons that the choices offer.
    virtual Answer Ask(const QString& question, Choices choices) = 0;

    // The dialogs below answer "cancelled" unless a prompter that can show them says otherwise.

    // A file to open; `filter` lists name patterns as "Quenra Files|*.qrx|NED FIles|*.ned".
    virtual std::optional<QString> OpenFileName(const QString& filter) {
        Q_UNUSED(filter);
        return std::nullopt;
    }
    // The same, with the dialog starting in `folder` (empty: wherever the dialog chooses).
    virtual std::optional<QString> OpenFileNameIn(const QString& filter, const QString& folder) {
        Q_UNUSED(folder);
        return OpenFileName(filter);
    }
    // A file to save to, starting from `suggested`.
    virtual std::optional<QString> SaveFileName(const QString& filter, const QString& suggested) {
        Q_UNUSED(filter);
        Q_UNUSED(suggested);
        return std::nullopt;
    }
    // A colour (red in the lowest byte), starting from `current`.
    virtual std::optional<quint32> PickColour(quint32 current) {
        Q_UNUSED(current);
        return std::nullopt;
    }
    // A day on the calendar, opening on `shown`.
    virtual std::optional<QDate> PickDate(const QDate& shown) {
        Q_UNUSED(shown);
        return std::nullopt;
    }
};

} // namespace quenra
