#include "app/shell/language_file_applier.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QToolButton>

#include <initializer_list>
#include <vector>

#include "app/shell/configurator_window.h"
#include "app/widgets/list_binding.h"

namespace krx {
namespace {

// What one line of the file does to the controls it names.
enum class Use {
    WindowCaption,  // line + " KRX310"
    Caption,        // the text of every named control
    Framed,         // group box captions: " " + line + " "
    Item,           // item `index` of the named list
    Items,          // `count` lines onto items index.. of the named lists, as many as they hold
    Refill,         // the named list emptied and refilled with `count` lines
    Heading,        // column `index` of the named grid
    PaddedHeading,  // column `index` of the named grid := " " + line
};

struct LineUse {
    int line;
    Use use;
    std::vector<const char*> targets;
    int index = 0;
    int count = 1;
};

// Every caption line, by its position. The vocabulary lines (tree block,
// arming words, output names and actions, scenario actions, indicator
// functions, key-table messages, "Отображать режим ...", permission words,
// source-list headings, grid words, the port dialog, the about box, GSM
// states and transfer messages) go through ApplyLanguageVocabulary.
const std::vector<LineUse>& CaptionLines() {
    static const std::vector<LineUse> kLines = {
        {1, Use::WindowCaption, {}},
        // 3..18: the menus and their items.
        {3, Use::Caption, {"N1"}},
        {4, Use::Caption, {"N2"}},
        {5, Use::Caption, {"N3"}},
        {6, Use::Caption, {"N13"}},
        {7, Use::Caption, {"N7"}},
        {8, Use::Caption, {"N8"}},
        {9, Use::Caption, {"COMPortSetup"}},
        {10, Use::Caption, {"N9"}},
        {11, Use::Caption, {"N10"}},
        {12, Use::Caption, {"N11"}},
        {13, Use::Caption, {"N12"}},
        {14, Use::Caption, {"ReadIMEICode1"}},
        {15, Use::Caption, {"Reconfigurate1"}},
        {16, Use::Caption, {"Reset1"}},
        {17, Use::Caption, {"N5"}},
        {18, Use::Caption, {"N15"}},
        // The controller page.
        {65, Use::Framed, {"GroupBox15"}},
        {66, Use::Caption, {"Label48"}},
        {67, Use::Caption, {"Label51"}},
        {68, Use::Caption, {"Label52"}},
        {69, Use::Caption, {"Label54"}},
        {70, Use::Caption, {"Label22"}},
        {71, Use::Caption, {"Label55"}},
        {72, Use::Caption, {"Label105"}},
        {73, Use::Caption, {"Label56"}},
        {74, Use::Caption, {"Label68"}},
        {75, Use::Caption, {"Button21"}},
        {76, Use::Framed, {"GroupBoxPerimetersInfo", "GroupBoxMaunPerimInfo"}},
        {77, Use::Caption, {"Button18", "Button23"}},
        {78, Use::Caption, {"Button19", "Button24"}},
        {79, Use::Caption, {"Button22"}},
        {80, Use::Caption, {"Label111"}},
        {81, Use::Framed, {"GroupBoxInputIndicator"}},
        {82, Use::Framed, {"GroupBoxOutIndicator"}},
        {83, Use::Caption, {"Button4", "Button6", "Button8", "Button10", "Button12", "Button14", "Button16"}},
        {84, Use::Caption, {"Button5", "Button7", "Button9", "Button11", "Button13", "Button15", "Button17"}},
        {85, Use::Framed, {"GroupBox28"}},
        {86, Use::Caption, {"Button20"}},
        {87, Use::Caption, {"CheckBoxClearSaveArea"}},
        // General parameters of the connections.
        {113, Use::Framed, {"GroupBox6"}},
        {114, Use::Caption, {"CheckBoxSysPassword"}},
        {115, Use::Caption, {"Label84"}},
        {116, Use::Caption, {"Label72"}},
        {117, Use::Caption, {"Label73"}},
        {118, Use::Caption, {"Label70"}},
        {119, Use::Caption, {"Label8"}},
        {120, Use::Caption, {"CheckBoxDTMFControlOnlyList"}},
        {121, Use::Caption, {"CheckBoxControlOnlyList"}},
        {122, Use::Caption, {"CheckBoxACK"}},
        {123, Use::Caption, {"Label131"}},
        {124, Use::Framed, {"GroupBox13"}},
        {125, Use::Caption, {"Label49"}},
        {126, Use::Caption, {"Label50"}},
        {127, Use::Caption, {"Label41"}},
        {128, Use::Caption, {"Label42"}},
        {129, Use::Caption, {"StaticText1"}},
        {130, Use::Framed, {"GroupBox12"}},
        {131, Use::Caption, {"Label128"}},
        {132, Use::Refill, {"ComboBoxDialPriority"}, 0, 4},
        {136, Use::Caption, {"Label129"}},
        // A connection.
        {138, Use::Caption, {"Label75"}},
        {139, Use::Caption, {"Label161"}},
        {140, Use::Caption, {"Label85"}},
        {141, Use::Items, {"ComboBoxTransportPriority"}, 0, 3},
        {144, Use::Caption, {"Label32"}},
        {145, Use::Items, {"ComboBoxIncomungCallAction"}, 0, 4},
        {149, Use::Framed, {"GroupBoxInCallToOutsAction"}},
        {150, Use::Framed, {"GroupBoxConSharD"}},
        {151, Use::Caption, {"CheckBoxCallEn", "CheckBoxSMSEn"}},
        {152, Use::Caption, {"Label81"}},
        {153, Use::Item, {"ComboBoxOnLineTime"}, 0},
        {154, Use::Item, {"ComboBoxOnLineTime"}, 1},
        {155, Use::Caption, {"CheckBoxNotACK"}},
        {156, Use::Caption, {"Label77", "Label78"}},
        {157, Use::Framed, {"GroupBoxConDial", "GroupBoxConSMS"}},
        {158, Use::Caption, {"CheckBoxMaskDInput1"}},
        {159, Use::Caption, {"CheckBoxMaskDInput2"}},
        {160, Use::Caption, {"CheckBoxMaskDInput3"}},
        {161, Use::Caption, {"CheckBoxMaskDInput4"}},
        {162, Use::Caption, {"CheckBoxMaskDInput5"}},
        {163, Use::Caption, {"CheckBoxMaskDInput6"}},
        {164, Use::Caption, {"CheckBoxMaskDInput7"}},
        {165, Use::Caption, {"CheckBoxMaskDInput8"}},
        {166, Use::Caption, {"CheckBoxMaskDInput9"}},
        {167, Use::Caption, {"CheckBoxMaskDInput10"}},
        {168, Use::Caption, {"CheckBoxMaskDInput11"}},
        {169, Use::Caption, {"CheckBoxMaskDInput12"}},
        {170, Use::Caption, {"CheckBoxMaskDInput13"}},
        {171, Use::Caption, {"CheckBoxMaskDInput14"}},
        {172, Use::Caption, {"CheckBoxMaskDInput15"}},
        {173, Use::Caption, {"CheckBoxMaskDInput16"}},
        {174, Use::Caption, {"CheckBoxMaskDPower"}},
        {175, Use::Caption, {"CheckBoxMaskDTest"}},
        {176, Use::Caption, {"CheckBoxMaskDArm"}},
        {177, Use::Caption, {"CheckBoxMaskDDisarm"}},
        {178, Use::Caption, {"CheckBoxMaskCRestrictedArm"}},
        {179, Use::Caption, {"CheckBoxMaskDArm2"}},
        {180, Use::Caption, {"CheckBoxMaskDDisarm2"}},
        {181, Use::Caption, {"CheckBoxMaskDArm3"}},
        {182, Use::Caption, {"CheckBoxMaskDDisarm3"}},
        {183, Use::Caption, {"CheckBoxMaskDArm4"}},
        {184, Use::Caption, {"CheckBoxMaskDDisarm4"}},
        {185, Use::Caption, {"LabelProtocolAlias"}},
        {186, Use::Items, {"ComboBoxLang"}, 0, 2},
        {188, Use::Caption, {"Label67"}},
        {189, Use::Items, {"ComboBoxUserId"}, 0, 2},
        {191, Use::Caption, {"CheckBoxDebugMode"}},
        // Clock and scheduler.
        {193, Use::Framed, {"GroupBox8"}},
        {194, Use::Caption, {"Label16"}},
        {195, Use::Caption, {"Label28"}},
        {196, Use::Caption, {"Button2"}},
        {197, Use::Caption, {"Button3"}},
        {198, Use::Caption, {"Label130"}},
        {199, Use::Caption, {"CheckBoxDSTEnable"}},
        {200, Use::Framed, {"GroupBoxInfoMsgContent"}},
        {201, Use::Framed, {"GroupBox3"}},
        {202, Use::PaddedHeading, {"StringGrid3"}, 0},
        {203, Use::Heading, {"StringGrid3"}, 2},
        {204, Use::Heading, {"StringGrid3"}, 3},
        {205, Use::Heading, {"StringGrid3"}, 4},
        {206, Use::Heading, {"StringGrid3"}, 5},
        {207, Use::Heading, {"StringGrid3"}, 6},
        {208, Use::Heading, {"StringGrid3"}, 7},
        {209, Use::Heading, {"StringGrid3"}, 8},
        {210, Use::Heading, {"StringGrid3"}, 9},
        {211, Use::Heading, {"StringGrid3"}, 10},
        {212, Use::Heading, {"StringGrid3"}, 11},
        {213, Use::Heading, {"StringGrid3"}, 12},
        {214, Use::Heading, {"StringGrid3"}, 13},
        // Power, temperature, indication, tamper.
        {226, Use::Framed, {"GroupBox9"}},
        {227, Use::Caption, {"CheckBoxExtPowerFault"}},
        {228, Use::Caption, {"CheckBoxExtPowerRec"}},
        {229, Use::Caption, {"Label2"}},
        {230, Use::Caption, {"Label3"}},
        {231, Use::Framed, {"GroupBox21"}},
        {232, Use::Framed, {"GroupBox29"}},
        {233, Use::Caption, {"CheckBoxTemperatureEvent"}},
        {234, Use::Caption, {"Label133"}},
        {235, Use::Caption, {"LabelTemperature"}},
        {236, Use::Caption, {"Label132"}},
        {237, Use::Caption, {"Label134"}},
        {238, Use::Caption, {"Label135"}},
        {239, Use::Framed, {"GroupBox1"}},
        {240, Use::Caption, {"CheckBoxBatteryDischargeWarnEventEn"}},
        {241, Use::Caption, {"CheckBoxBatteryDischargeAlarmEventEn"}},
        {242, Use::Framed, {"GroupBox42"}},
        {243, Use::Caption, {"CheckBoxTamperEnable"}},
        {244, Use::Caption, {"Label157"}},
        {245, Use::Framed, {"GroupBox23"}},
        {246, Use::Caption, {"CheckBoxDisableLedsAtCoverClose"}},
        {254, Use::Caption, {"CheckBoxAlarmBlinking"}},
        // Arm-In and the touch keys.
        {256, Use::Framed, {"GroupBox11"}},
        {257, Use::Caption, {"Label25"}},
        {258, Use::Framed, {"GroupBoxProtectModeLink"}},
        {259, Use::Framed, {"GroupBox4"}},
        {260, Use::Framed, {"GroupBox5"}},
        {261, Use::Framed, {"GroupBox7"}},
        {262, Use::Framed, {"GroupBox43"}},
        {263, Use::Heading, {"StringGrid1"}, 1},
        {264, Use::Heading, {"StringGrid1"}, 2},
        // The larger model's perimeters: none of these is built here.
        {269, Use::Caption, {"Label164"}},
        {270, Use::Framed, {"GroupBox46"}},
        {271, Use::Caption, {"RadioButtonPerimPulsAD", "RadioButtonPerimPulsARM"}},
        {272, Use::Caption, {"Label192"}},
        {273, Use::Caption, {"Label166", "RadioButtonPerimTouchAD"}},
        {274, Use::Caption, {"Label165"}},
        {275, Use::Caption, {"LabelRedirectToOut"}},
        {277, Use::Framed, {"GroupBoxLinkedInsToPers"}},
        // Inputs in common.
        {279, Use::Framed, {"GroupBox45"}},
        {280, Use::Caption, {"Label162"}},
        {281, Use::Framed, {"GroupBox17"}},
        {282, Use::Caption, {"Label82"}},
        {283, Use::Framed, {"GroupBox18"}},
        {284, Use::Caption, {"Label96"}},
        {285, Use::Items, {"ComboBoxPortPwrSensAllOn"}, 0, 2},
        // An input.
        {288, Use::Caption, {"Label87"}},
        {289, Use::Caption, {"Label12"}},
        {290, Use::Caption, {"Label19"}},
        {291, Use::Caption, {"Label26"}},
        {292, Use::Items, {"ComboBoxSensType"}, 0, 5},
        {297, Use::Framed, {"GroupBox2"}},
        {298, Use::Items, {"ComboBoxSensActLevel"}, 0, 6},
        {304, Use::Framed, {"GroupBox10"}},
        {305, Use::Caption, {"Label152"}},
        {306, Use::Caption, {"Label151"}},
        {307, Use::Caption, {"Label93"}},
        {308, Use::Caption, {"Label94"}},
        {309, Use::Caption, {"Label95"}},
        {310, Use::Caption, {"Label80"}},
        {311, Use::Items, {"ComboBoxSensorPwrSource"}, 0, 3},
        {314, Use::Caption, {"CheckBox24HZone"}},
        {315, Use::Caption, {"Label88"}},
        {316, Use::Framed, {"GroupBoxFiltr"}},
        {317, Use::Caption, {"Label100"}},
        {318, Use::Caption, {"Label103"}},
        {319, Use::Caption, {"Label99"}},
        {320, Use::Caption, {"Label89"}},
        {321, Use::Caption, {"Label91"}},
        {322, Use::Caption, {"Label76"}},
        {323, Use::Items, {"ComboBoxAlarmTry"}, 0, 4},
        {327, Use::Caption, {"CheckBoxNotArmingAsActive"}},
        {328, Use::Framed, {"GroupBox14"}},
        {329, Use::Caption, {"StaticText2"}},
        {330, Use::Caption, {"Label35"}},
        {331, Use::Caption, {"Label193"}},
        {332, Use::Items, {"ComboBoxReleToAlarm"}, 0, 3},
        {335, Use::Framed, {"GroupBoxInActActions"}},
        {336, Use::Framed, {"GroupBoxInPasActions"}},
        // An output.
        {339, Use::Caption, {"CheckBoxReleInversion"}},
        {340, Use::Caption, {"Label7"}},
        {341, Use::Caption, {"Label92"}},
        {342, Use::Caption, {"Label104"}},
        {343, Use::Caption, {"CheckBoxRemoteControlEn"}},
        {344, Use::Caption, {"Label90"}},
        // Control scenarios.
        {354, Use::Caption, {"Memo2"}},
        // System parameters.
        {356, Use::Caption, {"Button1"}},
        {357, Use::Caption, {"Label108"}},
        {358, Use::Caption, {"Label110"}},
        {359, Use::Caption, {"Label109"}},
        {360, Use::Framed, {"GroupBox24"}},
        {361, Use::Caption, {"Label106"}},
        {362, Use::Caption, {"Label107"}},
        {363, Use::Items, {"ComboBoxCALDIR"}, 0, 2},
        {365, Use::Framed, {"GroupBox41"}},
        {366, Use::Items, {"ComboBoxBatteryType"}, 0, 2},
        {368, Use::Caption, {"CheckBoxFWUpdateEnable"}},
    };
    return kLines;
}

QString Line(const LanguageLines& lines, int n) {
    return QString::fromStdString(lines[static_cast<std::size_t>(n)]);
}

// Finds a control by the name the file stands for: the window's widgets
// and actions by object name, menu items by their own names.
class Targets {
public:
    explicit Targets(ConfiguratorWindow& window) : window_(window) {}

    QObject* find(const char* name) const {
        const QString n = QString::fromLatin1(name);
        if (QAction* item = window_.actions().menuItem(n)) return item;
        return window_.findChild<QObject*>(n);
    }
    template <class T>
    QList<T*> all(const std::vector<const char*>& names) const {
        QList<T*> found;
        for (const char* name : names) {
            if (auto* t = qobject_cast<T*>(find(name))) found << t;
        }
        return found;
    }

private:
    ConfiguratorWindow& window_;
};

void SetCaption(QObject* target, const QString& text) {
    if (auto* box = qobject_cast<QGroupBox*>(target)) return box->setTitle(text);
    if (auto* label = qobject_cast<QLabel*>(target)) return label->setText(text);
    if (auto* button = qobject_cast<QAbstractButton*>(target)) return button->setText(text);
    if (auto* action = qobject_cast<QAction*>(target)) return action->setText(text);
    if (auto* menu = qobject_cast<QMenu*>(target)) return menu->setTitle(text);
    if (auto* memo = qobject_cast<QPlainTextEdit*>(target)) return memo->setPlainText(text);
}

QString CaptionOf(const QObject* target) {
    if (auto* box = qobject_cast<const QGroupBox*>(target)) return box->title();
    if (auto* label = qobject_cast<const QLabel*>(target)) return label->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(target)) return button->text();
    if (auto* action = qobject_cast<const QAction*>(target)) return action->text();
    return {};
}

void SetHeading(QTableWidget* grid, int column, const QString& text) {
    if (column >= grid->columnCount()) return;
    if (QTableWidgetItem* item = grid->horizontalHeaderItem(column)) {
        item->setText(text);
    } else {
        grid->setHorizontalHeaderItem(column, new QTableWidgetItem(text));
    }
}

void ApplyLine(const Targets& targets, ConfiguratorWindow& window, const LanguageLines& lines,
               const LineUse& use) {
    const QString text = Line(lines, use.line);
    switch (use.use) {
    case Use::WindowCaption:
        window.setWindowTitle(text + QLatin1Char(' ') + "KRX310");
        break;
    case Use::Caption:
        for (const char* name : use.targets) {
            if (QObject* target = targets.find(name)) SetCaption(target, text);
        }
        break;
    case Use::Framed:
        for (QGroupBox* box : targets.all<QGroupBox>(use.targets)) {
            box->setTitle(QString::fromStdString(FramedCaption(lines[static_cast<std::size_t>(use.line)])));
        }
        break;
    case Use::Item:
        for (QComboBox* list : targets.all<QComboBox>(use.targets)) RetextItems(list, {text}, use.index);
        break;
    case Use::Items: {
        QStringList texts;
        for (int i = 0; i < use.count; ++i) texts << Line(lines, use.line + i);
        for (QComboBox* list : targets.all<QComboBox>(use.targets)) RetextItems(list, texts, use.index);
        break;
    }
    case Use::Refill: {
        QStringList texts;
        for (int i = 0; i < use.count; ++i) texts << Line(lines, use.line + i);
        for (QComboBox* list : targets.all<QComboBox>(use.targets)) RefillKeepingIndex(list, texts);
        break;
    }
    case Use::Heading:
        for (QTableWidget* grid : targets.all<QTableWidget>(use.targets)) SetHeading(grid, use.index, text);
        break;
    case Use::PaddedHeading:
        for (QTableWidget* grid : targets.all<QTableWidget>(use.targets)) {
            SetHeading(grid, use.index, QLatin1Char(' ') + text);
        }
        break;
    }
}

// Names numbered first..last: "Label" 1..7 gives Label1 .. Label7.
std::vector<QByteArray> Numbered(const char* stem, int first, int last) {
    std::vector<QByteArray> names;
    for (int i = first; i <= last; ++i) names.push_back(QByteArray(stem) + QByteArray::number(i));
    return names;
}

void CopyCaption(const Targets& targets, const char* from, const char* to) {
    QObject* source = targets.find(from);
    QObject* target = targets.find(to);
    if (source && target) SetCaption(target, CaptionOf(source));
}

void CopyCaptions(const Targets& targets, const char* fromStem, const char* toStem, int first, int last) {
    for (int i = first; i <= last; ++i) {
        const QByteArray n = QByteArray::number(i);
        CopyCaption(targets, (QByteArray(fromStem) + n).constData(), (QByteArray(toStem) + n).constData());
    }
}

QStringList ToQt(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& text : texts) out << QString::fromStdString(text);
    return out;
}

// Labels that show the output names, in output order.
void CaptionsFromNames(const Targets& targets, std::initializer_list<const char*> labels,
                       const QStringList& names) {
    int i = 0;
    for (const char* label : labels) {
        if (i >= names.size()) break;
        if (QObject* target = targets.find(label)) SetCaption(target, names[i]);
        ++i;
    }
}

void ItemsFrom(const Targets& targets, const std::vector<QByteArray>& lists, const QStringList& texts,
               int count = -1) {
    const QStringList used = count < 0 ? texts : texts.mid(0, count);
    for (const QByteArray& name : lists) {
        if (auto* list = qobject_cast<QComboBox*>(targets.find(name.constData()))) RetextItems(list, used);
    }
}

// Editable name lists lose their Russian suggestions; what is typed stays.
void ClearSuggestions(const Targets& targets, std::initializer_list<const char*> lists) {
    for (const char* name : lists) {
        if (auto* list = qobject_cast<QComboBox*>(targets.find(name))) {
            const QString typed = list->currentText();
            list->clear();
            if (list->isEditable()) list->setEditText(typed);
        }
    }
}

std::vector<QByteArray> Join(std::initializer_list<std::vector<QByteArray>> parts) {
    std::vector<QByteArray> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// What the file changes without a line of its own: captions copied from the
// controls that took a line, and lists and labels that take the replaced
// vocabulary.
void ApplyDerived(const Targets& targets, ConfiguratorWindow& window, const LanguageLines& lines) {
    const InterfaceTexts& texts = window.texts();
    const QStringList names = ToQt(texts.outputNames);
    const QStringList actions = ToQt(texts.outputActions);
    const QStringList scenarioActions = ToQt(texts.scenarioActions);

    // The tool buttons take the new menu captions; their hints go.
    const std::pair<const char*, const char*> toolButtons[] = {
        {"SpeedButton6", "N10"}, {"SpeedButton8", "N11"}, {"SpeedButton1", "N12"},
        {"SpeedButton4", "Reconfigurate1"}, {"SpeedButton9", "Reset1"},
        // The file tools show icons; their texts follow the menu too.
        {"SpeedButton2", "N2"}, {"SpeedButton3", "N3"}, {"SpeedButton5", "N13"}};
    for (const auto& [button, item] : toolButtons) CopyCaption(targets, item, button);
    for (QToolButton* button : window.findChildren<QToolButton*>()) {
        if (button->objectName().startsWith(QLatin1String("SpeedButton"))) {
            button->setToolTip(QString());
            button->setStatusTip(QString());
        }
    }

    // The connection page.
    ItemsFrom(targets, {"ComboBoxICToOUOutN"}, names);
    ItemsFrom(targets, {"ComboBoxICToOUScnN"}, actions);
    CopyCaptions(targets, "CheckBoxMaskDInput", "CheckBoxMaskSInput", 1, 16);
    for (const char* event : {"Power", "Test", "Arm", "Disarm", "Arm2", "Disarm2", "Arm3", "Disarm3",
                              "Arm4", "Disarm4"}) {
        CopyCaption(targets, (QByteArray("CheckBoxMaskD") + event).constData(),
                    (QByteArray("CheckBoxMaskS") + event).constData());
    }
    CopyCaption(targets, "CheckBoxMaskCRestrictedArm", "CheckBoxMaskSRestrictedArm");

    // The clock page.
    CopyCaptions(targets, "CheckBoxMaskDInput", "CheckBoxInfoIn", 1, 16);
    // The info message's relay and output boxes read as the output names.
    CaptionsFromNames(targets, {"CheckBoxInfoR1", "CheckBoxInfoR2", "CheckBoxInfoR3", "CheckBoxInfoR4",
                                "CheckBoxInfoR5", "CheckBoxInfoR6", "CheckBoxInfoR7"},
                      names);
    if (auto* grid = qobject_cast<QTableWidget*>(targets.find("StringGrid3"))) SetHeading(grid, 1, QString());
    // This model's task list shares its first seven entries with the
    // scenario actions; the entries after them apply profiles, which the
    // scenario actions do not hold, and keep their texts.
    ItemsFrom(targets, Numbered("ComboBoxTaskAction", 1, 8), scenarioActions, 7);
    ItemsFrom(targets, Numbered("ComboBoxTaskExtra", 1, 8), actions);
    if (auto* zone = qobject_cast<QComboBox*>(targets.find("ComboBoxTimeZone"))) {
        QStringList zones;
        for (int n = -12; n <= -1; ++n) zones << QStringLiteral("(GMT%1:00)").arg(n);
        for (int n = 0; n <= 13; ++n) zones << QStringLiteral("(GMT+%1:00)").arg(n);
        RefillKeepingIndex(zone, zones);
    }

    // The power page.
    ItemsFrom(targets, {"ComboBoxHiBorderOut", "ComboBoxLoBorderOut", "ComboBoxTamperActOutN"}, names);
    ItemsFrom(targets, {"ComboBoxHiBorderScn", "ComboBoxLoBorderScn", "ComboBoxTamperActScnN"}, actions);

    // The Arm-In page.
    CopyCaptions(targets, "CheckBoxMaskDInput", "CheckBoxRestrArmMode", 1, 8);
    CaptionsFromNames(targets, {"Label29", "Label9", "Label53", "Label58", "Label59", "Label60", "Label61"}, names);
    CaptionsFromNames(targets, {"Label13", "Label11", "Label43", "Label44", "Label45", "Label46", "Label47"}, names);
    CaptionsFromNames(targets, {"Label154", "Label153", "Label155", "Label156", "Label158", "Label159", "Label160"},
                      names);
    CaptionsFromNames(targets, {"Label20", "Label18", "Label62", "Label63", "Label64", "Label65", "Label71"}, names);
    ItemsFrom(targets,
              Join({Numbered("ComboBoxCDtoRele", 1, 7), Numbered("ComboBoxArmToRele", 1, 7),
                    Numbered("ComboBoxRAtoRele", 1, 7), Numbered("ComboBoxDisarmToRele", 1, 7)}),
              actions);
    if (auto* grid = qobject_cast<QTableWidget*>(targets.find("StringGrid1"))) {
        SetHeading(grid, 0, QStringLiteral("№"));
    }
    // The larger model's perimeter panel, where it exists.
    if (auto* grid = qobject_cast<QTableWidget*>(targets.find("StringGridPerimTouch"))) {
        SetHeading(grid, 0, QStringLiteral("№"));
        SetHeading(grid, 1, Line(lines, 263));
        SetHeading(grid, 2, Line(lines, 264));
    }
    for (int i = 1; i <= 16; ++i) {
        const QByteArray n = QByteArray::number(i);
        CopyCaption(targets, (QByteArray("CheckBoxMaskDInput") + n).constData(),
                    (QByteArray("CheckBoxInput") + n + "LinkType").constData());
    }
    CopyCaption(targets, "GroupBox4", "GroupBox48");
    CopyCaption(targets, "GroupBox5", "GroupBox49");
    CopyCaption(targets, "GroupBox7", "GroupBox47");
    if (QObject* label = targets.find("Label69")) {
        SetCaption(label, QString::fromStdString(SectionNodeTextOf(texts, SectionId::FromIndex(13))));
    }

    // The input page.
    ClearSuggestions(targets, {"ComboBoxSensName", "ComboBoxSensActSt", "ComboBoxSensPassSt"});
    CaptionsFromNames(targets, {"Label102", "Label101", "Label24", "Label27", "Label31", "Label33", "Label34"}, names);
    CaptionsFromNames(targets, {"Label98", "Label97", "Label36", "Label37", "Label38", "Label39", "Label40"}, names);
    ItemsFrom(targets, Join({Numbered("ComboBoxActRele", 1, 7), Numbered("ComboBoxPassRele", 1, 7)}), actions);

    // The output page: the name lists lose their suggestions, and the
    // switching type takes the output actions with its first item replaced
    // and "Включить", "Выключить" dropped.
    ClearSuggestions(targets, {"ComboBoxReleName", "ComboBoxReleNameAct", "ComboBoxReleNameDeact"});
    if (auto* list = qobject_cast<QComboBox*>(targets.find("ComboBoxCommType"))) {
        QStringList items = actions;
        if (!items.isEmpty()) items[0] = Line(lines, 345);
        for (int i = 0; i < 2 && items.size() > 1; ++i) items.removeAt(1);
        RefillKeepingIndex(list, items);
    }

    // The profile page's reactions read like every other reaction list.
    CaptionsFromNames(targets, {"LabelProfileToR1", "LabelProfileToR2", "LabelProfileToR3", "LabelProfileToR4",
                                "LabelProfileToR5", "LabelProfileToR6", "LabelProfileToR7"},
                      names);
    ItemsFrom(targets, Numbered("ComboBoxProfileToR", 1, 7), actions);

    // The system-parameter buttons read like the menu items.
    CopyCaption(targets, "N10", "BitBtnProgSysPar");
    CopyCaption(targets, "N11", "BitBtnReadSysPar");
}

}  // namespace

void ApplyLanguageLines(ConfiguratorWindow& window, const LanguageLines& lines) {
    if (lines.size() != static_cast<std::size_t>(kLanguageFileLineCount)) return;
    window.setLanguageLoaded();
    if (auto* group = window.findChild<QWidget*>(QStringLiteral("GroupBoxRsOutsStimulus"))) group->hide();
    window.setTexts(ApplyLanguageVocabulary(lines, window.texts()));
    const Targets targets(window);
    for (const LineUse& use : CaptionLines()) ApplyLine(targets, window, lines, use);
    ApplyDerived(targets, window, lines);
}

bool ApplyLanguageFileFrom(ConfiguratorWindow& window, const QString& directory) {
    QFile file(directory.isEmpty() ? QString::fromLatin1(kLanguageFileName)
                                   : directory + QLatin1Char('/') + QString::fromLatin1(kLanguageFileName));
    // Far more than 413 lines of text: not a language file.
    constexpr qint64 kLargestAccepted = 1 << 20;
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestAccepted) return false;
    const QByteArray bytes = file.readAll();
    const std::optional<LanguageLines> lines =
        ReadLanguageFile(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!lines) return false;
    ApplyLanguageLines(window, *lines);
    return true;
}

}  // namespace krx
