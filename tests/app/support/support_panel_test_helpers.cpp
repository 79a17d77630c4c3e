#include "support/panel_test_helpers.h"

#include <QtTest>

namespace krx_test {

QByteArray ImageBytes(const krx::ConfigImage& image, std::size_t offset, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(image.bytes().data() + offset),
                      qsizetype(size));
}

void TypeText(QWidget* widget, const QString& text) {
    for (const QChar ch : text) {
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

}  // namespace krx_test
