#pragma once
// What the window tells a running monitor: the selected section, whether the
// controller-time field is being edited, and the administrative password the
// key-code read presents. Written by the window thread, read by the monitor.

#include <QMutex>
#include <QMutexLocker>

#include <array>
#include <atomic>
#include <cstdint>

namespace krx {

inline constexpr std::size_t kPasswordChars = 8;

class MonitorShared {
public:
    void setSectionId(int id) { sectionId_.store(id); }
    int sectionId() const { return sectionId_.load(); }

    void setControllerTimeEditing(bool editing) { controllerTimeEditing_.store(editing); }
    bool controllerTimeEditing() const { return controllerTimeEditing_.load(); }

    // The 8 password bytes as the configuration holds them (Windows-1251,
    // zero-padded).
    void setAdminPassword(const std::array<std::uint8_t, kPasswordChars>& password) {
        QMutexLocker lock(&mutex_);
        password_ = password;
    }
    std::array<std::uint8_t, kPasswordChars> adminPassword() const {
        QMutexLocker lock(&mutex_);
        return password_;
    }

private:
    std::atomic<int> sectionId_{0};
    std::atomic<bool> controllerTimeEditing_{false};
    mutable QMutex mutex_;
    std::array<std::uint8_t, kPasswordChars> password_{};
};

}  // namespace krx
