#include "app/shell/single_instance.h"

#include <QDir>
#include <QStandardPaths>

namespace krx {

namespace {

QString LockPath(const QString& title) {
    QString name = title;
    name.replace(' ', '_');
    // One copy per user: the shared temporary folder would let one user's
    // running copy (or its lock file) refuse another user's start.
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder)) folder = QDir::tempPath();
    return QDir(folder).filePath(name + ".lock");
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& applicationTitle)
    : path_(LockPath(applicationTitle)), lock_(path_) {
    // The program runs for hours: a held lock never goes stale by age.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceGuard::tryAcquire() { return lock_.isLocked() || lock_.tryLock(0); }

}  // namespace krx
