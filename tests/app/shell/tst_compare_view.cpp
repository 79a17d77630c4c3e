// The compare view: "Сравнить" against the simulated controller lists the
// differing settings with the editor's and the controller's values, a
// double click selects the row's section, equal bodies show no list, and a
// kept copy compares with the editor from the history.

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "app/dialogs/compare_dialog.h"
#include "app/dialogs/history_dialog.h"
#include "app/shell/compare_view.h"
#include "config/config_history.h"
#include "config/cp1251.h"
#include "config/default_image.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"

using namespace krx;
using krx::test::Rig;
using krx::test::WaitIdle;

namespace {

CompareView* ViewOf(const Rig& rig) { return rig.window->findChild<CompareView*>("CompareView"); }

QStringList Row(const QTreeWidgetItem* item) {
    QStringList texts;
    for (int c = 0; c < 4; ++c) texts << item->text(c);
    return texts;
}

// The default body with connection 2's phone (68 + 36), the summer-time box
// (2673 bit 0, off by default) checked and relay 1's reaction of profile 3 (4316 + 2 * 122 + 114)
// set to "включить" (1).
ConfigImage ControllerBody() {
    ConfigImage image = DefaultImage();
    const std::string phone = "+79035550102";
    for (std::size_t i = 0; i < phone.size(); ++i) image.bytes()[104 + i] = std::uint8_t(phone[i]);
    image.bytes()[2673] |= 0x01;
    image.bytes()[4316 + 244 + 114] = 1;
    image.bytes()[3000] ^= 0xFF;  // a byte of no setting
    return image;
}

}  // namespace

class TestCompareView : public QObject {
    Q_OBJECT
private slots:
    void compare_different_listsTheSettingsWithBothValues();
    void compare_doubleClick_selectsTheSection();
    void compare_equal_showsNoList();
    void history_comparesACopyWithTheEditor();
    void dialog_equalConfigurations_saysSo();
};

void TestCompareView::compare_different_listsTheSettingsWithBothValues() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.controller->setArea(1, ControllerBody().body());
    rig.actions().CompareConf->trigger();
    QCOMPARE(rig.actionText(), QStringLiteral("Данные в памяти контроллера отличаются от текущих"));
    CompareDialog* dialog = ViewOf(rig)->dialog();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    auto* tree = dialog->findChild<QTreeWidget*>("TreeCompare");
    QCOMPARE(tree->headerItem()->text(2), QStringLiteral("В редакторе"));
    QCOMPARE(tree->headerItem()->text(3), QStringLiteral("В контроллере"));
    QCOMPARE(tree->topLevelItemCount(), 4);
    QCOMPARE(Row(tree->topLevelItem(0)), (QStringList{"Соединение 2", "Phone", "", "+79035550102"}));
    QCOMPARE(Row(tree->topLevelItem(1)), (QStringList{"Часы, планировщик задач", "DSTEnable", "нет", "да"}));
    QCOMPARE(Row(tree->topLevelItem(2)),
             (QStringList{"Профиль 3", "ProfileToR1", "нет реакции", "включить"}));
    const QString was = QString::asprintf("%02X", DefaultImage().bytes()[3000]);
    const QString now = QString::asprintf("%02X", DefaultImage().bytes()[3000] ^ 0xFF);
    QCOMPARE(Row(tree->topLevelItem(3)), (QStringList{"Байты вне настроек", "байт 3000", was, now}));
    QVERIFY(rig.idle());
}

void TestCompareView::compare_doubleClick_selectsTheSection() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.controller->setArea(1, ControllerBody().body());
    rig.actions().CompareConf->trigger();
    CompareDialog* dialog = ViewOf(rig)->dialog();
    QVERIFY(dialog);
    auto* tree = dialog->findChild<QTreeWidget*>("TreeCompare");
    const auto doubleClick = [tree](int row) {
        QTreeWidgetItem* item = tree->topLevelItem(row);
        emit tree->itemDoubleClicked(item, 1);
    };
    doubleClick(0);
    QCOMPARE(rig.window->currentSectionId(), SectionId::Connection(2));
    doubleClick(2);
    QCOMPARE(rig.window->currentSectionId(), SectionId::Profile(3));
    doubleClick(1);
    QCOMPARE(rig.window->currentSectionId(), sections::kClock);
    // The row of bytes of no setting has no section: the selection stays.
    doubleClick(3);
    QCOMPARE(rig.window->currentSectionId(), sections::kClock);
    // A double click through the mouse does the same.
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const QRect rect = tree->visualItemRect(tree->topLevelItem(0));
    // (An item view acts on a double click only on the item the press chose.)
    QTest::mousePress(tree->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(rig.window->currentSectionId(), SectionId::Connection(2));
}

void TestCompareView::compare_equal_showsNoList() {
    Rig rig;
    QVERIFY(WaitIdle(rig));
    rig.controller->setArea(1, rig.window->image().body());
    rig.actions().CompareConf->trigger();
    QCOMPARE(rig.actionText(), QStringLiteral("Данные в памяти контроллера аналогичны текущим"));
    QVERIFY(!ViewOf(rig)->dialog());
    QVERIFY(!rig.window->findChild<CompareDialog*>());
}

void TestCompareView::history_comparesACopyWithTheEditor() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    SaveToHistory(ControllerBody(), dir.path().toStdString(), "AAAA", "2026-12-10_09-05-07", HistoryKind::Read);
    {
        Rig rig;
        QVERIFY(WaitIdle(rig));
        const ConfigImage before = rig.window->image();
        auto& dialogs = static_cast<test::FakeDialogs&>(rig.window->dialogs());
        dialogs.onModal = [](QDialog& d) {
            auto* tree = d.findChild<QTreeWidget*>("TreeHistory");
            tree->setCurrentItem(tree->topLevelItem(0)->child(0));
            d.findChild<QPushButton*>("ButtonHistoryCompare")->click();
        };
        rig.actions().FileHistory->trigger();
        CompareDialog* dialog = ViewOf(rig)->dialog();
        QVERIFY(dialog);
        auto* tree = dialog->findChild<QTreeWidget*>("TreeCompare");
        QCOMPARE(tree->headerItem()->text(3), QStringLiteral("В копии 10.12.2026 09:05:07"));
        QCOMPARE(Row(tree->topLevelItem(0)), (QStringList{"Соединение 2", "Phone", "", "+79035550102"}));
        // Comparing opens nothing into the editor.
        QVERIFY(rig.window->image() == before);
    }
    QVERIFY(QDir::setCurrent(previous));
}

void TestCompareView::dialog_equalConfigurations_saysSo() {
    CompareDialog dialog(BodyDifferences{}, BuiltInInterfaceTexts().valueWords, QStringLiteral("В копии"));
    QCOMPARE(dialog.findChild<QTreeWidget*>("TreeCompare")->topLevelItemCount(), 0);
    QCOMPARE(dialog.findChild<QLabel*>("LabelCompareSummary")->text(), QStringLiteral("Конфигурации совпадают."));
}

QTEST_MAIN(TestCompareView)
#include "tst_compare_view.moc"
