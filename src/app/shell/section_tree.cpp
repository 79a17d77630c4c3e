#include "app/shell/section_tree.h"

#include <QRegularExpression>
#include <QStringList>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <vector>

namespace krx {

QString SectionTreeText(const InterfaceTexts& texts) {
    QStringList lines;
    for (const SectionNodeText& node : texts.sectionTree) {
        lines << QString(node.level, QLatin1Char('\t')) + QString::fromStdString(node.text);
    }
    return lines.join("\r\n");
}

QString RootNodeText(const InterfaceTexts& texts) {
    return QString::fromStdString(SectionNodeTextOf(texts, sections::kController)) +
           QLatin1Char(' ') + "KRX310" + "-" + "LT";
}

void LoadSectionTree(QTreeWidget& tree, const QString& text) {
    tree.clear();
    std::vector<QTreeWidgetItem*> open;  // open[level] = last node of that level
    const QStringList lines = text.split(QRegularExpression("\r\n|\n|\r"));
    for (const QString& line : lines) {
        qsizetype level = 0;
        while (level < line.size() && line.at(level) == '\t') ++level;
        const QString nodeText = line.mid(level);
        if (nodeText.isEmpty()) continue;
        level = std::min<qsizetype>(level, qsizetype(open.size()));
        QTreeWidgetItem* item = level == 0 ? new QTreeWidgetItem(&tree)
                                           : new QTreeWidgetItem(open[std::size_t(level - 1)]);
        item->setText(0, nodeText);
        open.resize(std::size_t(level));
        open.push_back(item);
    }
}

QTreeWidgetItem* SectionItem(const QTreeWidget& tree, SectionId section) {
    if (!section.isValid()) return nullptr;
    int index = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it, ++index) {
        if (index == section.index()) return *it;
    }
    return nullptr;
}

SectionId SectionIdOf(const QTreeWidget& tree, const QTreeWidgetItem* item) {
    if (!item) return SectionId();
    int index = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(&tree)); *it; ++it, ++index) {
        if (*it == item) return SectionId::FromIndex(index);
    }
    return SectionId();
}

}  // namespace krx
