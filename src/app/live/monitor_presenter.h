#pragma once
// Shows what the monitor reports: the host's signals go to the pages that
// show them, through their typed live views, and to the status bar panels,
// step by step as the monitor loop defines them. The identification display
// is shared with the device operations, which identify the controller
// themselves.

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "app/live/live_views.h"

namespace krx {

class MonitorHost;

class MonitorPresenter : public QObject {
    Q_OBJECT
public:
    // `setStatusPanel(index, text)` writes one panel of the status bar.
    using StatusPanelWriter = std::function<void(int panel, const QString& text)>;

    MonitorPresenter(MonitorHost* host, LiveViews views, StatusPanelWriter setStatusPanel,
                     QObject* parent = nullptr);

    // The record on the controller page, its version text in status bar
    // panel 2; or the placeholder (dashes and zeros).
    void showIdentification(const IdentValues& ident);
    void showPlaceholderIdentification();
    // The identification of the controller attached, as last shown; none
    // while the placeholder is shown.
    const std::optional<IdentValues>& identification() const { return identification_; }
    // The operation status line of the controller page.
    void showActionName(const QString& text, const QColor& colour);

private:
    void setPanel(int panel, const QString& text) const;

    LiveViews views_;
    StatusPanelWriter setStatusPanel_;
    std::optional<IdentValues> identification_;
};

}  // namespace krx
