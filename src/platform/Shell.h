#pragma once

#include <QString>
#include <QStringList>

namespace quenra {

// Starting other programs and opening documents in the desktop's own viewer.
class Shell {
public:
    virtual ~Shell() = default;

    // Starts a program detached, in `workingFolder`; false when it could not be started.
    virtual bool StartProgram(const QString& program, const QStringList& arguments,
                              const QString& workingFolder) = 0;

    // Opens a document (a PDF, a manual) with the viewer the desktop uses for it.
    virtual bool OpenDocument(const QString& path) = 0;
};

} // namespace quenra
