// Paints the application icon in the sizes the desktop asks for: the logo's soft wave on a
// rounded square with a large blue "Q", as the logo writes the name. The scalable icon
// (data/icons/quenra.svg) shows the same design.
//   app-icon OUTPUT-FOLDER SIZE...   writes OUTPUT-FOLDER/SIZExSIZE/apps/quenra.png
#include "graph/ReportLogo.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

// The logo's blue, and a darker edge so that the square stands out on light panels.
const QColor kLetterBlue(0, 0, 255);
const QColor kEdgeBlue(0, 0, 160, 170);

QImage PaintIcon(int size) {
    // The wave spans the logo's height across the icon, so its colours are the logo's.
    QImage wave(size, size, QImage::Format_ARGB32);
    for (int y = 0; y < size; ++y) {
        auto* row = reinterpret_cast<QRgb*>(wave.scanLine(y));
        for (int x = 0; x < size; ++x) {
            const int logoX = 1 + (x * quenra::kLogoWidth) / size;
            const int logoY = 1 + (y * quenra::kLogoHeight) / size;
            row[x] = quenra::LogoWaveColour(logoX, logoY);
        }
    }

    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal margin = size / 16.0;
    const QRectF square(margin, margin, size - 2 * margin, size - 2 * margin);
    QPainterPath outline;
    outline.addRoundedRect(square, size / 8.0, size / 8.0);
    painter.setClipPath(outline);
    painter.drawImage(0, 0, wave);
    painter.setClipping(false);
    painter.setPen(QPen(kEdgeBlue, qMax(1.0, size / 48.0)));
    painter.drawPath(outline);

    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(qRound(square.height() * 0.8));
    font.setHintingPreference(QFont::PreferNoHinting);
    painter.setFont(font);
    painter.setPen(kLetterBlue);
    painter.drawText(square, Qt::AlignCenter, QStringLiteral("Q"));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: app-icon OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        bool number = false;
        const int size = arguments.at(i).toInt(&number);
        if (!number || size < 16 || size > 1024) {
            std::fprintf(stderr, "app-icon: not an icon size: %s\n", qPrintable(arguments.at(i)));
            return 2;
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(arguments.at(1)).arg(size);
        const QString file = folder + QStringLiteral("/quenra.png");
        if (!QDir().mkpath(folder) || !PaintIcon(size).save(file)) {
            std::fprintf(stderr, "app-icon: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
