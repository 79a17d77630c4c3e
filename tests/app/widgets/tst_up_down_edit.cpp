// Typed numbers in the up-down edits: text without digits reads as 0 and the
// arrows' range limits what was typed.
#include <QLineEdit>
#include <QtTest>

#include "app/widgets/up_down_edit.h"

using namespace krx;

class TestUpDownEdit : public QObject {
    Q_OBJECT
private slots:
    void typedText_isReadAndClamped_data();
    void typedText_isReadAndClamped();
    void editName_namesTheTextPart();
};

void TestUpDownEdit::typedText_isReadAndClamped_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("in range") << "17" << 17;
    QTest::newRow("maximum") << "240" << 240;
    QTest::newRow("above range") << "999" << 240;
    QTest::newRow("letters") << "abc" << 0;
    QTest::newRow("leading number") << "12s" << 12;
    QTest::newRow("negative") << "-5" << 0;
    QTest::newRow("huge") << "99999999999999" << 240;
}

void TestUpDownEdit::typedText_isReadAndClamped() {
    QFETCH(QString, typed);
    QFETCH(int, value);
    UpDownEdit edit;
    edit.setRange(0, 240);
    edit.setValue(100);
    edit.show();
    edit.edit()->selectAll();
    QTest::keyClicks(edit.edit(), typed);
    QTest::keyClick(edit.edit(), Qt::Key_Return);
    QCOMPARE(edit.value(), value);
    QCOMPARE(edit.text(), QString::number(value));
}

void TestUpDownEdit::editName_namesTheTextPart() {
    UpDownEdit edit;
    edit.setObjectName(QStringLiteral("UpDownDelayARM"));
    edit.setEditName(QStringLiteral("EditDelayARM"));
    QCOMPARE(edit.findChild<QLineEdit*>(QStringLiteral("EditDelayARM")), edit.edit());
}

QTEST_MAIN(TestUpDownEdit)
#include "tst_up_down_edit.moc"
