#pragma once
// The section tree `TreeView1`: built from a tab-indented text, one node per
// line. A node's `SectionId` is its absolute index in reading order.

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;

namespace krx {

inline constexpr int kSectionCount = 30;
inline constexpr int kNoSection = -1;
inline constexpr int kSectionRoot = 0;
inline constexpr int kSectionGeneral = 1;
inline constexpr int kSectionOutputs = 18;
inline constexpr int kSectionProfiles = 24;
inline constexpr int kSectionSystemParameters = 29;

// The built-in tree text: lines separated by CR LF, the level given by the
// number of leading tabs.
QString SectionTreeText();
// The root node's text, "GSM контроллер KRX310-LT".
QString RootNodeText();

// Replaces the tree's nodes by the ones of `text`. A line indented deeper
// than one level below its predecessor hangs under the deepest open node.
void LoadSectionTree(QTreeWidget& tree, const QString& text);

// Node by `SectionId`, nullptr when out of range.
QTreeWidgetItem* SectionItem(const QTreeWidget& tree, int sectionId);
// `SectionId` of a node, kNoSection for nullptr or a foreign item.
int SectionIdOf(const QTreeWidget& tree, const QTreeWidgetItem* item);

}  // namespace krx
