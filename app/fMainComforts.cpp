// What readers expect of a document viewer beyond the classic commands: fitting zooms and
// zoom steps, full screen, dropped files, the open dialog's folder and reopening a book
// where it was left.
#include "fMain.h"

#include "ErrorReport.h"
#include "ImageView.h"
#include "Zoom.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>

namespace {
bool IsBookFile(const QUrl& url)
{
    return url.isLocalFile() && QFileInfo(url.toLocalFile()).suffix().compare(u"wol", Qt::CaseInsensitive) == 0;
}
}  // namespace

void TfrmMain::ConnectComforts()
{
    TdmCommon& c = FCommon;
    connect(c.actZoomIn, &QAction::triggered, this, [this] { StepZoom(1); });
    connect(c.actZoomOut, &QAction::triggered, this, [this] { StepZoom(-1); });
    connect(c.actFullScreen, &QAction::toggled, this, &TfrmMain::SetFullScreen);
    // The window carries every action, so that their keys still work while the menu bar
    // and the toolbar are hidden in full screen.
    addActions(c.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly));
    connect(imvPage, &TImageView::Resized, this, [this] {
        if (zoom::IsFit(cmbScale->currentIndex())) ApplyScale();
    });
    setAcceptDrops(true);
}

void TfrmMain::SetFullScreen(bool on)
{
    if (on == isFullScreen()) return;
    if (on) FNormalGeometry = QRect(pos(), size());
    menuBar()->setVisible(!on);
    for (QToolBar* toolbar : findChildren<QToolBar*>()) toolbar->setVisible(!on);
    setWindowState(on ? windowState() | Qt::WindowFullScreen : windowState() & ~Qt::WindowFullScreen);
    FCommon.actFullScreen->setChecked(on);
}

void TfrmMain::StepZoom(int step)
{
    if (const auto entry = PercentEntryBeside(imvPage->ScaleX(), step)) {
        cmbScale->setCurrentIndex(*entry);
        ApplyScale();
    }
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    const QList<QUrl> urls = event->mimeData()->urls();
    // Not from inside the drop: the source waits for it, and a message box would hold it.
    QMetaObject::invokeMethod(
        this, [this, urls] { OpenDroppedFiles(urls); }, Qt::QueuedConnection);
}

void TfrmMain::OpenDroppedFiles(const QList<QUrl>& urls)
{
    for (const QUrl& url : urls) {
        if (IsBookFile(url)) {
            dialogs::Guarded([&] { OpenBook(url.toLocalFile()); });
            return;
        }
    }
    // The message the reader gives for a file that is not a book.
    dialogs::ShowErrorReport(wolf::EWolf("This is not a Wolf file"));
}

QString TfrmMain::OpenDialogFolder() const
{
    const QStringList& recent = FCommon.mruList.Items();
    const QString last = !FSession.FileName().isEmpty() ? FSession.FileName()
                         : recent.isEmpty()             ? QString()
                                                        : recent.first();
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

void TfrmMain::RememberReadingPosition()
{
    const int page = FSession.PageIndex();
    if (!FSettings.Values().ResumeReading || !FSession.IsOpen() || page < -1 || page >= PageCount()) return;
    const QFileInfo file(FSession.FileName());
    FReadingPositions.Remember({file.absoluteFilePath(), file.size(), page});
}

int TfrmMain::FirstPageToShow() const
{
    const int first = FSession.PageIndex();  // the cover, or the first page
    if (!FSettings.Values().ResumeReading) return first;
    const QFileInfo file(FSession.FileName());
    const std::optional<int> page = FReadingPositions.Find(file.absoluteFilePath(), file.size());
    if (!page || *page >= PageCount() || (*page == -1 && !FSession.Reader().HasCover())) return first;
    return *page;
}
