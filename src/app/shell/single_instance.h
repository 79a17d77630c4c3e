#pragma once
// Only one copy of the program runs at a time. The first copy holds a lock
// file in the temporary folder, named after the application title; a copy
// that cannot take it is the second one. A lock left by a crashed copy is
// taken over.

#include <QLockFile>
#include <QString>

namespace krx {

class SingleInstanceGuard {
public:
    explicit SingleInstanceGuard(const QString& applicationTitle);

    // True for the first copy; the lock is held until this object goes.
    bool tryAcquire();
    QString lockFilePath() const { return path_; }

private:
    QString path_;
    QLockFile lock_;
};

}  // namespace krx
