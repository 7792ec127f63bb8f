#pragma once

#include <QString>

#include <optional>

namespace quenra {

// Captures are numbered from 1; the highest number tried before giving up.
inline constexpr int kMaxCaptureNumber = 999;

// The base of a graph capture's name: the folder, then the test type text, to which the
// capture number and ".jpg" are appended.
QString GraphCaptureBase(const QString& folder, const QString& testType);

// base + n + extension for the first n from 1 to kMaxCaptureNumber that names nothing on
// disk (a folder or a dangling link of that name counts as taken, since the capture could
// not be written there without harm). Nothing when every one is taken: captures never
// overwrite an earlier one.
std::optional<QString> UniqueFileName(const QString& base, const QString& extension);

// The message shown once a capture is written.
QString CaptureSavedMessage(const QString& name);

// The message shown instead of a capture when UniqueFileName finds no free name.
QString NoFreeCaptureNameMessage(const QString& base, const QString& extension);

} // namespace quenra
