#pragma once

#include <QWidget>

class QTextBrowser;
class QUrl;

namespace quenra {

// The inspectors' manual that comes with the program, in its own window: Markdown built into
// the program (so it also works from the build folder), links followed inside the window.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

    // Scrolls the section whose heading has the link name `anchor` (the heading's words in
    // lower case joined by "-", as the contents list links them) to the top. False when the
    // manual has no such section.
    bool ShowSection(const QString& anchor);

private:
    void FollowLink(const QUrl& link);

    QTextBrowser* browser_;
};

} // namespace quenra
