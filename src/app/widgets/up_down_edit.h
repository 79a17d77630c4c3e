#pragma once
// A number edit with its up-down arrows (`EditDelayARM` with `UpDownDelayARM`,
// `EditRecoveryTime` with `UpDownRecoveryTime`). Whatever is typed is read as
// a decimal whole number - text without digits reads as 0 - and the arrows'
// range then limits it, so typing never gets stuck on an out-of-range value.

#include <QLineEdit>
#include <QSpinBox>

namespace krx {

class UpDownEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit UpDownEdit(QWidget* parent = nullptr);

    // Names the edit part, so the pair is found by both of its names.
    void setEditName(const QString& name);
    // The edit part (`EditDelayARM`, `EditRecoveryTime`).
    QLineEdit* edit() const { return lineEdit(); }

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
};

}  // namespace krx
