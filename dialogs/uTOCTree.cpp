#include "uTOCTree.h"

#include <QCoreApplication>

#include <QHash>
#include <QSet>
#include <QTreeWidget>

namespace dialogs {

using wolf::TWolfTOCItem;

TWolfTOCItem* EntryOf(const QTreeWidgetItem* node)
{
    return node ? static_cast<TWolfTOCItem*>(node->data(0, Qt::UserRole).value<void*>()) : nullptr;
}

void SetEntry(QTreeWidgetItem* node, TWolfTOCItem* entry)
{
    node->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(entry)));
}

int NodeLevel(const QTreeWidgetItem* node)
{
    int level = 0;
    for (const QTreeWidgetItem* parent = node->parent(); parent; parent = parent->parent()) ++level;
    return level;
}

QString NodeCaption(const TWolfTOCItem& entry, const platform::TBookEncoding& encoding)
{
    const QString title =
        entry.Title().empty() ? QCoreApplication::translate("TOCTree", "(empty)") : encoding.Decode(entry.Title());
    if (entry.PageIndex < 0) return title + QStringLiteral(" [x]");
    return QStringLiteral("%1 [%2]").arg(title).arg(qint64(entry.PageIndex) + 1);
}

QString RootCaption(const std::string& title, const platform::TBookEncoding& encoding)
{
    const std::string trimmed = wolf::Trim(title);
    return trimmed.empty() ? QCoreApplication::translate("TOCTree", "No name") : encoding.Decode(trimmed);
}

uint32_t KeyAtPlace(const QTreeWidgetItem* node)
{
    const QTreeWidgetItem* parent = node->parent();
    const TWolfTOCItem* parentEntry = EntryOf(parent);
    TWolfTOCItem place = TWolfTOCItem::CreateFromKey(parentEntry ? parentEntry->Key() : 0, {}, -1);
    place.SetNumber(NodeLevel(node),
                    static_cast<uint8_t>(parent->indexOfChild(const_cast<QTreeWidgetItem*>(node)) + 1));
    return place.Key();
}

void RenumberBelow(QTreeWidgetItem* node)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QTreeWidgetItem* child = node->child(i);
        if (TWolfTOCItem* entry = EntryOf(child)) entry->SetKey(KeyAtPlace(child));
        RenumberBelow(child);
    }
}

void FillTree(QTreeWidget* tree, wolf::TWolfTOCList& toc, const QString& rootCaption,
              const platform::TBookEncoding& encoding)
{
    toc.SortByDepth();
    tree->setUpdatesEnabled(false);
    tree->clear();
    auto* root = new QTreeWidgetItem(tree, QStringList(rootCaption));
    // Nodes by the key their entry had in the list; the first of equal keys wins.
    QHash<uint32_t, QTreeWidgetItem*> nodeByKey;
    for (int i = 0; i < toc.Count(); ++i) {
        TWolfTOCItem& entry = toc[i];
        QTreeWidgetItem* parent = root;
        for (uint32_t key = entry.ParentKey(); key != 0;) {
            if (QTreeWidgetItem* found = nodeByKey.value(key)) {
                parent = found;
                break;
            }
            key = TWolfTOCItem::CreateFromKey(key, {}, -1).ParentKey();
        }
        auto* node = new QTreeWidgetItem(parent, QStringList(NodeCaption(entry, encoding)));
        SetEntry(node, &entry);
        if (!nodeByKey.contains(entry.Key())) nodeByKey.insert(entry.Key(), node);
    }
    RenumberBelow(root);
    tree->expandAll();
    tree->setUpdatesEnabled(true);
}

std::vector<TWolfTOCItem*> EntriesOfSubtree(const QTreeWidgetItem* node)
{
    std::vector<TWolfTOCItem*> entries;
    if (TWolfTOCItem* entry = EntryOf(node)) entries.push_back(entry);
    for (int i = 0; i < node->childCount(); ++i) {
        const std::vector<TWolfTOCItem*> below = EntriesOfSubtree(node->child(i));
        entries.insert(entries.end(), below.begin(), below.end());
    }
    return entries;
}

QString TreeInvariantViolation(const QTreeWidget* tree, const wolf::TWolfTOCList& toc)
{
    if (tree->topLevelItemCount() != 1) return QStringLiteral("the tree has %1 roots").arg(tree->topLevelItemCount());
    const QTreeWidgetItem* root = tree->topLevelItem(0);
    if (EntryOf(root)) return QStringLiteral("the root carries an entry");
    const std::vector<TWolfTOCItem*> shown = EntriesOfSubtree(root);
    QSet<const TWolfTOCItem*> seen;
    for (const TWolfTOCItem* entry : shown) {
        if (seen.contains(entry)) return QStringLiteral("an entry is shown twice");
        seen.insert(entry);
        if (toc.IndexOf(entry) < 0) return QStringLiteral("a node carries an entry that is not in the list");
    }
    if (int(shown.size()) != toc.Count())
        return QStringLiteral("%1 entries in the list, %2 in the tree").arg(toc.Count()).arg(shown.size());
    // Walk the nodes again to compare each key with its place.
    std::vector<const QTreeWidgetItem*> pending{root};
    while (!pending.empty()) {
        const QTreeWidgetItem* node = pending.back();
        pending.pop_back();
        if (NodeLevel(node) > 3) return QStringLiteral("a node lies deeper than three levels");
        if (const TWolfTOCItem* entry = EntryOf(node); entry && entry->Key() != KeyAtPlace(node))
            return QStringLiteral("key %1 stands at the place of key %2")
                .arg(entry->Key(), 6, 16, QLatin1Char('0'))
                .arg(KeyAtPlace(node), 6, 16, QLatin1Char('0'));
        for (int i = 0; i < node->childCount(); ++i) pending.push_back(node->child(i));
    }
    return {};
}

}  // namespace dialogs
