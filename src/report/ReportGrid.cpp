#include "ReportGrid.h"

namespace quenra {

namespace {

bool Inside(int column, int row) {
    return column >= 0 && column < ReportGrid::kColumnCount && row >= 0 &&
           row < ReportGrid::kMaxRows;
}

} // namespace

const QString& ReportGrid::Cell(int column, int row) const {
    static const QString empty;
    return Inside(column, row) ? cells_[row][column] : empty;
}

void ReportGrid::SetCell(int column, int row, const QString& text) {
    if (Inside(column, row))
        cells_[row][column] = text;
}

void ReportGrid::Clear() {
    for (auto& row : cells_)
        row.fill(QString());
}

} // namespace quenra
