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
    SectionPanel* page = pages.at(sectionId);
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
    QVERIFY(qobject_cast<InputPanel*>(pages.at(14)));
    for (int id = 15; id <= 17; ++id) QCOMPARE(pages.at(id), pages.at(14));
    QVERIFY(pages.at(13) != pages.at(14));
    QVERIFY(qobject_cast<ArmInPanel*>(pages.at(12)));
    QVERIFY(qobject_cast<InputsCommonPanel*>(pages.at(13)));
    QVERIFY(qobject_cast<OutputsPanel*>(pages.at(18)));
    QVERIFY(qobject_cast<ProfilesNotePanel*>(pages.at(24)));
}

void TestSectionPages::outputsPage_showsTerminalPicture() {
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionPanel* page = pages.at(18);
    page->adaptToModel(18);
    stack.setCurrentWidget(page);
    stack.show();
    auto* picture = page->findChild<QLabel*>("ImageKRX310Outs");
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    QVERIFY(!picture->pixmap().isNull());
}

QTEST_MAIN(TestSectionPages)
#include "tst_section_pages.moc"
