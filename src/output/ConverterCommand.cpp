#include "output/ConverterCommand.h"

#include "output/PdfFileChoice.h"
#include "output/PdfMessages.h"

#include <QDir>

#include <cmath>

namespace quenra {

namespace {

QString Quoted(const QString& text) {
    return QStringLiteral("\"") + text + QStringLiteral("\"");
}

// -p 1 puts the new pages after the existing ones, -p 0 before them.
QString PageOrderValue(PdfMode mode) {
    switch (mode) {
    case PdfMode::Append:
        return QStringLiteral("1");
    case PdfMode::Insert:
        return QStringLiteral("0");
    case PdfMode::New:
    case PdfMode::Overwrite:
        break;
    }
    return QString();
}

} // namespace

QString ConverterProgramPath(const QString& executableFolder) {
    return QDir(executableFolder).filePath(kConverterProgramName);
}

QString ConverterImagePattern(const QString& imageFolder) {
    return QDir(imageFolder).filePath(QStringLiteral("*.*"));
}

int PixelsPerInch(int pageImageHeight) {
    return static_cast<int>(std::lround(pageImageHeight / kPageHeightInches));
}

QStringList ConverterArguments(const ConverterJob& job) {
    QStringList arguments;
    const QString pageOrder = PageOrderValue(job.Mode);
    if (!pageOrder.isEmpty()) {
        arguments << QStringLiteral("-p") << pageOrder;
    }
    arguments << QStringLiteral("-r") << QString::number(PixelsPerInch(job.PageImageHeight))
              << QStringLiteral("-u") << pdf_messages::kAuthor << QStringLiteral("-d")
              << job.Description << QStringLiteral("-t") << PdfTitle(job.ProjectFileName)
              << QStringLiteral("-l") << job.LogFile << QStringLiteral("-o") << job.OutputFile
              << ConverterImagePattern(job.ImageFolder);
    return arguments;
}

QString ConverterParameterText(const ConverterJob& job) {
    QString text;
    const QString pageOrder = PageOrderValue(job.Mode);
    if (!pageOrder.isEmpty()) {
        text += QStringLiteral(" -p ") + pageOrder + QStringLiteral(" ");
    }
    text += QStringLiteral(" -r ") + QString::number(PixelsPerInch(job.PageImageHeight));
    text += QStringLiteral(" -u ") + Quoted(pdf_messages::kAuthor);
    text += QStringLiteral(" -d ") + Quoted(job.Description);
    text += QStringLiteral(" -t ") + Quoted(PdfTitle(job.ProjectFileName));
    text += QStringLiteral(" -l ") + Quoted(job.LogFile);
    text += QStringLiteral(" -o ") + Quoted(job.OutputFile) + QStringLiteral(" ");
    text += QStringLiteral(" ") + Quoted(ConverterImagePattern(job.ImageFolder));
    return text;
}

} // namespace quenra
