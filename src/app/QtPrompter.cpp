#include "QtPrompter.h"

#include "ColourSwatch.h"
#include "DatePicker.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace quenra {

namespace {

const QString kTitle = QStringLiteral("Quenra");

} // namespace

QString QtFileFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        filters << parts.at(i) + QStringLiteral(" (") + parts.at(i + 1) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

void QtPrompter::Inform(const QString& message) {
    QMessageBox::information(parent_, kTitle, message);
}

Prompter::Answer QtPrompter::Ask(const QString& question, Choices choices) {
    QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No;
    if (choices == Choices::YesNoCancel) {
        buttons |= QMessageBox::Cancel;
    } else if (choices == Choices::YesNoAbort) {
        buttons |= QMessageBox::Abort;
    }
    switch (QMessageBox::question(parent_, kTitle, question, buttons)) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Abort:
        return Answer::Abort;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        // Closing the box (Escape, the title bar) is the harmless answer of its choices.
        return choices == Choices::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

std::optional<QString> QtPrompter::OpenFileName(const QString& filter) {
    return OpenFileNameIn(filter, QString());
}

std::optional<QString> QtPrompter::OpenFileNameIn(const QString& filter, const QString& folder) {
    const QString name =
        QFileDialog::getOpenFileName(parent_, kTitle, folder, QtFileFilter(filter));
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<QString> QtPrompter::SaveFileName(const QString& filter, const QString& suggested) {
    const QString name =
        QFileDialog::getSaveFileName(parent_, kTitle, suggested, QtFileFilter(filter));
    return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
}

std::optional<quint32> QtPrompter::PickColour(quint32 current) {
    const QColor chosen = QColorDialog::getColor(ToQColor(current), parent_, kTitle);
    return chosen.isValid() ? std::optional<quint32>(FromQColor(chosen)) : std::nullopt;
}

std::optional<QDate> QtPrompter::PickDate(const QDate& shown) {
    if (!datePicker_) {
        return std::nullopt;
    }
    return datePicker_->Choose(shown);
}

} // namespace quenra
