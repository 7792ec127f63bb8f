#pragma once

#include <QImage>
#include <QWidget>

class QPushButton;

namespace quenra {

// The About page: the program's name, version and date over its logo, and an OK button that
// takes the inspector back to the first tab.
class AboutPage : public QWidget {
    Q_OBJECT
public:
    AboutPage(const QImage& logo, QWidget* parent = nullptr);

    QPushButton* OkButton() const { return ok_; }

private:
    QPushButton* ok_;
};

// Texts of the About page and the window caption.
inline const QString kProductLabel = QStringLiteral("Quenra ");
inline const QString kVersionLabel = QStringLiteral("Version 3.001");
inline const QString kDateLabel = QStringLiteral("Jan 27, 2010");

} // namespace quenra
