#pragma once
// The section tree `TreeView1`: built from a tab-indented text, one node per
// line. A node's `SectionId` is its absolute index in reading order.

#include <QString>

#include "config/interface_texts.h"
#include "config/section_id.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace krx {


// The tree text of the catalogue: lines separated by CR LF, the level given
// by the number of leading tabs.
QString SectionTreeText(const InterfaceTexts& texts);
// The root node's text: the catalogue's root text, a blank and the model,
// "GSM контроллер KRX310-LT".
QString RootNodeText(const InterfaceTexts& texts);

// Replaces the tree's nodes by the ones of `text`. A line indented deeper
// than one level below its predecessor hangs under the deepest open node.
void LoadSectionTree(QTreeWidget& tree, const QString& text);

// Node of a section, nullptr for no section.
QTreeWidgetItem* SectionItem(const QTreeWidget& tree, SectionId section);
// Section of a node; no section for nullptr or a foreign item.
SectionId SectionIdOf(const QTreeWidget& tree, const QTreeWidgetItem* item);

}  // namespace krx
