#include "fTOC.h"

#include "ErrorReport.h"
#include "FileSystemPath.h"
#include "fTOCItem.h"
#include "uCatalogText.h"
#include "uCompactToolBar.h"
#include "uTOCTree.h"

#include <QAction>
#include <QFileDialog>
#include <QFrame>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dialogs {

using wolf::TWolfTOCItem;

namespace {

QTreeWidgetItem* Sibling(QTreeWidgetItem* node, int distance)
{
    QTreeWidgetItem* parent = node->parent();
    return parent->child(parent->indexOfChild(node) + distance);
}

// The same entries, in whatever order the lists hold them.
bool SameEntries(wolf::TWolfTOCList a, wolf::TWolfTOCList b)
{
    if (a.Count() != b.Count()) return false;
    a.SortByKey();
    b.SortByKey();
    for (int i = 0; i < a.Count(); ++i) {
        if (a[i].Key() != b[i].Key() || a[i].Title() != b[i].Title() || a[i].PageIndex != b[i].PageIndex) return false;
    }
    return true;
}

void ExpandSubtree(QTreeWidgetItem* node)
{
    node->setExpanded(true);
    for (int i = 0; i < node->childCount(); ++i) ExpandSubtree(node->child(i));
}

}  // namespace

TfrmTOC::TfrmTOC(TTOCHost& host, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint), FHost(host), frmTOCItem(new TfrmTOCItem(this))
{
    setWindowTitle(tr(" Table of contents"));
    resize(360, 421);

    tbrTOCMain = new QToolBar(this);
    tbrTOCMain->setMovable(false);
    tbrTOCMain->setFloatable(false);
    MakeCompact(tbrTOCMain);
    tvwTOC = new QTreeWidget(this);
    tvwTOC->setHeaderHidden(true);
    tvwTOC->setRootIsDecorated(false);
    tvwTOC->setIndentation(19);
    tvwTOC->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* separator = new QFrame(this);
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tbrTOCMain);
    layout->addWidget(separator);
    layout->addWidget(tvwTOC);
    // The separator belongs to the toolbar's look: it goes with it in browse mode.
    connect(tbrTOCMain, &QToolBar::visibilityChanged, separator, &QFrame::setVisible);

    using Image = TActionImage;
    actImportTOC = AddAction(tr("Import TOC"), tr("Import Table of Contents from file"), Image::ImportTOC, {});
    actExportTOC = AddAction(tr("Export TOC"), tr("Export Table of Contents to file"), Image::ExportTOC, {});
    tbrTOCMain->addSeparator();
    actNewPeerItem =
        AddAction(tr("New Peer Item"), tr("Create new peer item"), Image::NewPeerItem, QKeySequence(Qt::Key_Insert));
    actNewSubItem = AddAction(tr("New Subitem"), tr("Create new subitem"), Image::NewSubItem,
                              QKeySequence(Qt::CTRL | Qt::Key_Insert));
    actEditItem = AddAction(tr("Edit Item"), tr("Edit TOC item"), Image::EditItem, QKeySequence(Qt::CTRL | Qt::Key_E));
    actDeleteItem = AddAction(tr("Delete Item"), tr("Delete TOC item"), Image::DeleteItem,
                              QKeySequence(Qt::SHIFT | Qt::Key_Delete));
    tbrTOCMain->addSeparator();
    actMoveUp = AddAction(tr("Move Up"), tr("Move item up"), Image::MoveUp, QKeySequence(Qt::CTRL | Qt::Key_Up));
    actMoveDown =
        AddAction(tr("Move Down"), tr("Move item down"), Image::MoveDown, QKeySequence(Qt::CTRL | Qt::Key_Down));
    tbrTOCMain->addSeparator();
    using Page = TTOCHost::TPageAction;
    actShowFirst = AddPageAction(Page::First, tr("First Page"), tr("Go to first page"), Image::ShowFirst, {});
    actShowPrev = AddPageAction(Page::Prev, tr("Previous Page"), tr("Go to previous page"), Image::ShowPrev,
                                QKeySequence(Qt::CTRL | Qt::Key_Left));
    actShowNext = AddPageAction(Page::Next, tr("Next Page"), tr("Go to next page"), Image::ShowNext,
                                QKeySequence(Qt::CTRL | Qt::Key_Right));
    actShowLast = AddPageAction(Page::Last, tr("Last Page"), tr("Go to last page"), Image::ShowLast, {});
    tbrTOCMain->addSeparator();
    actSave = AddAction(tr("Save"), tr("Save changes"), Image::Save, {});
    actCancel = AddAction(tr("Cancel"), tr("Cancel changes"), Image::Cancel, {});

    connect(actImportTOC, &QAction::triggered, this, &TfrmTOC::actImportTOCExecute);
    connect(actExportTOC, &QAction::triggered, this, &TfrmTOC::actExportTOCExecute);
    connect(actNewPeerItem, &QAction::triggered, this, [this] { NewEntry(Selected()->parent()); });
    connect(actNewSubItem, &QAction::triggered, this, [this] { NewEntry(Selected()); });
    connect(actEditItem, &QAction::triggered, this, &TfrmTOC::actEditItemExecute);
    connect(actDeleteItem, &QAction::triggered, this, &TfrmTOC::actDeleteItemExecute);
    connect(actMoveUp, &QAction::triggered, this, [this] { MoveBefore(Selected(), Sibling(Selected(), -1)); });
    connect(actMoveDown, &QAction::triggered, this, [this] { MoveBefore(Sibling(Selected(), +1), Selected()); });
    connect(actSave, &QAction::triggered, this, &QDialog::accept);
    connect(actCancel, &QAction::triggered, this, [this] { QDialog::reject(); });
    connect(tvwTOC, &QTreeWidget::currentItemChanged, this, &TfrmTOC::UpdateActions);
    connect(tvwTOC, &QTreeWidget::itemDoubleClicked, this, &TfrmTOC::tvwTOCDblClick);

    ClearView();
    SetEditMode(false);
}

TfrmTOC::~TfrmTOC() = default;

QAction* TfrmTOC::AddAction(const QString& caption, const QString& hint, TActionImage image,
                            const QKeySequence& shortcut)
{
    QAction* action = tbrTOCMain->addAction(FHost.ActionImage(image), caption);
    action->setToolTip(hint);
    action->setStatusTip(hint);
    action->setShortcut(shortcut);
    return action;
}

QAction* TfrmTOC::AddPageAction(TTOCHost::TPageAction which, const QString& caption, const QString& hint,
                                TActionImage image, const QKeySequence& shortcut)
{
    QAction* action = AddAction(caption, hint, image, shortcut);
    if (QAction* borrowed = FHost.PageAction(which)) {
        connect(action, &QAction::triggered, borrowed, [this, borrowed] {
            borrowed->trigger();
            UpdateActions();
        });
        connect(borrowed, &QAction::changed, this, &TfrmTOC::UpdateActions);
    }
    return action;
}

bool TfrmTOC::IsEditMode() const
{
    return tbrTOCMain->isEnabledTo(this);
}

void TfrmTOC::SetEditMode(bool editing)
{
    tbrTOCMain->setEnabled(editing);
    tbrTOCMain->setVisible(editing);
    UpdateActions();
}

QTreeWidgetItem* TfrmTOC::Selected() const
{
    return tvwTOC->currentItem();
}

void TfrmTOC::UpdateActions()
{
    const bool editing = IsEditMode();
    QTreeWidgetItem* node = Selected();
    QTreeWidgetItem* parent = node ? node->parent() : nullptr;
    const int level = node ? NodeLevel(node) : -1;
    const int place = parent ? parent->indexOfChild(node) : -1;

    for (QAction* action : {actImportTOC, actExportTOC, actSave, actCancel}) action->setEnabled(editing);
    actNewPeerItem->setEnabled(editing && parent && parent->childCount() < MaxSiblings);
    actNewSubItem->setEnabled(editing && node && level < 3 && node->childCount() < MaxSiblings);
    actEditItem->setEnabled(editing && parent);
    actDeleteItem->setEnabled(editing && parent);
    actMoveUp->setEnabled(editing && parent && place > 0);
    actMoveDown->setEnabled(editing && parent && place < parent->childCount() - 1);

    using Page = TTOCHost::TPageAction;
    const std::pair<QAction*, Page> pageActions[] = {
        {actShowFirst, Page::First}, {actShowPrev, Page::Prev}, {actShowNext, Page::Next}, {actShowLast, Page::Last}};
    for (const auto& [action, which] : pageActions) {
        const QAction* borrowed = FHost.PageAction(which);
        action->setEnabled(editing && borrowed && borrowed->isEnabled());
    }
}

void TfrmTOC::ClearView()
{
    if (isVisible()) hide();
    tvwTOC->clear();
    UpdateActions();
}

void TfrmTOC::LoadTOC(const wolf::TWolfTOCList& toc, const std::string& title, const platform::TBookEncoding& encoding)
{
    FTOC.CopyFrom(toc);
    FTitle = title;
    FEncoding = encoding;
    BuildTree();
}

void TfrmTOC::ToggleBrowse()
{
    SetEditMode(false);
    if (isVisible())
        hide();
    else
        show();
}

void TfrmTOC::BeginEdit(const wolf::TWolfTOCList& toc)
{
    if (isVisible()) hide();
    FTOC.CopyFrom(toc);
    FBeforeEdit.CopyFrom(toc);
    BuildTree();
    tvwTOC->setCurrentItem(tvwTOC->topLevelItem(0));
    SetEditMode(true);
}

void TfrmTOC::reject()
{
    if (IsEditMode() && !SameEntries(FTOC, FBeforeEdit) &&
        ShowMessage(QMessageBox::Question, tr("The table of contents was changed.\r\nDiscard the changes?"),
                    QMessageBox::Yes | QMessageBox::No, this) != QMessageBox::Yes)
        return;
    QDialog::reject();
}

bool TfrmTOC::EditTOC(wolf::TWolfTOCList& toc)
{
    BeginEdit(toc);
    if (exec() != QDialog::Accepted) return false;
    toc.CopyFrom(FTOC);
    return true;
}

QString TfrmTOC::InvariantViolation() const
{
    return TreeInvariantViolation(tvwTOC, FTOC);
}

void TfrmTOC::BuildTree()
{
    FillTree(tvwTOC, FTOC, RootCaption(FTitle, FEncoding), FEncoding);
    UpdateActions();
}

void TfrmTOC::BindNode(QTreeWidgetItem* node, TWolfTOCItem& entry)
{
    entry.SetKey(0);
    node->setText(0, NodeCaption(entry, FEncoding));
    if (!node->parent()) return;
    SetEntry(node, &entry);
    entry.SetKey(KeyAtPlace(node));
}

void TfrmTOC::NewEntry(QTreeWidgetItem* parent)
{
    QTreeWidgetItem* previous = Selected();
    auto* node = new QTreeWidgetItem(parent, QStringList(tr("<New Item>")));
    parent->setExpanded(true);
    tvwTOC->setCurrentItem(node);

    std::string name;
    int page = FHost.PageIndex() + 1;
    if (frmTOCItem->AskItem(FEncoding, FHost.PageCount(), name, page)) {
        BindNode(node, FTOC.AddItemWithKey(0, name, page - 1));
        UpdateActions();
    } else {
        delete node;
        tvwTOC->setCurrentItem(previous);
    }
}

void TfrmTOC::actEditItemExecute()
{
    QTreeWidgetItem* node = Selected();
    TWolfTOCItem* entry = EntryOf(node);
    std::string name = entry->Title();
    int page = entry->PageIndex + 1;
    if (!frmTOCItem->AskItem(FEncoding, FHost.PageCount(), name, page)) return;
    entry->SetTitle(name);
    entry->PageIndex = page - 1;
    BindNode(node, *entry);
}

void TfrmTOC::actDeleteItemExecute()
{
    QTreeWidgetItem* node = Selected();
    if (node->childCount() > 0 &&
        ShowMessage(QMessageBox::Warning, tr("Current item have subitems!\r\nDelete all subitems?"),
                    QMessageBox::Ok | QMessageBox::Cancel, this) != QMessageBox::Ok)
        return;
    QTreeWidgetItem* parent = node->parent();
    tvwTOC->setCurrentItem(parent);
    const std::vector<TWolfTOCItem*> entries = EntriesOfSubtree(node);
    delete node;
    for (const TWolfTOCItem* entry : entries) FTOC.Delete(FTOC.IndexOf(entry));
    RenumberBelow(parent);
    UpdateActions();
}

// Both nodes share a parent; node ends up directly before the other, keys following.
void TfrmTOC::MoveBefore(QTreeWidgetItem* node, QTreeWidgetItem* before)
{
    QTreeWidgetItem* parent = node->parent();
    QTreeWidgetItem* selected = Selected();
    parent->takeChild(parent->indexOfChild(node));
    parent->insertChild(parent->indexOfChild(before), node);
    ExpandSubtree(node);
    RenumberBelow(parent);
    tvwTOC->setCurrentItem(selected);
    UpdateActions();
}

void TfrmTOC::tvwTOCDblClick()
{
    const TWolfTOCItem* entry = EntryOf(Selected());
    if (!entry || entry->PageIndex < 0) return;
    FHost.GoToPage(entry->PageIndex);
}

void TfrmTOC::HideAfterJump()
{
    if (!IsEditMode() && FHost.AutoHideTOC() && isVisible()) hide();
}

void TfrmTOC::ImportTOC(const QString& fileName)
{
    try {
        wolf::TWolfTOCList imported;
        wolf::CatalogTextToTOC(wolf::ReadCatalogFile(platform::FileSystemPath(fileName)), imported);
        // A page beyond this book's last one could not be written into the book: such an
        // entry keeps its place, without a page, for the user to see and correct.
        for (int i = 0; i < imported.Count(); ++i) {
            if (imported[i].PageIndex >= FHost.PageCount()) imported[i].PageIndex = -1;
        }
        FTOC = std::move(imported);
        BuildTree();
        tvwTOC->setCurrentItem(tvwTOC->topLevelItem(0));
    } catch (const std::exception& error) {
        FHost.ReportError(error);
    }
}

void TfrmTOC::ExportTOC(const QString& fileName)
{
    try {
        std::vector<std::string> lines;
        wolf::TOCToCatalogText(FTOC, lines);
        wolf::WriteCatalogFile(platform::FileSystemPath(fileName), lines);
    } catch (const std::exception& error) {
        FHost.ReportError(error);
    }
}

namespace {

QString AskCatalogFile(QWidget* parent, QFileDialog::AcceptMode mode)
{
    const bool save = mode == QFileDialog::AcceptSave;
    QFileDialog dialog(parent, save ? TfrmTOC::tr("Export Wolf Catalog") : TfrmTOC::tr("Import Wolf Catalog"),
                       QString(), TfrmTOC::tr("Wolf catalog (*.cat);;All Files (*)"));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("cat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

}  // namespace

void TfrmTOC::actImportTOCExecute()
{
    if (const QString fileName = AskCatalogFile(this, QFileDialog::AcceptOpen); !fileName.isEmpty())
        ImportTOC(fileName);
}

void TfrmTOC::actExportTOCExecute()
{
    if (const QString fileName = AskCatalogFile(this, QFileDialog::AcceptSave); !fileName.isEmpty())
        ExportTOC(fileName);
}

}  // namespace dialogs
