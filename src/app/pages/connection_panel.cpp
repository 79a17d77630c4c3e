#include "app/pages/connection_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "app/widgets/list_binding.h"
#include "config/output_name_items.h"
#include "config/output_reaction_texts.h"
#include "ui_connection_panel.h"

namespace krx {
namespace {

Qt::CheckState ToCheckState(InputBoxState state) {
    switch (state) {
        case InputBoxState::On:
            return Qt::Checked;
        case InputBoxState::Third:
            return Qt::PartiallyChecked;
        case InputBoxState::Off:
            break;
    }
    return Qt::Unchecked;
}

InputBoxState ToBoxState(Qt::CheckState state) {
    switch (state) {
        case Qt::Checked:
            return InputBoxState::On;
        case Qt::PartiallyChecked:
            return InputBoxState::Third;
        case Qt::Unchecked:
            break;
    }
    return InputBoxState::Off;
}

}  // namespace

ConnectionPanel::ConnectionPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::ConnectionPanel>()) {
    ui_->setupUi(this);
    // First a digit, "+" or "-", then digits; blanks between the digit
    // groups are allowed while typing and removed when stored.
    ui_->MaskEditPhone->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9+\\-][0-9 ]*")), ui_->MaskEditPhone));
    FillList(ui_->ComboBoxTransportPriority, TransportPriorityItems());
    FillList(ui_->ComboBoxGroupNum, GroupNumItems());
    FillList(ui_->ComboBoxDialTranspWaitTime, TranspWaitTimeItems());
    FillList(ui_->ComboBoxSMSTranspWaitTime, TranspWaitTimeItems());
    FillList(ui_->ComboBoxIncomungCallAction, IncomungCallActionItems());
    FillList(ui_->ComboBoxICToOUOutN, OutputNameItems());
    FillList(ui_->ComboBoxICToOUScnN, OutputReactionTexts());
    FillList(ui_->ComboBoxOnLineTime, OnLineTimeItems());
    FillList(ui_->ComboBoxConnectionType, ConnectionTypeItems());
    FillList(ui_->ComboBoxLang, LangItems());
    FillList(ui_->ComboBoxUserId, UserIdItems());
    voice_ = findSources('D', "CheckBoxMaskCRestrictedArm");
    sms_ = findSources('S', "CheckBoxMaskSRestrictedArm");
    connect(ui_->ComboBoxIncomungCallAction, &QComboBox::currentIndexChanged, this,
            &ConnectionPanel::showIncomingCallToolTip);
}

ConnectionPanel::~ConnectionPanel() = default;

QLabel* ConnectionPanel::headerLabel() const { return ui_->Label74; }

ConnectionPanel::SourceBoxes ConnectionPanel::findSources(char group,
                                                          const char* restrictedName) const {
    // The boxes are named after their group: CheckBoxMaskD… and CheckBoxMaskS….
    const QString prefix = QStringLiteral("CheckBoxMask") + QLatin1Char(group);
    const auto box = [this](const QString& name) {
        auto* found = findChild<QCheckBox*>(name);
        Q_ASSERT_X(found, "ConnectionPanel", qPrintable(name));
        return found;
    };
    SourceBoxes b;
    for (int i = 0; i < kSourceInputBoxes; ++i) b.inputs[std::size_t(i)] = box(prefix + "Input" + QString::number(i + 1));
    b.arm[0] = box(prefix + "Arm");
    b.disarm[0] = box(prefix + "Disarm");
    for (int i = 1; i < 4; ++i) {
        b.arm[std::size_t(i)] = box(prefix + "Arm" + QString::number(i + 1));
        b.disarm[std::size_t(i)] = box(prefix + "Disarm" + QString::number(i + 1));
    }
    b.restrictedArm = box(QString::fromLatin1(restrictedName));
    b.power = box(prefix + "Power");
    b.test = box(prefix + "Test");
    b.gps = box(prefix + "GPS");
    return b;
}

void ConnectionPanel::adaptToModel(SectionId section) {
    Q_UNUSED(section);
    using namespace connection_view;
    ui_->Label161->setVisible(kGroupNumShown);
    ui_->ComboBoxGroupNum->setVisible(kGroupNumShown);
    ui_->CheckBoxNotACK->setVisible(kNotAckShown);
    ui_->Label67->setVisible(kUserIdShown);
    ui_->ComboBoxUserId->setVisible(kUserIdShown);
    ui_->CheckBoxDebugMode->setVisible(kDebugModeShown);
    ui_->Label85->setVisible(kTransportPriorityShown);
    ui_->ComboBoxTransportPriority->setVisible(kTransportPriorityShown);
    ui_->LabelConnectionType->setVisible(kConnectionTypeShown);
    ui_->ComboBoxConnectionType->setVisible(kConnectionTypeShown);
    ui_->CheckBoxJointUse->setVisible(kJointUseShown);
    ui_->GroupBoxInCallToOutsAction->setVisible(kIncomingCallOutputShown);
    // Inputs 5-8, the further arming modes, "ЗАЩИТА" and GPS are the larger
    // model's sources.
    ui_->PanelLargerModelSourcesDial->hide();
    ui_->PanelLargerModelSourcesSms->hide();
    const ConnectionSettings kept = settings();
    KeepFirstItems(ui_->ComboBoxIncomungCallAction, kIncomungCallActionItemsOffered);
    ShowListIndex(ui_->ComboBoxIncomungCallAction, kept.incomungCallAction);
    showIncomingCallToolTip();
}

void ConnectionPanel::showIncomingCallToolTip() {
    ui_->ComboBoxIncomungCallAction->setToolTip(
        FromUtf8(IncomungCallActionToolTip(ui_->ComboBoxIncomungCallAction->currentIndex())));
}

MessageSources ConnectionPanel::sourcesOf(const SourceBoxes& b) {
    MessageSources v;
    for (std::size_t i = 0; i < b.inputs.size(); ++i) v.inputs[i] = ToBoxState(b.inputs[i]->checkState());
    for (std::size_t i = 0; i < 4; ++i) {
        v.arm[i] = b.arm[i]->isChecked();
        v.disarm[i] = b.disarm[i]->isChecked();
    }
    v.restrictedArm = b.restrictedArm->isChecked();
    v.power = b.power->isChecked();
    v.test = b.test->isChecked();
    v.gps = b.gps->isChecked();
    return v;
}

void ConnectionPanel::showSources(const SourceBoxes& b, const MessageSources& v) {
    for (std::size_t i = 0; i < b.inputs.size(); ++i) b.inputs[i]->setCheckState(ToCheckState(v.inputs[i]));
    for (std::size_t i = 0; i < 4; ++i) {
        b.arm[i]->setChecked(v.arm[i]);
        b.disarm[i]->setChecked(v.disarm[i]);
    }
    b.restrictedArm->setChecked(v.restrictedArm);
    b.power->setChecked(v.power);
    b.test->setChecked(v.test);
    b.gps->setChecked(v.gps);
}

ConnectionSettings ConnectionPanel::settings() const {
    ConnectionSettings v;
    v.phone = ui_->MaskEditPhone->text().toStdString();
    v.transportPriority = ui_->ComboBoxTransportPriority->currentIndex();
    v.groupNum = ui_->ComboBoxGroupNum->currentIndex();
    v.dialTranspWaitTime = ui_->ComboBoxDialTranspWaitTime->currentIndex();
    v.incomungCallAction = ui_->ComboBoxIncomungCallAction->currentIndex();
    v.icToOuOutN = ui_->ComboBoxICToOUOutN->currentIndex();
    v.icToOuScnN = ui_->ComboBoxICToOUScnN->currentIndex();
    v.notAck = ui_->CheckBoxNotACK->isChecked();
    v.callEn = ui_->CheckBoxCallEn->isChecked();
    v.onLineTime = ui_->ComboBoxOnLineTime->currentIndex();
    v.connectionType = ui_->ComboBoxConnectionType->currentIndex();
    v.voice = sourcesOf(voice_);
    v.smsTranspWaitTime = ui_->ComboBoxSMSTranspWaitTime->currentIndex();
    v.lang = ui_->ComboBoxLang->currentIndex();
    v.userId = ui_->ComboBoxUserId->currentIndex();
    v.debugMode = ui_->CheckBoxDebugMode->isChecked();
    v.smsEn = ui_->CheckBoxSMSEn->isChecked();
    v.jointUse = ui_->CheckBoxJointUse->isChecked();
    v.sms = sourcesOf(sms_);
    return v;
}

void ConnectionPanel::showSettings(const ConnectionSettings& v) {
    ui_->MaskEditPhone->setText(QString::fromStdString(v.phone));
    ShowListIndex(ui_->ComboBoxTransportPriority, v.transportPriority);
    ShowListIndex(ui_->ComboBoxGroupNum, v.groupNum);
    ShowListIndex(ui_->ComboBoxDialTranspWaitTime, v.dialTranspWaitTime);
    ShowListIndex(ui_->ComboBoxIncomungCallAction, v.incomungCallAction);
    ShowListIndex(ui_->ComboBoxICToOUOutN, v.icToOuOutN);
    ShowListIndex(ui_->ComboBoxICToOUScnN, v.icToOuScnN);
    ui_->CheckBoxNotACK->setChecked(v.notAck);
    ui_->CheckBoxCallEn->setChecked(v.callEn);
    ShowListIndex(ui_->ComboBoxOnLineTime, v.onLineTime);
    ShowListIndex(ui_->ComboBoxConnectionType, v.connectionType);
    showSources(voice_, v.voice);
    ShowListIndex(ui_->ComboBoxSMSTranspWaitTime, v.smsTranspWaitTime);
    ShowListIndex(ui_->ComboBoxLang, v.lang);
    ShowListIndex(ui_->ComboBoxUserId, v.userId);
    ui_->CheckBoxDebugMode->setChecked(v.debugMode);
    ui_->CheckBoxSMSEn->setChecked(v.smsEn);
    ui_->CheckBoxJointUse->setChecked(v.jointUse);
    showSources(sms_, v.sms);
    showIncomingCallToolTip();
}

void ConnectionPanel::loadSection(SectionId section, const ConfigImage& image) {
    ConnectionSettings v;
    LoadConnection(section.record(), v, image);
    showSettings(v);
}

void ConnectionPanel::storeSection(SectionId section, ConfigImage& image) {
    ConnectionSettings v = settings();
    StoreConnection(section.record(), v, image);
    // The stored number without its blanks.
    ConnectionSettings stored;
    LoadConnection(section.record(), stored, image);
    ui_->MaskEditPhone->setText(QString::fromStdString(stored.phone));
}

}  // namespace krx
