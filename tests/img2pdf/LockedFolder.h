#pragma once

// A folder in which no file can be created, or a file that cannot be opened for writing (as a
// viewer on Windows locks an open PDF), for the duration of a test. Permission bits do not stop
// root, so where they are not enough the folder or file gets Linux's immutable attribute.

#include <QFile>
#include <QString>

#ifdef __linux__
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif

namespace quenra::img2pdf::test {

inline void SetImmutableAttribute(const QString& path, bool on) {
#ifdef __linux__
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) {
        return;
    }
    int flags = 0;
    if (::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ::ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    ::close(fd);
#else
    (void)path;
    (void)on;
#endif
}

class LockedFolder {
public:
    explicit LockedFolder(const QString& path) : path_(path) {
        permissions_ = QFile::permissions(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
        if (!AcceptsNewFiles()) {
            return;
        }
        SetImmutable(true);
        immutable_ = !AcceptsNewFiles();
    }

    ~LockedFolder() {
        if (immutable_) {
            SetImmutable(false);
        }
        QFile::setPermissions(path_, permissions_);
    }

    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

    bool IsLocked() const { return !AcceptsNewFiles(); }

private:
    bool AcceptsNewFiles() const {
        QFile probe(path_ + QStringLiteral("/probe.tmp"));
        if (!probe.open(QIODevice::WriteOnly)) {
            return false;
        }
        probe.remove();
        return true;
    }

    void SetImmutable(bool on) { SetImmutableAttribute(path_, on); }

    QString path_;
    QFile::Permissions permissions_;
    bool immutable_ = false;
};

class LockedFile {
public:
    explicit LockedFile(const QString& path) : path_(path) {
        permissions_ = QFile::permissions(path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        if (!OpensForWriting()) {
            return;
        }
        SetImmutableAttribute(path_, true);
        immutable_ = !OpensForWriting();
    }

    ~LockedFile() {
        if (immutable_) {
            SetImmutableAttribute(path_, false);
        }
        QFile::setPermissions(path_, permissions_);
    }

    LockedFile(const LockedFile&) = delete;
    LockedFile& operator=(const LockedFile&) = delete;

    bool IsLocked() const { return !OpensForWriting(); }

private:
    bool OpensForWriting() const {
        QFile file(path_);
        return file.open(QIODevice::Append | QIODevice::ExistingOnly);
    }

    QString path_;
    QFile::Permissions permissions_;
    bool immutable_ = false;
};

} // namespace quenra::img2pdf::test
