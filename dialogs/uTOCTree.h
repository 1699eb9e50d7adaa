// The table of contents as a tree of nodes: the root stands for the book, every other node
// carries (does not own) one entry of a TWolfTOCList. The editor keeps every entry's key
// equal to its place in the tree.
#pragma once

#include "BookEncoding.h"
#include "uWolfDefs.h"

#include <QString>
#include <cstdint>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace dialogs {

wolf::TWolfTOCItem* EntryOf(const QTreeWidgetItem* node);
void SetEntry(QTreeWidgetItem* node, wolf::TWolfTOCItem* entry);
// 0 for the root, 1 for chapters, 2 and 3 below.
int NodeLevel(const QTreeWidgetItem* node);

QString NodeCaption(const wolf::TWolfTOCItem& entry, const platform::TBookEncoding& encoding);
QString RootCaption(const std::string& title, const platform::TBookEncoding& encoding);

// The key the entry of a node must have: its parent's key with the node's own number set
// to its position among its siblings + 1.
uint32_t KeyAtPlace(const QTreeWidgetItem* node);
// Gives every descendant of the node the key of its place.
void RenumberBelow(QTreeWidgetItem* node);

// Clears the tree and adds the root and a node for every entry of toc (sorted by depth in
// the process). Entries whose parent is missing are shown under their nearest ancestor
// (or the root), and every key is then set to its place, so that damaged keys read from a
// book cannot break the tree.
void FillTree(QTreeWidget* tree, wolf::TWolfTOCList& toc, const QString& rootCaption,
              const platform::TBookEncoding& encoding);

// The entries of the node's descendants, at every depth, the node's own first.
std::vector<wolf::TWolfTOCItem*> EntriesOfSubtree(const QTreeWidgetItem* node);

// Empty when every entry's key equals its place and the tree shows each entry of toc
// exactly once; otherwise what is wrong.
QString TreeInvariantViolation(const QTreeWidget* tree, const wolf::TWolfTOCList& toc);

}  // namespace dialogs
