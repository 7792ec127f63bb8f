#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quenra {

// Project, legacy and client-information files are Windows-1252 text, so that they travel
// to and from inspectors' machines of the original platform. Every byte decodes to one
// character and back, so any file read and written again keeps its bytes.
QString DecodeWindows1252(const QByteArray& bytes);

// Characters that Windows-1252 cannot hold are written as "?", as the original platform
// does; `replaced`, when given, receives how many characters were.
QByteArray EncodeWindows1252(const QString& text, int* replaced = nullptr);

// How many characters of the text Windows-1252 cannot hold (a pair of surrogates is one).
int UnstorableCharacters(const QString& text);

// Splits file contents into lines ended by CR LF or by a bare LF. A last line without a
// line end still counts; the empty text after a final line end does not.
QStringList SplitFileLines(const QString& text);

} // namespace quenra
