// The calibration dialog: the typed wanted value, OK by Enter, Cancel.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/dialogs/calibration_dialog.h"

using namespace krx;

class TestCalibrationDialog : public QObject {
    Q_OBJECT
private slots:
    void startsWithZero_andFixedTexts();
    void wantedValue_readsTypedNumber_data();
    void wantedValue_readsTypedNumber();
    void enterInEdit_confirms();
    void cancel_givesNothing();
};

namespace {

QLineEdit* NeedVal(QWidget* dialog) {
    return dialog->findChild<QLineEdit*>(QStringLiteral("MaskEditNeedVal"));
}

// Answers the next modal dialog with `typed` and the button named `button`.
void AnswerNextDialog(const QString& typed, const QString& button) {
    QTimer::singleShot(0, [typed, button] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QLineEdit* edit = NeedVal(dialog);
        edit->selectAll();
        QTest::keyClicks(edit, typed);
        dialog->findChild<QPushButton*>(button)->click();
    });
}

}  // namespace

void TestCalibrationDialog::startsWithZero_andFixedTexts() {
    CalibrationDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("TFormCalibration"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Калибровка входа"));
    QCOMPARE(NeedVal(&dialog)->text(), QStringLiteral("0"));
    QCOMPARE(NeedVal(&dialog)->maxLength(), 10);
    QCOMPARE(dialog.wantedValue(), 0.0);
}

void TestCalibrationDialog::wantedValue_readsTypedNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("wanted");
    QTest::newRow("integer") << "6" << 6.0;
    QTest::newRow("decimal comma") << "6,25" << 6.25;
    QTest::newRow("negative point") << "-1.5" << -1.5;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
}

void TestCalibrationDialog::wantedValue_readsTypedNumber() {
    QFETCH(QString, typed);
    QFETCH(double, wanted);
    CalibrationDialog dialog;
    NeedVal(&dialog)->setText(typed);
    QCOMPARE(dialog.wantedValue(), wanted);
}

void TestCalibrationDialog::enterInEdit_confirms() {
    CalibrationDialog dialog;
    dialog.show();
    NeedVal(&dialog)->setText(QStringLiteral("7,5"));
    QTest::keyClick(NeedVal(&dialog), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.wantedValue(), 7.5);
}

void TestCalibrationDialog::cancel_givesNothing() {
    AnswerNextDialog(QStringLiteral("12"), QStringLiteral("ButtonCancel"));
    QCOMPARE(CalibrationDialog::AskWantedValue(nullptr), std::nullopt);
    AnswerNextDialog(QStringLiteral("12"), QStringLiteral("ButtonOK"));
    QCOMPARE(CalibrationDialog::AskWantedValue(nullptr), std::optional<double>(12.0));
}

QTEST_MAIN(TestCalibrationDialog)
#include "tst_calibration_dialog.moc"
