#pragma once

#include <QStringList>

#include <cstdio>

namespace quenra {

class Prompter;

// The headless command line: runs one batch command and returns the process exit status.
// `arguments` are the program's arguments without the program name; the first starts with
// "--". Results go to `out`, messages through the prompter; no question is ever passed to it
// (the question before a rendering is answered by printing the data check's messages).
int RunBatchCommand(const QStringList& arguments, Prompter& prompter, std::FILE* out = stdout);

// True for the commands that paint pages: they need a GUI application (offscreen).
bool BatchCommandPaints(const QStringList& arguments);

// The texts of the command line.
inline constexpr char kVersionText[] = "Quenra Version 3.001";

} // namespace quenra
