#include "app/single_instance.h"

#include <QDir>

namespace krx {

namespace {

QString LockPath(const QString& title) {
    QString name = title;
    name.replace(' ', '_');
    return QDir(QDir::tempPath()).filePath(name + ".lock");
}

}  // namespace

SingleInstanceGuard::SingleInstanceGuard(const QString& applicationTitle)
    : path_(LockPath(applicationTitle)), lock_(path_) {
    // The program runs for hours: a held lock never goes stale by age.
    lock_.setStaleLockTime(0);
}

bool SingleInstanceGuard::tryAcquire() { return lock_.isLocked() || lock_.tryLock(0); }

}  // namespace krx
