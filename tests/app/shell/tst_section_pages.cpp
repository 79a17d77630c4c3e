// Which page serves which section: the Arm-In, inputs, outputs and profiles
// nodes get their own pages, and the four inputs share one.

#include <QtTest>

#include <QLabel>
#include <QStackedWidget>

#include "app/pages/arm_in_panel.h"
#include "app/pages/input_panel.h"
#include "app/pages/inputs_common_panel.h"
#include "app/pages/outputs_panel.h"
#include "app/pages/profiles_note_panel.h"
#include "app/shell/section_pages.h"

using namespace krx;

class TestSectionPages : public QObject {
    Q_OBJECT
private slots:
    void sections_haveTheirPages_data();
    void sections_haveTheirPages();
    void fourInputs_shareOnePage();
    void outputsPage_showsTerminalPicture();
    void pageProperties_sayWhatTheSwitchStoresAndAllows_data();
    void pageProperties_sayWhatTheSwitchStoresAndAllows();
    void sectionIds_nameTheirKindAndRecord_data();
    void sectionIds_nameTheirKindAndRecord();
};

void TestSectionPages::sections_haveTheirPages_data() {
    QTest::addColumn<int>("sectionId");
    QTest::addColumn<QString>("pageName");
    QTest::addColumn<QString>("headerName");  // empty: the page has no header
    QTest::newRow("Вход [Arm In]") << 12 << "PanelArmIn" << "Label21";
    QTest::newRow("Входы") << 13 << "Panel7" << "";
    QTest::newRow("Вход 1") << 14 << "Panel6" << "Label10";
    QTest::newRow("Вход 4") << 17 << "Panel6" << "Label10";
    QTest::newRow("Выходы") << 18 << "Panel8" << "Label1";
    QTest::newRow("Профили") << 24 << "PanelProfileMain" << "Label66";
}

void TestSectionPages::sections_haveTheirPages() {
    QFETCH(int, sectionId);
    QFETCH(QString, pageName);
    QFETCH(QString, headerName);
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionPanel* page = pages.at(SectionId::FromIndex(sectionId));
    QVERIFY(page);
    QCOMPARE(page->objectName(), pageName);
    QCOMPARE(page->parentWidget(), &stack);
    if (headerName.isEmpty()) {
        QCOMPARE(page->headerLabel(), nullptr);
    } else {
        QVERIFY(page->headerLabel());
        QCOMPARE(page->headerLabel()->objectName(), headerName);
    }
}

void TestSectionPages::fourInputs_shareOnePage() {
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    QVERIFY(qobject_cast<InputPanel*>(pages.at(SectionId::FromIndex(14))));
    for (int id = 15; id <= 17; ++id) QCOMPARE(pages.at(SectionId::FromIndex(id)), pages.at(SectionId::FromIndex(14)));
    QVERIFY(pages.at(SectionId::FromIndex(13)) != pages.at(SectionId::FromIndex(14)));
    QVERIFY(qobject_cast<ArmInPanel*>(pages.at(SectionId::FromIndex(12))));
    QVERIFY(qobject_cast<InputsCommonPanel*>(pages.at(SectionId::FromIndex(13))));
    QVERIFY(qobject_cast<OutputsPanel*>(pages.at(SectionId::FromIndex(18))));
    QVERIFY(qobject_cast<ProfilesNotePanel*>(pages.at(SectionId::FromIndex(24))));
}

void TestSectionPages::outputsPage_showsTerminalPicture() {
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionPanel* page = pages.at(SectionId::FromIndex(18));
    page->adaptToModel(SectionId::FromIndex(18));
    stack.setCurrentWidget(page);
    stack.show();
    auto* picture = page->findChild<QLabel*>("ImageKRX310Outs");
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap().isNull());
}

void TestSectionPages::pageProperties_sayWhatTheSwitchStoresAndAllows_data() {
    QTest::addColumn<int>("sectionId");
    QTest::addColumn<bool>("keepsSettings");
    QTest::addColumn<bool>("allowsControllerActions");
    QTest::newRow("controller") << 0 << false << true;
    QTest::newRow("general") << 1 << true << true;
    QTest::newRow("Arm-In") << 12 << true << true;
    QTest::newRow("input 3") << 16 << true << true;
    QTest::newRow("outputs picture") << 18 << false << true;
    QTest::newRow("profiles note") << 24 << false << true;
    QTest::newRow("system parameters") << 29 << true << false;
}

void TestSectionPages::pageProperties_sayWhatTheSwitchStoresAndAllows() {
    QFETCH(int, sectionId);
    QFETCH(bool, keepsSettings);
    QFETCH(bool, allowsControllerActions);
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionPanel* page = pages.at(SectionId::FromIndex(sectionId));
    QVERIFY(page);
    QCOMPARE(page->keepsSettings(), keepsSettings);
    QCOMPARE(page->allowsControllerActions(), allowsControllerActions);
}

void TestSectionPages::sectionIds_nameTheirKindAndRecord_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("record");
    QTest::newRow("none") << -1 << int(SectionKind::None) << 0;
    QTest::newRow("beyond the tree") << 30 << int(SectionKind::None) << 0;
    QTest::newRow("root") << 0 << int(SectionKind::Controller) << 0;
    QTest::newRow("connection 1") << 2 << int(SectionKind::Connection) << 1;
    QTest::newRow("connection 8") << 9 << int(SectionKind::Connection) << 8;
    QTest::newRow("input 1") << 14 << int(SectionKind::Input) << 1;
    QTest::newRow("input 4") << 17 << int(SectionKind::Input) << 4;
    QTest::newRow("relay 1") << 19 << int(SectionKind::Output) << 0;
    QTest::newRow("output 2") << 22 << int(SectionKind::Output) << 3;
    QTest::newRow("scenarios") << 23 << int(SectionKind::Scenarios) << 0;
    QTest::newRow("profile 1") << 25 << int(SectionKind::Profile) << 1;
    QTest::newRow("profile 4") << 28 << int(SectionKind::Profile) << 4;
    QTest::newRow("system parameters") << 29 << int(SectionKind::SystemParameters) << 0;
}

void TestSectionPages::sectionIds_nameTheirKindAndRecord() {
    QFETCH(int, index);
    QFETCH(int, kind);
    QFETCH(int, record);
    const SectionId id = SectionId::FromIndex(index);
    QCOMPARE(int(id.kind()), kind);
    QCOMPARE(id.record(), record);
    QCOMPARE(id.isValid(), kind != int(SectionKind::None));
}

QTEST_MAIN(TestSectionPages)
#include "tst_section_pages.moc"
