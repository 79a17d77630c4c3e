// Section "Системные параметры": the warning that covers the fields until
// editing is allowed, the fields of the tail through the page's controls,
// and the page's own buttons.

#include <QtTest>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/pages/system_parameters_panel.h"
#include "config/default_image.h"
#include "support/panel_test_helpers.h"

using namespace krx;
using namespace krx::test;

class TestSystemParametersPanel : public QObject {
    Q_OBJECT
private slots:
    void warning_coversTheFieldsUntilEditingIsAllowed();
    void tail_loadsAndStoresThroughTheControls();
    void buttons_askForTheirOperations();
};

void TestSystemParametersPanel::warning_coversTheFieldsUntilEditingIsAllowed() {
    SystemParametersPanel page;
    page.show();
    QCOMPARE(page.objectName(), QString("Panel11"));
    QVERIFY(!page.allowsControllerActions());
    auto* warning = Control<QWidget>(page, "PanelSysParWarning");
    auto* allow = Control<QPushButton>(page, "Button1");
    QVERIFY(warning->isVisible());
    QVERIFY(!Control<QWidget>(page, "EditCALVAL")->isVisible());
    QVERIFY(Control<QLabel>(page, "Label109")->text().startsWith("Эти значения не сохраняются"));
    QVERIFY(!Control<QPushButton>(page, "BitBtnProgSysPar")->isEnabled());
    allow->click();
    QVERIFY(!warning->isVisible());
    QVERIFY(Control<QWidget>(page, "EditCALVAL")->isVisible());
    QVERIFY(!allow->isEnabled());
    page.allowProgramming();
    QVERIFY(Control<QPushButton>(page, "BitBtnProgSysPar")->isEnabled());
}

void TestSystemParametersPanel::tail_loadsAndStoresThroughTheControls() {
    SystemParametersPanel page;
    ConfigImage image = DefaultImage();
    const std::array<std::uint8_t, 8> tail{0x2C, 0x01, 0xFE, 0xFF, 0xFE, 0xFE, 0xFF, 0xFF};
    std::copy(tail.begin(), tail.end(), image.systemParameters().begin());
    page.loadSection(sections::kSystemParameters, image);
    QCOMPARE(Control<QLineEdit>(page, "EditCALVAL")->text(), QString("300"));
    QCOMPARE(Control<QComboBox>(page, "ComboBoxCALDIR")->currentIndex(), 1);
    QCOMPARE(Control<QComboBox>(page, "ComboBoxBatteryType")->currentIndex(), 0);
    QVERIFY(!Control<QCheckBox>(page, "CheckBoxFWUpdateEnable")->isChecked());
    QVERIFY(Control<QCheckBox>(page, "CheckBoxCRCCheckDisable")->isChecked());
    // Blanks around the number go; the other bits of the tail stay.
    Control<QLineEdit>(page, "EditCALVAL")->setText(" 7 ");
    Control<QCheckBox>(page, "CheckBoxFWUpdateEnable")->setChecked(true);
    page.storeSection(sections::kSystemParameters, image);
    QCOMPARE(Control<QLineEdit>(page, "EditCALVAL")->text(), QString("7"));
    QCOMPARE(ImageBytes(image, 5304, 8), QByteArray("\x07\x00\xFE\xFF\xFE\xFF\xFF\xFF", 8));
}

void TestSystemParametersPanel::buttons_askForTheirOperations() {
    SystemParametersPanel page;
    QSignalSpy reads(&page, &SystemParametersPanel::readRequested);
    QSignalSpy programs(&page, &SystemParametersPanel::programRequested);
    Control<QPushButton>(page, "BitBtnReadSysPar")->click();
    QCOMPARE(reads.count(), 1);
    Control<QPushButton>(page, "BitBtnProgSysPar")->click();  // disabled: nothing
    QCOMPARE(programs.count(), 0);
    page.allowProgramming();
    Control<QPushButton>(page, "BitBtnProgSysPar")->click();
    QCOMPARE(programs.count(), 1);
}

QTEST_MAIN(TestSystemParametersPanel)
#include "tst_system_parameters_panel.moc"
