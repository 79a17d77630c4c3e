#pragma once
// Small helpers of the section page tests: finding a control by its object
// name, reading image bytes, and typing text as the user would.

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <cstddef>

#include "common/test_bytes.h"
#include "config/config_image.h"

namespace krx::test {

// The control named `name`; a test cannot go on without it.
template <class T>
T* Control(const QWidget& page, const char* name) {
    T* widget = page.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("control %s missing", name);
    return widget;
}

// Types `text` key by key, any alphabet.
void TypeText(QWidget* widget, const QString& text);

}  // namespace krx::test
