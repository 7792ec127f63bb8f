#include "CommentsPage.h"

#include "PageBuilding.h"
#include "model/CommentText.h"
#include "model/TextLimits.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace quenra {

namespace {

// The memo fills the page; a narrow or strongly scaled screen gets a narrower one than the
// 785 pixels of a full-size window, which wraps the same lines (the report wraps them at its
// own width).
constexpr int kNarrowestMemo = 400;

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

CommentsPage::CommentsPage(ProjectData& project, QWidget* parent)
    : DataPage(parent), project_(project), tabs_(new QTabBar(this)),
      memo_(new QPlainTextEdit(this)) {
    setObjectName(QStringLiteral("CommentsPanel"));
    tabs_->setObjectName(QStringLiteral("TabControl4"));
    tabs_->setExpanding(false);
    for (int page = 1; page <= kTestCount; ++page) {
        tabs_->addTab(QString::number(page));
    }
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setMinimumWidth(kNarrowestMemo);
    memo_->setTabChangesFocus(true);

    QPushButton* cut = MakeButton(QStringLiteral("Button1"), QStringLiteral("Cut  Ctrl-X"), this);
    QPushButton* copy = MakeButton(QStringLiteral("Button2"), QStringLiteral("Copy  Ctrl-C"), this);
    QPushButton* paste =
        MakeButton(QStringLiteral("Button3"), QStringLiteral("Paste  Ctrl-V"), this);
    QPushButton* selectAll =
        MakeButton(QStringLiteral("Button4"), QStringLiteral("Select All"), this);
    connect(cut, &QPushButton::clicked, memo_, &QPlainTextEdit::cut);
    connect(copy, &QPushButton::clicked, memo_, &QPlainTextEdit::copy);
    connect(paste, &QPushButton::clicked, memo_, &QPlainTextEdit::paste);
    connect(selectAll, &QPushButton::clicked, memo_, &QPlainTextEdit::selectAll);

    connect(memo_, &QPlainTextEdit::textChanged, this, &CommentsPage::StoreMemo);
    connect(tabs_, &QTabBar::currentChanged, this, &CommentsPage::PageChosen);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cut);
    buttons->addWidget(copy);
    buttons->addWidget(paste);
    buttons->addWidget(selectAll);
    buttons->addStretch();
    buttons->addWidget(
        MakeCheck(QStringLiteral("CommentsInReport"), QStringLiteral("Report"), this));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->addWidget(tabs_);
    layout->addWidget(memo_, 1);
    layout->addLayout(buttons);
}

QList<FieldBinding> CommentsPage::Bindings() const {
    return {CheckField(QStringLiteral("CommentsInReport"),
                       FieldOf(&ProjectData::ReportCommentsSection)),
            // The text box holds page `page` of the comments of the project's kind of test.
            CellField(QStringLiteral("Memo1"), [](ProjectData& p, int page, int, int) -> QString& {
                return (p.IsHydrantTest ? p.HydrantComments : p.Comments)[page];
            })};
}

int CommentsPage::SelectedPage() const {
    return std::clamp(tabs_->currentIndex() + 1, 1, kTestCount);
}

const QString& CommentsPage::SelectedComment() const {
    const PerTest<QString>& pages =
        project_.IsHydrantTest ? project_.HydrantComments : project_.Comments;
    return pages[SelectedPage()];
}

void CommentsPage::LoadCommentsMemo() {
    const QString shown = CommentLines(SelectedComment()).join(QLatin1Char('\n'));
    if (memo_->toPlainText() != shown) {
        const QSignalBlocker blocker(memo_);
        memo_->setPlainText(shown);
    }
}

void CommentsPage::StoreMemo() {
    const QString page = CommentPage(CommentLines(memo_->toPlainText()));
    // What was just typed or pasted is cut where it would take the page past its bound (a page
    // that came longer from a file keeps its length); removing it brings us back here.
    const qsizetype allowed =
        std::max(text_limits::kMaxCommentPageLength, SelectedComment().size());
    const qsizetype excess = page.size() - allowed;
    QTextCursor cursor = memo_->textCursor();
    if (excess > 0 && cursor.position() > 0) {
        cursor.clearSelection();
        cursor.movePosition(QTextCursor::Left, QTextCursor::KeepAnchor,
                            static_cast<int>(std::min<qsizetype>(excess, cursor.position())));
        cursor.removeSelectedText();
        return;
    }
    emit CellEntered(memo_->objectName(), SelectedPage(), 0, 0, page);
}

} // namespace quenra
