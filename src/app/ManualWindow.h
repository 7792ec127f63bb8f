#pragma once

#include <QWidget>

class QTextBrowser;

namespace quenra {

// The inspectors' manual that comes with the program, in its own window: Markdown built into
// the program (so it also works from the build folder), links followed inside the window.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return browser_; }

private:
    QTextBrowser* browser_;
};

} // namespace quenra
