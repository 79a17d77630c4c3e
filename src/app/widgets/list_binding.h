#pragma once
// Small helpers that put a section's item lists and list indexes into
// drop-down lists. An index of -1 (or one past the items) shows no choice.

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <string_view>

namespace krx {

// A UTF-8 text of the configuration model as the window shows it.
inline QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Empties the list and fills it with `texts` (UTF-8).
template <class Texts>
void FillList(QComboBox* list, const Texts& texts) {
    list->clear();
    for (const auto& text : texts) {
        const std::string_view view(text);
        list->addItem(QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size())));
    }
}

// Deletes items from the end until `count` remain (this model offers fewer).
inline void KeepFirstItems(QComboBox* list, int count) {
    while (list->count() > count) list->removeItem(list->count() - 1);
}

// An editable name list: the suggestions, at most `maxLength` characters
// typed, nothing inserted into the list, empty until a name is shown.
template <class Texts>
void PrepareNameList(QComboBox* list, const Texts& suggestions, int maxLength) {
    FillList(list, suggestions);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->lineEdit()->setMaxLength(maxLength);
    list->setEditText(QString());
}

// Replaces a list's items, keeping the selected index where it still exists
// (else the first item).
inline void RefillKeepingIndex(QComboBox* list, const QStringList& items) {
    const int selected = list->currentIndex();
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(selected >= 0 && selected < list->count() ? selected
                                                                    : (list->count() > 0 ? 0 : -1));
}

// Gives the first items of the list the texts of `texts`, in place: the
// count and the selection stay.
inline void RetextItems(QComboBox* list, const QStringList& texts, int first = 0) {
    for (int i = 0; i < texts.size() && first + i < list->count(); ++i) {
        list->setItemText(first + i, texts[i]);
    }
}

// Selects `index`, or no choice when the list has no such item.
inline void ShowListIndex(QComboBox* list, int index) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
}

}  // namespace krx
