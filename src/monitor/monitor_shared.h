#pragma once
// What the window tells a running monitor: the selected section, whether the
// controller-time field is being edited, and the administrative password the
// key-code read presents. Written by the window thread, read by the monitor.

#include <QMutex>
#include <QMutexLocker>

#include <array>
#include <atomic>
#include <cstdint>

#include "config/general_section.h"
#include "config/section_id.h"

namespace krx {

class MonitorShared {
public:
    void setSectionId(SectionId section) { sectionId_.store(section.index()); }
    SectionId sectionId() const { return SectionId::FromIndex(sectionId_.load()); }

    void setControllerTimeEditing(bool editing) { controllerTimeEditing_.store(editing); }
    bool controllerTimeEditing() const { return controllerTimeEditing_.load(); }

    // The payload that presents the configuration's administrative password.
    void setAdminPassword(const PasswordPayload& password) {
        QMutexLocker lock(&mutex_);
        password_ = password;
    }
    PasswordPayload adminPassword() const {
        QMutexLocker lock(&mutex_);
        return password_;
    }

private:
    std::atomic<int> sectionId_{0};
    std::atomic<bool> controllerTimeEditing_{false};
    mutable QMutex mutex_;
    PasswordPayload password_{};
};

}  // namespace krx
