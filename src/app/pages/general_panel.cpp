#include "app/pages/general_panel.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QRegularExpressionValidator>

#include "app/widgets/list_binding.h"
#include "app/widgets/widget_colours.h"
#include "ui_general_panel.h"

namespace krx {

namespace {

// Object names of the template choices, in the order of BalanceTemplates().
constexpr const char* kTemplateButtonNames[] = {
    "RadioButtonBalansMTS", "RadioButtonBalansBeeline", "RadioButtonBalansMegafon",
    "RadioButtonBalansTele2"};

QString Qt8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

void SetValidator(QLineEdit* edit, const QString& pattern) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
}

}  // namespace

GeneralPanel::GeneralPanel(QWidget* parent)
    : SectionPanel(parent), ui_(std::make_unique<Ui::GeneralPanel>()) {
    ui_->setupUi(this);
    FillList(ui_->ComboBoxCall2CallPauseX10S, Call2CallPauseItems());
    FillList(ui_->ComboBoxDialPriority, DialPriorityItems());
    FillList(ui_->ComboBoxOutdatedMsgTime, OutdatedMsgTimeItems());
    FillList(ui_->ComboBoxDATAProtocol, DataProtocolItems());

    // Passwords are letters or digits, PIN and DTMF password digits only, the
    // SMS centre a leading digit, "+" or "-" and then digits (blanks are
    // taken out when it is stored). The balance numbers accept any text: what
    // is not a number is stored as 0.
    SetValidator(ui_->MaskEditSysPassword, "[\\p{L}\\p{N}]{0,8}");
    SetValidator(ui_->MaskEditPassword, "[\\p{L}\\p{N}]{0,8}");
    SetValidator(ui_->MaskEditPIN, "[0-9]{0,8}");
    SetValidator(ui_->MaskEditDTMFPass, "[0-9]{0,4}");
    SetValidator(ui_->MaskEditSMSCA, "([0-9+\\-][0-9 ]{0,14})?");

    ui_->LabelSysPassWarning->setText(Qt8(kSysPasswordWarning));
    SetTextColour(ui_->LabelSysPassWarning, kColourRed);
    QFont bold = ui_->LabelSysPassWarning->font();
    bold.setBold(true);
    ui_->LabelSysPassWarning->setFont(bold);
    ui_->StaticText1->setText(Qt8(kBalanceTemplatesNote));

    templates_ = new QButtonGroup(this);
    const auto& presets = BalanceTemplates();
    for (std::size_t i = 0; i < presets.size(); ++i) {
        auto* button = new QRadioButton(Qt8(presets[i].name), ui_->RadioGroupBalansTemplates);
        button->setObjectName(kTemplateButtonNames[i]);
        ui_->layoutTemplates->addWidget(button);
        templates_->addButton(button, int(i));
    }
    connect(templates_, &QButtonGroup::idClicked, this, &GeneralPanel::applyBalanceTemplate);
    connect(ui_->CheckBoxSysPassword, &QCheckBox::toggled, this,
            &GeneralPanel::applySysPasswordBox);
    applySysPasswordBox();
}

GeneralPanel::~GeneralPanel() = default;

QLabel* GeneralPanel::headerLabel() const { return ui_->Label15; }

void GeneralPanel::adaptToModel(SectionId) {
    // The SMS centre, the age limit of SMS commands and the modem protocol
    // are settings of the larger model: hidden, but still loaded and stored.
    ui_->Label73->hide();
    ui_->MaskEditSMSCA->hide();
    ui_->Label131->hide();
    ui_->ComboBoxOutdatedMsgTime->hide();
    ui_->GroupBoxDATAProtocol->hide();
    KeepFirstItems(ui_->ComboBoxDialPriority, kDialPriorityItemsOffered);
}

GeneralSettings GeneralPanel::settings() const {
    GeneralSettings s;
    s.useSysPassword = ui_->CheckBoxSysPassword->isChecked();
    s.sysPassword = ui_->MaskEditSysPassword->text().toStdString();
    s.password = ui_->MaskEditPassword->text().toStdString();
    s.smsca = ui_->MaskEditSMSCA->text().toStdString();
    s.pin = ui_->MaskEditPIN->text().toStdString();
    s.dtmfPass = ui_->MaskEditDTMFPass->text().toStdString();
    s.call2CallPauseX10S = ui_->ComboBoxCall2CallPauseX10S->currentIndex();
    s.ack = ui_->CheckBoxACK->isChecked();
    s.controlOnlyList = ui_->CheckBoxControlOnlyList->isChecked();
    s.dtmfControlOnlyList = ui_->CheckBoxDTMFControlOnlyList->isChecked();
    s.dialPriority = ui_->ComboBoxDialPriority->currentIndex();
    s.outdatedMsgTime = ui_->ComboBoxOutdatedMsgTime->currentIndex();
    s.dataProtocol = ui_->ComboBoxDATAProtocol->currentIndex();
    s.balansReqCmd = ui_->MaskEditBalansReqCMD->text().toStdString();
    s.balansIdWord = ui_->MaskEditBalansIdWord->text().toStdString();
    s.balansMinVal = ui_->EditBalansMinVal->text().toStdString();
    s.reqPeriodH = ui_->EditReqPeriodH->text().toStdString();
    return s;
}

void GeneralPanel::showSettings(const GeneralSettings& s) {
    ui_->CheckBoxSysPassword->setChecked(s.useSysPassword);
    applySysPasswordBox();
    ui_->MaskEditSysPassword->setText(Qt8(s.sysPassword));
    ui_->MaskEditPassword->setText(Qt8(s.password));
    ui_->MaskEditSMSCA->setText(Qt8(s.smsca));
    ui_->MaskEditPIN->setText(Qt8(s.pin));
    ui_->MaskEditDTMFPass->setText(Qt8(s.dtmfPass));
    ShowListIndex(ui_->ComboBoxCall2CallPauseX10S, s.call2CallPauseX10S);
    ui_->CheckBoxACK->setChecked(s.ack);
    ui_->CheckBoxControlOnlyList->setChecked(s.controlOnlyList);
    ui_->CheckBoxDTMFControlOnlyList->setChecked(s.dtmfControlOnlyList);
    ShowListIndex(ui_->ComboBoxDialPriority, s.dialPriority);
    ShowListIndex(ui_->ComboBoxOutdatedMsgTime, s.outdatedMsgTime);
    ShowListIndex(ui_->ComboBoxDATAProtocol, s.dataProtocol);
    ui_->MaskEditBalansReqCMD->setText(Qt8(s.balansReqCmd));
    ui_->MaskEditBalansIdWord->setText(Qt8(s.balansIdWord));
    ui_->EditBalansMinVal->setText(Qt8(s.balansMinVal));
    ui_->EditReqPeriodH->setText(Qt8(s.reqPeriodH));
}

void GeneralPanel::loadSection(SectionId, const ConfigImage& image) {
    GeneralSettings s = settings();
    LoadGeneral(s, image);
    showSettings(s);
}

void GeneralPanel::storeSection(SectionId, ConfigImage& image) {
    GeneralSettings s = settings();
    StoreGeneral(s, image);
    showSettings(s);
}

void GeneralPanel::applySysPasswordBox() {
    const bool on = ui_->CheckBoxSysPassword->isChecked();
    ui_->MaskEditSysPassword->setEnabled(on);
    ui_->Label84->setEnabled(on);
    ui_->LabelSysPassWarning->setVisible(on);
}

void GeneralPanel::applyBalanceTemplate(int index) {
    const auto& presets = BalanceTemplates();
    if (index < 0 || std::size_t(index) >= presets.size()) return;
    GeneralSettings s = settings();
    ApplyBalanceTemplate(s, presets[std::size_t(index)]);
    ui_->MaskEditBalansReqCMD->setText(Qt8(s.balansReqCmd));
    ui_->MaskEditBalansIdWord->setText(Qt8(s.balansIdWord));
}

}  // namespace krx
