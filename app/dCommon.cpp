#include "dCommon.h"

#include "ActionIcons.h"

TdmCommon::TdmCommon(QObject* parent)
    : QObject(parent)
    , actFileOpen(MakeAction(tr("Open"), tr("Open Wolf file"), 0, QKeySequence(Qt::CTRL | Qt::Key_O)))
    , actFileMakeBook(MakeAction(tr("Make Book..."), tr("Make a book from PDFs, pictures, comics or text"), -1,
                                 QKeySequence(Qt::CTRL | Qt::Key_M)))
    , actFilePrefs(MakeAction(tr("Preferences"), tr("Set preferences"), 1))
    , actFileExit(MakeAction(tr("Exit"), QString(), 3, QKeySequence(Qt::ALT | Qt::Key_X)))
    , actShowFirst(MakeAction(tr("First Page"), tr("Go to first page"), 4))
    , actShowPrev(MakeAction(tr("Previous Page"), tr("Go to previous page"), 5))
    , actShowNext(MakeAction(tr("Next Page"), tr("Go to next page"), 6))
    , actShowLast(MakeAction(tr("Last Page"), tr("Go to last page"), 7))
    , actGoToPage(MakeAction(tr("Go To Page..."), tr("Go to custom page"), 8, QKeySequence(Qt::CTRL | Qt::Key_G)))
    , actShowCover(MakeAction(tr("Cover Page"), tr("Show cover page"), 9, QKeySequence(Qt::CTRL | Qt::Key_C)))
    , actShowDescription(MakeAction(tr("Description"), tr("Show book description"), 10, QKeySequence(Qt::CTRL | Qt::Key_D)))
    , actShowTOC(MakeAction(tr("Table of Contents"), tr("Show Table of Contents"), 11, QKeySequence(Qt::CTRL | Qt::Key_T)))
    , actOrientation(MakeAction(tr("Orientation"), tr("Change orientation"), 14))
    , actPortrait(MakeAction(tr("Portrait"), tr("Portrait"), 14))
    , actLandscapeLeft(MakeAction(tr("Landscape Left"), tr("Landscape Left"), 15))
    , actLandscapeRight(MakeAction(tr("Landscape Right"), tr("Landscape Right"), 16))
    , actEditDescription(MakeAction(tr("Edit Description"), QString(), -1))
    , actEditTOC(MakeAction(tr("Edit Table of Contents"), QString(), -1))
    , actAbout(MakeAction(tr("About"), tr("About program"), 2))
    , actZoomIn(MakeAction(tr("Zoom In"), tr("Show the page larger"), -1))
    , actZoomOut(MakeAction(tr("Zoom Out"), tr("Show the page smaller"), -1, QKeySequence(Qt::CTRL | Qt::Key_Minus)))
    , actFullScreen(MakeAction(tr("Full Screen"), tr("Show the page on the whole screen"), -1, QKeySequence(Qt::Key_F11)))
{
    actShowTOC->setCheckable(true);
    // Plus needs Shift on many keyboards; Ctrl+= is the same key without it.
    actZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actFullScreen->setCheckable(true);
}

QIcon TdmCommon::ActionImage(int index)
{
    return ActionIcon(index);
}

QAction* TdmCommon::MakeAction(const QString& caption, const QString& hint, int image,
                               const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) action->setToolTip(hint);
    if (image >= 0) action->setIcon(ActionIcon(image));
    action->setShortcut(shortcut);
    return action;
}
