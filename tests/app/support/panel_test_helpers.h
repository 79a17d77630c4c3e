#pragma once
// Small helpers of the section page tests: finding a control by its object
// name, reading image bytes, and typing text as the user would.

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <cstddef>

#include "config/config_image.h"

namespace krx_test {

// The control named `name`; a test cannot go on without it.
template <class T>
T* Control(const QWidget& page, const char* name) {
    T* widget = page.findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("control %s missing", name);
    return widget;
}

// `size` bytes of the image from `offset`.
QByteArray ImageBytes(const krx::ConfigImage& image, std::size_t offset, std::size_t size);

// Types `text` key by key, any alphabet.
void TypeText(QWidget* widget, const QString& text);

}  // namespace krx_test
