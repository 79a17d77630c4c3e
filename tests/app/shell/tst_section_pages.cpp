// Which page serves which section: the Arm-In, inputs, outputs and profiles
// nodes get their own pages, and the four inputs share one.

#include <QtTest>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QLabel>
#include <QSet>
#include <QStackedWidget>

#include "app/pages/arm_in_panel.h"
#include "app/pages/input_panel.h"
#include "app/pages/inputs_common_panel.h"
#include "app/pages/outputs_panel.h"
#include "app/pages/profiles_note_panel.h"
#include "app/shell/section_pages.h"
#include "config/default_image.h"

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
    void keyboard_tabVisitsEveryControlOnceAndComesBack_data();
    void keyboard_tabVisitsEveryControlOnceAndComesBack();
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

namespace {

// The controls a keyboard user must be able to reach: shown, enabled and
// taking the focus by Tab, counted once. The line edit inside a list or a
// spin box is its owner's; a group of radio buttons is one stop (the arrow
// keys choose within it), and the controls placed in a grid's cells are
// stops of their own.
bool IsInner(QWidget* w, QWidget& page) {
    for (QWidget* up = w->parentWidget(); up && up != &page; up = up->parentWidget()) {
        if (qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up)) return true;
    }
    return false;
}

QWidget* RadioGroupOf(QWidget* w) {
    auto* radio = qobject_cast<QRadioButton*>(w);
    if (!radio || !radio->autoExclusive()) return w;
    for (QRadioButton* r : radio->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (r->isVisible() && r->isEnabled()) return r;
    }
    return w;
}

QList<QWidget*> TabStops(QWidget& page) {
    QList<QWidget*> stops;
    for (QWidget* w : page.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&page) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (IsInner(w, page) || w->focusProxy()) continue;
        QWidget* stop = RadioGroupOf(w);
        if (!stops.contains(stop)) stops << stop;
    }
    return stops;
}

// The stop that owns the widget holding the focus.
QWidget* StopOf(QWidget* focused, const QList<QWidget*>& stops) {
    for (QWidget* w = focused; w; w = w->parentWidget()) {
        if (stops.contains(RadioGroupOf(w))) return RadioGroupOf(w);
    }
    return focused;
}

}  // namespace

void TestSectionPages::keyboard_tabVisitsEveryControlOnceAndComesBack_data() {
    QTest::addColumn<int>("sectionId");
    for (int id : {0, 1, 9, 10, 11, 12, 13, 14, 18, 19, 23, 24, 25, 29}) {
        QTest::newRow(qPrintable(QString::number(id))) << id;
    }
}

void TestSectionPages::keyboard_tabVisitsEveryControlOnceAndComesBack() {
    QFETCH(int, sectionId);
    const SectionId section = SectionId::FromIndex(sectionId);
    QStackedWidget stack;
    const SectionPages pages = CreateSectionPages(stack);
    SectionPanel* page = pages.at(section);
    page->adaptToModel(section);
    const ConfigImage image = DefaultImage();
    page->loadSection(section, image);
    stack.setCurrentWidget(page);
    stack.resize(1000, 720);
    stack.show();
    QVERIFY(QTest::qWaitForWindowActive(&stack));

    const QList<QWidget*> stops = TabStops(*page);
    if (stops.isEmpty()) return;  // a page with nothing to edit
    stops.first()->setFocus(Qt::TabFocusReason);
    QWidget* first = StopOf(QApplication::focusWidget(), stops);
    QSet<QWidget*> visited{first};
    // One key press per control: a grid that walks its cells by Tab would
    // keep the keyboard user inside it.
    for (int press = 1; press <= stops.size(); ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = StopOf(QApplication::focusWidget(), stops);
        if (now == first) break;
        QVERIFY2(!visited.contains(now), qPrintable("visited twice: " + now->objectName()));
        visited.insert(now);
    }
    QCOMPARE(StopOf(QApplication::focusWidget(), stops), first);
    for (QWidget* w : stops) {
        QVERIFY2(visited.contains(w), qPrintable("never reached: " + w->objectName()));
    }
}

QTEST_MAIN(TestSectionPages)
#include "tst_section_pages.moc"
