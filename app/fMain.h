// The program's main window: the open book, its pages, and the commands around them.
#pragma once

#include "BookSession.h"
#include "PagePicture.h"
#include "ReadingPositions.h"
#include "Settings.h"
#include "dCommon.h"

#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class TImageView;
class TfrmPageNum;
class TMainDialogs;

class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    // Opens a book and shows its cover or first page. Puts the path at the top of the
    // recent files first. A file that cannot be opened or is not a Wolf book raises the
    // error for the default error report; other read errors are reported here.
    void OpenBook(const QString& path);
    // Opens the current file again and returns to the page that was shown.
    void ReopenBook();
    void CloseBook();
    // Shows a page and hides the table-of-contents window when the settings ask for it.
    void GoToPage(int index);
    int PageCount() const { return FSession.PageCount(); }
    int PageIndex() const { return FSession.PageIndex(); }
    pagepicture::TOrientation Orientation() const { return FOrientation; }
    TdmCommon& Common() { return FCommon; }

    // Page display.
    void ShowPage(int index);
    void RedisplayPage();
    void ApplyScale();
    void ShowMessagePage(const QString& text);

    // Evaluates every action's enabling rule; runs whenever the event loop goes idle.
    void UpdateActions();
    // The book named on the command line, opened when the window is first shown.
    void SetStartFile(const QString& path) { FStartFile = path; }
    // A later start handed its path over.
    void ReceiveHandOver(const QString& path);

    // Widgets the tests look at.
    TImageView* PageView() const { return imvPage; }
    QPlainTextEdit* TextView() const { return memPage; }
    QLabel* PageLabel() const { return pnlPageNum; }
    QComboBox* ScaleList() const { return cmbScale; }
    QToolButton* OrientationButton() const { return tbiOrientation; }
    TfrmPageNum* PageNumDialog() const { return frmPageNum; }

    // Reading comforts (fMainComforts.cpp).
    void SetFullScreen(bool on);
    // Steps through the percentage entries from the zoom now shown: 1 larger, -1 smaller.
    void StepZoom(int step);
    // The first .wol of the files, opened as OpenBook does; anything else is refused.
    void OpenDroppedFiles(const QList<QUrl>& urls);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateMenus();
    void CreateToolbar();
    void CreatePagePanel();
    void ConnectActions();
    void PlaceWindow();
    void RebuildRecentMenu();
    void SettingsChanged(const settings::TSettingValues& previous);
    bool FormKeyDown(QKeyEvent* event);
    bool FormMouseWheel(QWheelEvent* event);
    void DrawPage(int index);
    void ReadBook(const std::function<void()>& read);
    void BookOpened();
    void BookClosed();
    void ConnectComforts();
    void RememberReadingPosition();
    int FirstPageToShow() const;
    QString OpenDialogFolder() const;

    void actFileOpenExecute();
    void actFileMakeBookExecute();
    void actShowFirstExecute();
    void actShowPrevExecute();
    void actShowNextExecute();
    void actShowLastExecute();
    void actGoToPageExecute();
    void actShowCoverExecute();
    void SetOrientation(pagepicture::TOrientation orientation);
    void cmbScaleClick();
    void mruListClick(const QString& path);

    // Touchpoints with the dialogs (fMainDialogs.cpp).
    void CreateDialogs();
    void ClearView();
    void LoadTOC();
    void HideTOCAfterJump();
    void actShowTOCUpdate();
    void actFilePrefsExecute();
    void actShowDescriptionExecute();
    void actShowTOCExecute();
    void actEditDescriptionExecute();
    void actEditTOCExecute();
    void actAboutExecute();

    settings::TSettings FSettings;
    TReadingPositions FReadingPositions;
    TdmCommon FCommon;
    session::TBookSession FSession;
    QString FStartFile;
    pagepicture::TOrientation FOrientation = pagepicture::TOrientation::Portrait;
    std::optional<pagepicture::TOrientation> FShownOrientationIcon;
    QRect FNormalGeometry;   // the window's place before it went full screen
    bool FResuming = false;  // while OpenBook reads: show the page last read

    QMenu* FFileMenu = nullptr;
    QAction* FRecentEnd = nullptr;
    QList<QAction*> FRecentActions;
    QComboBox* cmbScale = nullptr;
    QToolButton* tbiOrientation = nullptr;
    QLabel* pnlPageNum = nullptr;
    TImageView* imvPage = nullptr;
    QPlainTextEdit* memPage = nullptr;
    TfrmPageNum* frmPageNum = nullptr;
    TMainDialogs* FDialogs = nullptr;  // a child object of the window
};
