#pragma once
// The four panels of `StatusBar1`: 0 the configuration file name, 1 the link
// state (port name or "NC"), 2 the controller's version, 3 the last message
// of the monitor or of a device operation.

#include <array>

class QLabel;
class QStatusBar;
class QString;

namespace krx {

class StatusPanels {
public:
    static constexpr int kFileName = 0;
    static constexpr int kLink = 1;
    static constexpr int kVersion = 2;
    static constexpr int kMessage = 3;

    explicit StatusPanels(QStatusBar& bar);

    void setText(int panel, const QString& text);
    QString text(int panel) const;
    QLabel* label(int panel) const;

private:
    std::array<QLabel*, 4> labels_{};
};

}  // namespace krx
