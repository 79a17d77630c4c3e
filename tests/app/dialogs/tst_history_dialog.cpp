// "История конфигураций": the kept copies by controller and time, and the
// window opening the one chosen into the editor.

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "app/dialogs/history_dialog.h"
#include "app/shell/file_commands.h"
#include "app/shell/status_panels.h"
#include "config/config_file.h"
#include "config/default_image.h"
#include "support/fake_window_services.h"
#include "support/sim_window_rig.h"

using namespace krx;
namespace fs = std::filesystem;

class TestHistoryDialog : public QObject {
    Q_OBJECT
private slots:
    void dialog_groupsByControllerAndChoosesAnEntry();
    void dialog_noCopies_saysSoAndChoosesNothing();
    void window_opensTheChosenCopyIntoTheEditor();
};

void TestHistoryDialog::dialog_groupsByControllerAndChoosesAnEntry() {
    QTemporaryDir dir;
    const fs::path root = dir.path().toStdString();
    SaveToHistory(DefaultImage(), root, "AAAA", "2026-12-10_09-05-07", HistoryKind::Read);
    const fs::path programmed = SaveToHistory(DefaultImage(), root, "AAAA", "2026-12-11_10-00-00", HistoryKind::Programmed);
    SaveToHistory(DefaultImage(), root, "BBBB", "2026-12-09_08-00-00", HistoryKind::Read);
    HistoryDialog dialog(ListHistory(root));
    auto* tree = dialog.findChild<QTreeWidget*>("TreeHistory");
    QCOMPARE(tree->topLevelItemCount(), 2);
    QTreeWidgetItem* first = tree->topLevelItem(0);
    QCOMPARE(first->text(0), QStringLiteral("AAAA"));
    QCOMPARE(first->childCount(), 2);
    QCOMPARE(first->child(0)->text(0), QStringLiteral("10.12.2026 09:05:07"));
    QCOMPARE(first->child(0)->text(1), QStringLiteral("чтение"));
    QCOMPARE(first->child(1)->text(1), QStringLiteral("программирование"));
    QVERIFY(!dialog.findChild<QLabel*>("LabelHistoryEmpty")->isVisibleTo(&dialog));

    auto* open = dialog.findChild<QPushButton*>("ButtonHistoryOpen");
    tree->setCurrentItem(first);  // a controller's row opens nothing
    QVERIFY(!open->isEnabled());
    dialog.choose(first);
    QCOMPARE(dialog.chosenFile(), QString());
    tree->setCurrentItem(first->child(1));
    QVERIFY(open->isEnabled());
    open->click();
    QCOMPARE(dialog.chosenFile(), QString::fromStdString(programmed.string()));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestHistoryDialog::dialog_noCopies_saysSoAndChoosesNothing() {
    HistoryDialog dialog({});
    QVERIFY(dialog.findChild<QLabel*>("LabelHistoryEmpty")->isVisibleTo(&dialog));
    dialog.findChild<QPushButton*>("ButtonHistoryClose")->click();
    QCOMPARE(dialog.chosenFile(), QString());
}

void TestHistoryDialog::window_opensTheChosenCopyIntoTheEditor() {
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(dir.path()));
    ConfigImage older = DefaultImage();
    older.body()[12] ^= 0x07;
    ConfigImage newer = DefaultImage();
    newer.body()[12] ^= 0x03;
    const fs::path root = dir.path().toStdString();
    SaveToHistory(older, root, "AAAA", "2026-12-10_09-00-00", HistoryKind::Read);
    const fs::path chosen = SaveToHistory(newer, root, "AAAA", "2026-12-11_09-00-00", HistoryKind::Programmed);
    {
        test::Rig rig;
        auto& dialogs = static_cast<test::FakeDialogs&>(rig.window->dialogs());
        dialogs.onModal = [](QDialog& d) {
            auto* tree = d.findChild<QTreeWidget*>("TreeHistory");
            emit tree->itemDoubleClicked(tree->topLevelItem(0)->child(1), 0);
        };
        QVERIFY(test::WaitIdle(rig));
        rig.actions().FileHistory->trigger();
        QCOMPARE(dialogs.modals, 1);
        QCOMPARE(rig.window->image().body()[12], newer.body()[12]);
        QCOMPARE(rig.window->statusPanels().text(StatusPanels::kFileName), QString::fromStdString(chosen.string()));
    }
    QDir::setCurrent(previous);
}

QTEST_MAIN(TestHistoryDialog)
#include "tst_history_dialog.moc"
