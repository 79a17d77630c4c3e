// The factory-reset countdown: what it shows, how it counts, and the three
// ways it ends (run down, "Отмена", controller lost).

#include <QtTest>

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "app/dialogs/clear_config_dialog.h"

using namespace krx;

class TestClearConfigDialog : public QObject {
    Q_OBJECT
private slots:
    void newDialog_showsFullCountdownAndNoCloseIcon();
    void tick_countsOneSecondDown();
    void countdownRunDown_completesAndAccepts();
    void cancelButton_endsCancelled();
    void lostController_endsCancelledAfterCountingTheSecond();
    void keptController_keepsCounting();
    void shownDialog_ticksFromItsTimer();
};

void TestClearConfigDialog::newDialog_showsFullCountdownAndNoCloseIcon() {
    ClearConfigDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("TFormClearConfig"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Сброс конфигурации"));
    auto* bar = dialog.findChild<QProgressBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 1800);
    QCOMPARE(bar->value(), 1800);
    auto* seconds = dialog.findChild<QLabel*>(QStringLiteral("LabelCountDoenSec"));
    QVERIFY(seconds);
    QCOMPARE(seconds->text(), QStringLiteral("1800 Сек."));
    auto* cancel = dialog.findChild<QPushButton*>();
    QVERIFY(cancel);
    QCOMPARE(cancel->text(), QStringLiteral("Отмена"));
    bool explained = false;
    for (auto* label : dialog.findChildren<QLabel*>()) {
        explained |= label->text().startsWith(
            QStringLiteral("Через указанное время будет произведен сброс параметров"));
    }
    QVERIFY(explained);
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    QVERIFY(!dialog.completed());
}

void TestClearConfigDialog::tick_countsOneSecondDown() {
    ClearConfigDialog dialog;
    dialog.tick();
    dialog.tick();
    QCOMPARE(dialog.remainingSeconds(), 1798);
    QCOMPARE(dialog.remainingText(), QStringLiteral("1798 Сек."));
    QVERIFY(!dialog.completed());
}

void TestClearConfigDialog::countdownRunDown_completesAndAccepts() {
    ClearConfigDialog dialog;
    dialog.show();
    for (int i = 0; i < 1800; ++i) {
        dialog.tick();
    }
    QCOMPARE(dialog.remainingText(), QStringLiteral("0 Сек."));
    QVERIFY(!dialog.completed());  // the last second has still to pass
    QVERIFY(dialog.isVisible());
    dialog.tick();
    QVERIFY(dialog.completed());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(!dialog.isCounting());
}

void TestClearConfigDialog::cancelButton_endsCancelled() {
    ClearConfigDialog dialog;
    dialog.show();
    QVERIFY(dialog.isCounting());
    dialog.findChild<QPushButton*>()->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.completed());
    QVERIFY(!dialog.isCounting());
}

void TestClearConfigDialog::lostController_endsCancelledAfterCountingTheSecond() {
    bool lost = false;
    ClearConfigDialog dialog([&lost] { return lost; });
    dialog.show();
    dialog.tick();
    QVERIFY(dialog.isVisible());
    lost = true;
    dialog.tick();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.completed());
    QCOMPARE(dialog.remainingText(), QStringLiteral("1798 Сек."));
}

void TestClearConfigDialog::keptController_keepsCounting() {
    int asked = 0;
    ClearConfigDialog dialog([&asked] {
        ++asked;
        return false;
    });
    dialog.show();
    dialog.tick();
    dialog.tick();
    QCOMPARE(asked, 2);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.remainingSeconds(), 1798);
}

void TestClearConfigDialog::shownDialog_ticksFromItsTimer() {
    ClearConfigDialog dialog;
    dialog.show();
    QTRY_COMPARE_WITH_TIMEOUT(dialog.remainingSeconds(), 1799, 2500);
}

QTEST_MAIN(TestClearConfigDialog)
#include "tst_clear_config_dialog.moc"
