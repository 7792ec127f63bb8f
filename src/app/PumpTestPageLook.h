#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace quenra {

class StringGrid;

// The look shared by the parts of the pump test page: its small builders, the captions and
// sizes more than one part uses, and the controller pressure settings that the page builds and
// binds.
namespace pump_page {

inline const QString kComment = QStringLiteral("Comment");
inline const QString kComments = QStringLiteral("Comments");

// Sizes, in pixels.
constexpr int kGridRowHeight = 22;
constexpr int kReadingColumnWidth = 50;
constexpr int kPitotColumnWidth = 86;

// Controller pressure settings: caption and control of each member, by pair 1..4.
struct PressureSetting {
    int Pair;
    int Member;
    const char* Control;
    const char* Caption;
};
constexpr PressureSetting kPressureSettings[] = {
    {1, 1, "Edit24", "Jockey On"},  {1, 2, "Edit27", "Fire Pump On"},
    {2, 1, "Edit25", "Jockey Off"}, {2, 2, "Edit26", "Fire Pump Off"},
    {3, 1, "Edit29", "Cut In"},     {3, 2, "Edit32", "Cut In"},
    {4, 1, "Edit30", "Cut Out"},    {4, 2, "Edit31", "Cut Out"},
};

QString Name(const char* name);
QGroupBox* MakeGroup(const QString& name, const QString& title, QWidget* parent);
QGridLayout* FormGrid(QWidget* parent);
QLabel* Caption(const QString& text, QWidget* buddy, const QString& name = {});
QLineEdit* NumberEdit(const char* name, QWidget* parent);

// The list opens as wide as its longest item, whatever room the box has.
void OpenWide(QComboBox* combo);
QComboBox* ChoiceList(const char* name, const QStringList& items, QWidget* parent);
// An editable list whose typed text is kept exactly: no completion, no new items.
QComboBox* EditableList(const char* name, const QStringList& items, QWidget* parent);

void SetTextColour(QWidget* widget, const QColor& colour);

// The grids' column widths hold a flow such as {1017} in a slightly smaller font than the
// rest of the page.
void UseGridFont(StringGrid* grid);

// A caption that may wrap in its narrow column: the room of its second line is kept, since the
// column does not grow with its captions.
void KeepTwoLines(QLabel* label);

// A column that takes the height its row gives it rather than asking for more.
class BesideColumn : public QWidget {
public:
    using QWidget::QWidget;
    bool hasHeightForWidth() const override { return false; }
};

} // namespace pump_page
} // namespace quenra
