#pragma once

#include <QString>

#include <array>

namespace quenra {

// A table of the report (test data SG1, transfer switch results SG2): 20 columns and up to
// nine rows of text, of which RowCount are drawn.
class ReportGrid {
public:
    static constexpr int kColumnCount = 20;
    static constexpr int kMaxRows = 9;

    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    int RowCount = 0;

    // Column and row from 0; a cell outside the table reads as empty and ignores writes.
    const QString& Cell(int column, int row) const;
    void SetCell(int column, int row, const QString& text);
    void Clear();

private:
    std::array<std::array<QString, kColumnCount>, kMaxRows> cells_;
};

} // namespace quenra
