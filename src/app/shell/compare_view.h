#pragma once
// The compare view: after "Сравнить" finds that the controller holds another
// body, and when a kept copy is compared with the editor, it lists the
// differing settings; double-clicking one selects its section in the tree.

#include <QObject>
#include <QPointer>

#include "app/dialogs/compare_dialog.h"
#include "config/config_image.h"

namespace krx {

class ConfiguratorWindow;
class OperationController;

class CompareView : public QObject {
    Q_OBJECT
public:
    // Owned by the window.
    CompareView(ConfiguratorWindow& window, OperationController& operations);

    // Opens the list of how the editor's configuration and `other` differ
    // (replacing a list still open); `second` names `other`'s column.
    void show(const ConfigImage& other, const QString& second);
    // The list shown, or null.
    CompareDialog* dialog() const;

private:
    ConfiguratorWindow& window_;
    QPointer<CompareDialog> dialog_;
};

}  // namespace krx
