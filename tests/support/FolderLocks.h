#pragma once

#include <QByteArray>
#include <QString>

namespace tidewick::test {

// Makes a folder refuse new entries and removals for one scope, while the
// files in it stay writable: by the immutable attribute where the process may
// set it (root, which folder permissions do not stop, on most file systems),
// by taking away the folder's write permission otherwise.
class LockedFolder {
public:
    explicit LockedFolder(const QString &path);
    ~LockedFolder();
    LockedFolder(const LockedFolder &) = delete;
    LockedFolder &operator=(const LockedFolder &) = delete;

    // False when neither way holds here: the case should be skipped.
    bool isLocked() const { return m_locked; }

private:
    QString m_path;
    bool m_immutable = false;
    bool m_locked = false;
};

// A case that needs a mount of its own (a small tmpfs that fills up) runs
// again in a child copy of the test program, inside a private user and mount
// namespace, with the folder mounted there. The child finds the folder in the
// environment variable `variable`; the parent gets the outcome.
struct MountedRun {
    bool possible = false; // false: unshare or the mount is not allowed here
    bool passed = false;
    QByteArray output;
};

// The mounted folder in the child copy; empty in the parent.
QString mountedFolder(const char *variable);
// Mounts a tmpfs of `size` (as mount -o size= takes it) and runs the test
// function (or "function:data tag") in the child copy.
MountedRun runOnSmallTmpfs(const char *variable, const QString &size, const QString &testFunction);

} // namespace tidewick::test
