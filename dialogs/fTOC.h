// The table-of-contents window: a tool window beside the main window for browsing, and
// the same window run modally with a toolbar for editing a copy of the table of contents.
#pragma once

#include "ActionImage.h"
#include "BookEncoding.h"
#include "uWolfDefs.h"

#include <QDialog>
#include <QIcon>
#include <exception>
#include <string>

class QAction;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

namespace dialogs {

class TfrmTOCItem;

// What the window needs of the main window.
class TTOCHost {
public:
    enum class TPageAction { First, Prev, Next, Last };
    virtual ~TTOCHost() = default;
    virtual int PageCount() const = 0;
    // The page shown, -1 for the cover.
    virtual int PageIndex() const = 0;
    // Shows the page, then lets the window hide (HideAfterJump).
    virtual void GoToPage(int pageIndex) = 0;
    virtual bool AutoHideTOC() const = 0;
    // The main window's page commands, whose state and execution the window borrows.
    virtual QAction* PageAction(TPageAction which) const = 0;
    // One of the shared action pictures.
    virtual QIcon ActionImage(TActionImage image) const = 0;
    // The program's report of an error that ended a command.
    virtual void ReportError(const std::exception& error) = 0;
};

class TfrmTOC : public QDialog {
    Q_OBJECT
public:
    explicit TfrmTOC(TTOCHost& host, QWidget* parent = nullptr);
    ~TfrmTOC() override;

    // Hides the window and empties the tree; the working copy keeps its entries.
    void ClearView();
    void LoadTOC(const wolf::TWolfTOCList& toc, const std::string& title, const platform::TBookEncoding& encoding);
    // Browse mode: shows the window if hidden, hides it if shown.
    void ToggleBrowse();
    // Edit mode, modal, on a copy of toc; on Save toc takes the edited copy and the
    // result is true. Cancel leaves toc alone.
    bool EditTOC(wolf::TWolfTOCList& toc);
    // The part of EditTOC before the modal run: a copy of toc in the tree, edit mode on.
    void BeginEdit(const wolf::TWolfTOCList& toc);

    bool IsEditMode() const;
    // After a jump to an entry's page: hides the browser when the settings ask for it.
    // Never the editor, whose modal run would be left with nothing to end it.
    void HideAfterJump();
    // Reads a catalog file into the working copy; on any error the table of contents
    // from before stays and the error is reported. Pages beyond the book become none.
    void ImportTOC(const QString& fileName);
    void ExportTOC(const QString& fileName);

    const wolf::TWolfTOCList& WorkingTOC() const { return FTOC; }
    // Empty while every entry's key equals its place in the tree and tree and list agree.
    QString InvariantViolation() const;

    QToolBar* tbrTOCMain;
    QTreeWidget* tvwTOC;
    QAction* actImportTOC;
    QAction* actExportTOC;
    QAction* actNewPeerItem;
    QAction* actNewSubItem;
    QAction* actEditItem;
    QAction* actDeleteItem;
    QAction* actMoveUp;
    QAction* actMoveDown;
    QAction* actShowFirst;
    QAction* actShowPrev;
    QAction* actShowNext;
    QAction* actShowLast;
    QAction* actSave;
    QAction* actCancel;

    static constexpr int MaxSiblings = 255;

    // Esc and the close box: in the editor, after a change, only when the user agrees to
    // discard it.
    void reject() override;

private:
    QAction* AddAction(const QString& caption, const QString& hint, TActionImage image, const QKeySequence& shortcut);
    QAction* AddPageAction(TTOCHost::TPageAction which, const QString& caption, const QString& hint, TActionImage image,
                           const QKeySequence& shortcut);
    void SetEditMode(bool editing);
    void UpdateActions();
    void BuildTree();
    void BindNode(QTreeWidgetItem* node, wolf::TWolfTOCItem& entry);
    void NewEntry(QTreeWidgetItem* parent);
    void MoveBefore(QTreeWidgetItem* node, QTreeWidgetItem* before);
    QTreeWidgetItem* Selected() const;

    void actImportTOCExecute();
    void actExportTOCExecute();
    void actEditItemExecute();
    void actDeleteItemExecute();
    void tvwTOCDblClick();

    TTOCHost& FHost;
    wolf::TWolfTOCList FTOC;
    wolf::TWolfTOCList FBeforeEdit;
    std::string FTitle;
    platform::TBookEncoding FEncoding;
    TfrmTOCItem* frmTOCItem;
};

}  // namespace dialogs
