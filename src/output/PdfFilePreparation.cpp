#include "output/PdfFilePreparation.h"

#include "output/PdfFileChoice.h"
#include "output/PdfMessages.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <algorithm>

namespace quenra {

namespace {

enum class MoveCheck {
    Passed,
    AsideNotDeletable, // an earlier aside file is in the way
    NotMovable,        // the file is locked
    MoveNotShown,      // the rename reported success but the files never changed places
    NotReturned,       // the file is stuck under the aside name
    ReturnNotShown,    // the rename back reported success but never showed
};

bool WaitUntil(const std::function<bool()>& condition, const RenameWait& wait) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() >= wait.LimitMs) {
            return false;
        }
        QThread::msleep(static_cast<unsigned long>(std::max(1, wait.PollMs)));
    }
    return true;
}

bool Rename(const RenameWait& wait, const QString& from, const QString& to) {
    return wait.Rename ? wait.Rename(from, to) : QFile::rename(from, to);
}

bool MovedFromTo(const QString& from, const QString& to) {
    return !QFile::exists(from) && QFile::exists(to);
}

MoveCheck MoveAsideAndBack(const QString& path, const QString& aside, const RenameWait& wait) {
    if (QFile::exists(aside) && !QFile::remove(aside)) {
        return MoveCheck::AsideNotDeletable;
    }
    if (!Rename(wait, path, aside)) {
        return MoveCheck::NotMovable;
    }
    if (!WaitUntil([&] { return MovedFromTo(path, aside); }, wait)) {
        // Whatever half-state the rename left, the file goes back under its own name.
        if (MovedFromTo(path, aside)) {
            Rename(wait, aside, path);
        }
        return MoveCheck::MoveNotShown;
    }
    if (!Rename(wait, aside, path)) {
        return MoveCheck::NotReturned;
    }
    if (!WaitUntil([&] { return MovedFromTo(aside, path); }, wait)) {
        return MoveCheck::ReturnNotShown;
    }
    return MoveCheck::Passed;
}

int Seconds(const RenameWait& wait) {
    return (wait.LimitMs + 999) / 1000;
}

PdfPreparation Ready() {
    return PdfPreparation{true, QString()};
}

PdfPreparation NotReady(const QString& message) {
    return PdfPreparation{false, message};
}

} // namespace

PdfPreparation PrepareOverwrite(const QString& path, const RenameWait& wait) {
    if (!QFile::exists(path)) {
        return Ready();
    }
    const QString aside = ChangeExtension(path, pdf_messages::kAsideExtension);
    switch (MoveAsideAndBack(path, aside, wait)) {
    case MoveCheck::Passed:
        return Ready();
    case MoveCheck::AsideNotDeletable:
    case MoveCheck::NotMovable:
        return NotReady(pdf_messages::CannotReplace(path));
    case MoveCheck::MoveNotShown:
        return NotReady(pdf_messages::MoveNeverShowed(path, aside, Seconds(wait)));
    case MoveCheck::NotReturned:
        return NotReady(pdf_messages::CannotRenameBackBeforeOverwrite(aside, path));
    case MoveCheck::ReturnNotShown:
        return NotReady(pdf_messages::ReturnNeverShowed(aside, path, Seconds(wait)));
    }
    return NotReady(pdf_messages::CannotReplace(path));
}

PdfPreparation PrepareAppend(const QString& path, const RenameWait& wait) {
    if (!QFile::exists(path)) {
        return NotReady(pdf_messages::NotFound(path));
    }
    const QString aside = ChangeExtension(path, pdf_messages::kAsideExtension);
    switch (MoveAsideAndBack(path, aside, wait)) {
    case MoveCheck::Passed:
        return Ready();
    case MoveCheck::AsideNotDeletable:
        return NotReady(pdf_messages::CannotDeleteAside(aside));
    case MoveCheck::NotMovable:
        return NotReady(pdf_messages::CannotAccess(path));
    case MoveCheck::MoveNotShown:
        return NotReady(pdf_messages::MoveNeverShowed(path, aside, Seconds(wait)));
    case MoveCheck::NotReturned:
        return NotReady(pdf_messages::CannotRenameBack(aside, path));
    case MoveCheck::ReturnNotShown:
        return NotReady(pdf_messages::ReturnNeverShowed(aside, path, Seconds(wait)));
    }
    return NotReady(pdf_messages::CannotAccess(path));
}

} // namespace quenra
