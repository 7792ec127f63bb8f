#pragma once

#include "ReportLayout.h"

#include <QString>
#include <QStringList>

namespace quenra {

struct ProjectData;

// The comment section holds at most six lines.
constexpr int kCommentLineLimit = 6;

// The display lines of a comment page as the report prints it: each line of the page is
// wrapped at word boundaries to 765 pixels of Arial with a character height of 13 (a word
// wider than that is broken); an empty page line stays an empty display line. Only the first
// `limit` display lines are returned.
QStringList WrapCommentLines(const QString& page, int limit = kCommentLineLimit);

// Fills the comment lines of the test's page (hydrant or pump comments by the project's kind)
// and the comment section's height and visibility.
void FillReportComments(ReportLayout& R, const ProjectData& project, int testNumber);

} // namespace quenra
