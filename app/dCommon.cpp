#include "dCommon.h"

#include "ActionIcons.h"

using dialogs::TActionImage;
using Image = TActionImage;

TdmCommon::TdmCommon(QObject* parent)
    : QObject(parent),
      actFileOpen(MakeAction(tr("Open"), tr("Open Wolf file"), Image::FileOpen, QKeySequence(Qt::CTRL | Qt::Key_O))),
      actFileMakeBook(MakeAction(tr("Make Book..."), tr("Make a book from PDFs, pictures, comics or text"),
                                 std::nullopt, QKeySequence(Qt::CTRL | Qt::Key_M))),
      actFilePrefs(MakeAction(tr("Preferences"), tr("Set preferences"), Image::FilePrefs)),
      actFileExit(MakeAction(tr("Exit"), QString(), Image::FileExit, QKeySequence(Qt::ALT | Qt::Key_X))),
      actShowFirst(MakeAction(tr("First Page"), tr("Go to first page"), Image::ShowFirst)),
      actShowPrev(MakeAction(tr("Previous Page"), tr("Go to previous page"), Image::ShowPrev)),
      actShowNext(MakeAction(tr("Next Page"), tr("Go to next page"), Image::ShowNext)),
      actShowLast(MakeAction(tr("Last Page"), tr("Go to last page"), Image::ShowLast)),
      actGoToPage(MakeAction(tr("Go To Page..."), tr("Go to custom page"), Image::GoToPage,
                             QKeySequence(Qt::CTRL | Qt::Key_G))),
      actShowCover(
          MakeAction(tr("Cover Page"), tr("Show cover page"), Image::ShowCover, QKeySequence(Qt::CTRL | Qt::Key_C))),
      actShowDescription(MakeAction(tr("Description"), tr("Show book description"), Image::ShowDescription,
                                    QKeySequence(Qt::CTRL | Qt::Key_D))),
      actShowTOC(MakeAction(tr("Table of Contents"), tr("Show Table of Contents"), Image::ShowTOC,
                            QKeySequence(Qt::CTRL | Qt::Key_T))),
      actOrientation(MakeAction(tr("Orientation"), tr("Change orientation"), Image::Portrait)),
      actPortrait(MakeAction(tr("Portrait"), tr("Portrait"), Image::Portrait)),
      actLandscapeLeft(MakeAction(tr("Landscape Left"), tr("Landscape Left"), Image::LandscapeLeft)),
      actLandscapeRight(MakeAction(tr("Landscape Right"), tr("Landscape Right"), Image::LandscapeRight)),
      actEditDescription(MakeAction(tr("Edit Description"), QString(), std::nullopt)),
      actEditTOC(MakeAction(tr("Edit Table of Contents"), QString(), std::nullopt)),
      actAbout(MakeAction(tr("About"), tr("About program"), Image::About)),
      actZoomIn(MakeAction(tr("Zoom In"), tr("Show the page larger"), std::nullopt)),
      actZoomOut(MakeAction(tr("Zoom Out"), tr("Show the page smaller"), std::nullopt,
                            QKeySequence(Qt::CTRL | Qt::Key_Minus))),
      actFullScreen(MakeAction(tr("Full Screen"), tr("Show the page on the whole screen"), std::nullopt,
                               QKeySequence(Qt::Key_F11)))
{
    actShowTOC->setCheckable(true);
    // Plus needs Shift on many keyboards; Ctrl+= is the same key without it.
    actZoomIn->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    actFullScreen->setCheckable(true);
}

QIcon TdmCommon::ActionImage(TActionImage image)
{
    return ActionIcon(image);
}

QAction* TdmCommon::MakeAction(const QString& caption, const QString& hint, std::optional<TActionImage> image,
                               const QKeySequence& shortcut)
{
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) action->setToolTip(hint);
    if (image) action->setIcon(ActionIcon(*image));
    action->setShortcut(shortcut);
    return action;
}
