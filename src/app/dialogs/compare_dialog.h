#pragma once
// "Различия конфигураций": the settings in which two configurations differ,
// one row each (section, setting, the two values in the window's words),
// then the differing bytes that belong to no setting. Double-clicking a row
// asks for its section in the tree.

#include <QDialog>
#include <QString>

#include <memory>

#include "config/body_description.h"
#include "config/section_id.h"

class QTreeWidgetItem;

namespace Ui {
class CompareDialog;
}

namespace krx {

class CompareDialog : public QDialog {
    Q_OBJECT
public:
    // `second` names the right-hand column ("В контроллере", "В копии ...").
    CompareDialog(const BodyDifferences& differences, const SettingValueWords& words, const QString& second,
                  QWidget* parent = nullptr);
    ~CompareDialog() override;

    // Asks for the section of `item`'s row; a row of no shown section asks nothing.
    void choose(QTreeWidgetItem* item);

signals:
    void sectionChosen(SectionId section);

private:
    std::unique_ptr<Ui::CompareDialog> ui_;
};

}  // namespace krx
