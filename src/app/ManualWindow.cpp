#include "ManualWindow.h"

#include "WindowTexts.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quenra {

namespace {

// The link name of a heading: "Capture, print and PDF" gives "capture-print-and-pdf".
QString AnchorOf(const QString& heading) {
    QString anchor;
    for (const QChar c : heading.toLower()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('-')) {
            anchor += c;
        } else if (c == QLatin1Char(' ')) {
            anchor += QLatin1Char('-');
        }
    }
    return anchor;
}

} // namespace

ManualWindow::ManualWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("ManualWindow"));
    setWindowTitle(window_texts::kManualTitle);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("ManualText"));
    // Links are followed here: the contents list links to headings, which Markdown does not
    // name, and web links go to the browser.
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &ManualWindow::FollowLink);
    browser_->setSource(QUrl(window_texts::kManualSource), QTextDocument::MarkdownResource);
    layout->addWidget(browser_);
    resize(820, 700);
}

void ManualWindow::FollowLink(const QUrl& link) {
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment()) {
        ShowSection(link.fragment());
    } else if (link.scheme() == QStringLiteral("http") ||
               link.scheme() == QStringLiteral("https")) {
        QDesktopServices::openUrl(link);
    }
}

bool ManualWindow::ShowSection(const QString& anchor) {
    QTextDocument* document = browser_->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() > 0 && AnchorOf(block.text()) == anchor) {
            const QRectF place = document->documentLayout()->blockBoundingRect(block);
            browser_->verticalScrollBar()->setValue(static_cast<int>(place.top()));
            return true;
        }
    }
    return false;
}

} // namespace quenra
