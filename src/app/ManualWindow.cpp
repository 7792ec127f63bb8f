#include "ManualWindow.h"

#include "WindowTexts.h"

#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quenra {

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(window_texts::kManualTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("ManualText"));
    browser_->setOpenExternalLinks(true);
    browser_->setSource(QUrl(window_texts::kManualSource), QTextDocument::MarkdownResource);
    layout->addWidget(browser_);
    resize(820, 700);
}

} // namespace quenra
