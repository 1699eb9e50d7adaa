// What several windows share: the main window's actions with their pictures, and the
// recent-files list.
#pragma once

#include "ActionImage.h"
#include "RecentFiles.h"

#include <QAction>
#include <QIcon>
#include <QObject>
#include <optional>

class TdmCommon : public QObject {
    Q_OBJECT
public:
    explicit TdmCommon(QObject* parent = nullptr);

    // The shared action pictures (the table-of-contents window shows some of them too).
    static QIcon ActionImage(dialogs::TActionImage image);

    QAction* actFileOpen;
    QAction* actFileMakeBook;
    QAction* actFilePrefs;
    QAction* actFileExit;
    QAction* actShowFirst;
    QAction* actShowPrev;
    QAction* actShowNext;
    QAction* actShowLast;
    QAction* actGoToPage;
    QAction* actShowCover;
    QAction* actShowDescription;
    QAction* actShowTOC;
    QAction* actOrientation;
    QAction* actPortrait;
    QAction* actLandscapeLeft;
    QAction* actLandscapeRight;
    QAction* actEditDescription;
    QAction* actEditTOC;
    QAction* actAbout;
    // Reading comforts beyond the classic commands.
    QAction* actZoomIn;      // Ctrl+Plus: the next percentage entry
    QAction* actZoomOut;     // Ctrl+Minus: the previous one
    QAction* actFullScreen;  // F11, checkable; Esc also leaves

    TRecentFiles mruList;

private:
    QAction* MakeAction(const QString& caption, const QString& hint, std::optional<dialogs::TActionImage> image,
                        const QKeySequence& shortcut = {});
};
