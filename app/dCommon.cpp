#include "dCommon.h"

#include "ActionIcons.h"

TdmCommon::TdmCommon(QObject* parent)
    : QObject(parent)
    , actFileOpen(MakeAction(QStringLiteral("Open"), QStringLiteral("Open Wolf file"), 0, QKeySequence(Qt::CTRL | Qt::Key_O)))
    , actFileMakeBook(MakeAction(QStringLiteral("Make Book..."), QStringLiteral("Make a book from PDFs, pictures, comics or text"), -1,
                                 QKeySequence(Qt::CTRL | Qt::Key_M)))
    , actFilePrefs(MakeAction(QStringLiteral("Preferences"), QStringLiteral("Set preferences"), 1))
    , actFileExit(MakeAction(QStringLiteral("Exit"), QString(), 3, QKeySequence(Qt::ALT | Qt::Key_X)))
    , actShowFirst(MakeAction(QStringLiteral("First Page"), QStringLiteral("Go to first page"), 4))
    , actShowPrev(MakeAction(QStringLiteral("Previous Page"), QStringLiteral("Go to previous page"), 5))
    , actShowNext(MakeAction(QStringLiteral("Next Page"), QStringLiteral("Go to next page"), 6))
    , actShowLast(MakeAction(QStringLiteral("Last Page"), QStringLiteral("Go to last page"), 7))
    , actGoToPage(MakeAction(QStringLiteral("Go To Page..."), QStringLiteral("Go to custom page"), 8, QKeySequence(Qt::CTRL | Qt::Key_G)))
    , actShowCover(MakeAction(QStringLiteral("Cover Page"), QStringLiteral("Show cover page"), 9, QKeySequence(Qt::CTRL | Qt::Key_C)))
    , actShowDescription(MakeAction(QStringLiteral("Description"), QStringLiteral("Show book description"), 10, QKeySequence(Qt::CTRL | Qt::Key_D)))
    , actShowTOC(MakeAction(QStringLiteral("Table of Contents"), QStringLiteral("Show Table of Contents"), 11, QKeySequence(Qt::CTRL | Qt::Key_T)))
    , actOrientation(MakeAction(QStringLiteral("Orientation"), QStringLiteral("Change orientation"), 14))
    , actPortrait(MakeAction(QStringLiteral("Portrait"), QStringLiteral("Portrait"), 14))
    , actLandscapeLeft(MakeAction(QStringLiteral("Landscape Left"), QStringLiteral("Landscape Left"), 15))
    , actLandscapeRight(MakeAction(QStringLiteral("Landscape Right"), QStringLiteral("Landscape Right"), 16))
    , actEditDescription(MakeAction(QStringLiteral("Edit Description"), QString(), -1))
    , actEditTOC(MakeAction(QStringLiteral("Edit Table of Contents"), QString(), -1))
    , actAbout(MakeAction(QStringLiteral("About"), QStringLiteral("About program"), 2))
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
