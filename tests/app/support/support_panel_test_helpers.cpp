#include "support/panel_test_helpers.h"

#include <QtTest>

namespace krx::test {

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

}  // namespace krx::test
