#pragma once

#include <QString>
#include <QStringList>

namespace quenra {

// A comment page is kept as its lines, each ended by CR LF, the way the comment box stores it.

// The lines of a page: split at CR LF or LF; a line end after the last line ends that line
// and starts no new one.
QStringList CommentLines(const QString& page);

// The page made of these lines, each followed by CR LF.
QString CommentPage(const QStringList& lines);

// The page cut to at most `length` characters (at least 2), its last line still ended by CR LF
// so that it reads back as it is kept.
QString CutCommentPage(const QString& page, qsizetype length);

} // namespace quenra
