#pragma once

#include <QtGlobal>

namespace quenra::text_limits {

// The most a text value of the record may hold where text enters it (typing, paste, imports),
// so that every project file the writer produces stays well inside what the reader accepts.

// A one-line text field or a cell of a table.
constexpr qsizetype kMaxFieldLength = 1000;

// One comment page, line ends included.
constexpr qsizetype kMaxCommentPageLength = 100000;

} // namespace quenra::text_limits
