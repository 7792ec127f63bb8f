#pragma once

#include "platform/Shell.h"

namespace quenra {

// Starts programs detached and opens documents in the desktop's viewer.
class QtShell : public Shell {
public:
    bool StartProgram(const QString& program, const QStringList& arguments,
                      const QString& workingFolder) override;
    bool OpenDocument(const QString& path) override;
};

} // namespace quenra
