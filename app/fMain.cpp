#include "fMain.h"

#include "ActionIcons.h"
#include "ErrorReport.h"
#include "ImageView.h"
#include "Zoom.h"
#include "fPageNum.h"
#include "uCompactToolBar.h"
#include "uGlobals.h"
#include "uMakeOptionControls.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// Connects an action to a member command; whatever the command throws goes to the
// default error report.
template <class TCommand>
void Bind(QAction* action, TfrmMain* window, TCommand command)
{
    QObject::connect(action, &QAction::triggered, window,
                     [window, command] { dialogs::Guarded([&] { (window->*command)(); }); });
}

dialogs::TActionImage OrientationImage(pagepicture::TOrientation orientation)
{
    switch (orientation) {
    case pagepicture::TOrientation::LandscapeLeft: return dialogs::TActionImage::LandscapeLeft;
    case pagepicture::TOrientation::LandscapeRight: return dialogs::TActionImage::LandscapeRight;
    case pagepicture::TOrientation::Portrait: break;
    }
    return dialogs::TActionImage::Portrait;
}
}  // namespace

TfrmMain::TfrmMain(QWidget* parent)
    : QMainWindow(parent), FSettings(globals::SettingsFile(), dialogs::MakeBookSettingRows())
{
    setWindowTitle(dialogs::ApplicationTitle);
    setWindowIcon(ApplicationIcon());
    setMinimumSize(465, 200);
    setMaximumSize(999999, 999999);

    QStringList recent;
    FSettings.Load(recent);
    FCommon.mruList.SetItems(recent);
    FReadingPositions.Load(FSettings.FileName());

    CreatePagePanel();
    CreateMenus();
    CreateToolbar();
    ConnectActions();
    ConnectComforts();
    PlaceWindow();
    cmbScale->setCurrentIndex(FSettings.Values().DefScaleIdx);
    connect(&FSettings, &settings::TSettings::Changed, this, &TfrmMain::SettingsChanged);
    connect(&FSession, &session::TBookSession::Opened, this, &TfrmMain::BookOpened);
    connect(&FSession, &session::TBookSession::Closed, this, &TfrmMain::BookClosed);
    connect(&FSession, &session::TBookSession::EncodingChanged, this, [this] {
        LoadTOC();
        RedisplayPage();
    });

    frmPageNum = new TfrmPageNum(this);
    CreateDialogs();

    qApp->installEventFilter(this);
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            &TfrmMain::UpdateActions);
    UpdateActions();
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    RememberReadingPosition();
    // Full screen is not stored: the window keeps the place it had before.
    const QRect place = isFullScreen() && FNormalGeometry.isValid() ? FNormalGeometry : QRect(pos(), size());
    settings::TSettingValues values = FSettings.Values();
    values.PosTop = place.y();
    values.PosLeft = place.x();
    values.Height = place.height();
    values.Width = place.width();
    FSettings.SetValues(values);
    dialogs::Guarded([this] {
        FSettings.Save(FCommon.mruList.Items());
        // Off, the program keeps no trace of what was read.
        if (FSettings.Values().ResumeReading) FReadingPositions.Save(FSettings.FileName());
    });
}

void TfrmMain::CreatePagePanel()
{
    auto* pnlPage = new QFrame(this);
    pnlPage->setFrameShape(QFrame::Box);
    pnlPage->setLineWidth(1);
    pnlPage->setAutoFillBackground(true);
    QPalette black = pnlPage->palette();
    black.setColor(QPalette::Window, Qt::black);
    pnlPage->setPalette(black);

    imvPage = new TImageView(pnlPage);
    memPage = new QPlainTextEdit(pnlPage);
    memPage->setReadOnly(true);
    memPage->setAcceptDrops(false);  // a dropped book goes to the window
    memPage->setFrameShape(QFrame::NoFrame);
    memPage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont mono(QStringLiteral("Courier New"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
    mono.setPixelSize(13);
    memPage->setFont(mono);
    memPage->hide();

    auto* layout = new QVBoxLayout(pnlPage);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    layout->addWidget(imvPage);
    layout->addWidget(memPage);
    setCentralWidget(pnlPage);
}

void TfrmMain::CreateMenus()
{
    TdmCommon& c = FCommon;
    FFileMenu = menuBar()->addMenu(tr("&File"));
    FFileMenu->addAction(c.actFileOpen);
    FFileMenu->addAction(c.actFileMakeBook);
    FFileMenu->addSeparator();
    FFileMenu->addAction(c.actFilePrefs);
    FFileMenu->addSeparator();
    FRecentEnd = FFileMenu->addSeparator();
    FFileMenu->addAction(c.actFileExit);
    connect(&c.mruList, &TRecentFiles::Changed, this, &TfrmMain::RebuildRecentMenu);
    RebuildRecentMenu();

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addActions({c.actShowFirst, c.actShowPrev, c.actShowNext, c.actShowLast});
    view->addSeparator();
    view->addAction(c.actGoToPage);
    view->addSeparator();
    QMenu* orientation = view->addMenu(tr("Orientation"));
    orientation->addActions({c.actPortrait, c.actLandscapeLeft, c.actLandscapeRight});
    view->addSeparator();
    view->addActions({c.actShowCover, c.actShowDescription, c.actShowTOC});
    view->addSeparator();
    view->addActions({c.actZoomIn, c.actZoomOut, c.actFullScreen});

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addActions({c.actEditDescription, c.actEditTOC});

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(c.actAbout);
}

void TfrmMain::CreateToolbar()
{
    TdmCommon& c = FCommon;
    QToolBar* tbrToolbar = addToolBar(tr("Toolbar"));
    tbrToolbar->setMovable(false);
    tbrToolbar->setFloatable(false);
    tbrToolbar->setContextMenuPolicy(Qt::PreventContextMenu);
    dialogs::MakeCompact(tbrToolbar);
    tbrToolbar->addAction(c.actFileOpen);
    tbrToolbar->addSeparator();
    tbrToolbar->addActions({c.actShowFirst, c.actShowPrev, c.actShowNext, c.actShowLast});
    tbrToolbar->addSeparator();
    tbrToolbar->addAction(c.actGoToPage);
    tbrToolbar->addSeparator();
    tbrToolbar->addActions({c.actShowCover, c.actShowDescription, c.actShowTOC});
    tbrToolbar->addSeparator();

    cmbScale = new QComboBox(tbrToolbar);
    cmbScale->addItems(zoom::EntryTexts());
    cmbScale->setMinimumWidth(60);
    cmbScale->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cmbScale->setMaxVisibleItems(ZoomEntryCount);
    // Never focused, so the arrow keys keep turning pages after a zoom was chosen.
    cmbScale->setFocusPolicy(Qt::NoFocus);
    connect(cmbScale, &QComboBox::activated, this, [this] { dialogs::Guarded([this] { cmbScaleClick(); }); });
    tbrToolbar->addWidget(cmbScale);

    tbiOrientation = new QToolButton(tbrToolbar);
    tbiOrientation->setPopupMode(QToolButton::MenuButtonPopup);
    tbiOrientation->setDefaultAction(c.actOrientation);
    auto* orientations = new QMenu(tbiOrientation);
    orientations->addActions({c.actPortrait, c.actLandscapeLeft, c.actLandscapeRight});
    tbiOrientation->setMenu(orientations);
    tbrToolbar->addWidget(tbiOrientation);
    tbrToolbar->addSeparator();

    pnlPageNum = new QLabel(QStringLiteral(" "), tbrToolbar);
    pnlPageNum->setFixedSize(120, 22);
    pnlPageNum->setAlignment(Qt::AlignCenter);
    tbrToolbar->addWidget(pnlPageNum);
}

void TfrmMain::ConnectActions()
{
    TdmCommon& c = FCommon;
    Bind(c.actFileOpen, this, &TfrmMain::actFileOpenExecute);
    Bind(c.actFileMakeBook, this, &TfrmMain::actFileMakeBookExecute);
    Bind(c.actFilePrefs, this, &TfrmMain::actFilePrefsExecute);
    Bind(c.actFileExit, this, &TfrmMain::close);
    Bind(c.actShowFirst, this, &TfrmMain::actShowFirstExecute);
    Bind(c.actShowPrev, this, &TfrmMain::actShowPrevExecute);
    Bind(c.actShowNext, this, &TfrmMain::actShowNextExecute);
    Bind(c.actShowLast, this, &TfrmMain::actShowLastExecute);
    Bind(c.actGoToPage, this, &TfrmMain::actGoToPageExecute);
    Bind(c.actShowCover, this, &TfrmMain::actShowCoverExecute);
    Bind(c.actShowDescription, this, &TfrmMain::actShowDescriptionExecute);
    Bind(c.actShowTOC, this, &TfrmMain::actShowTOCExecute);
    Bind(c.actEditDescription, this, &TfrmMain::actEditDescriptionExecute);
    Bind(c.actEditTOC, this, &TfrmMain::actEditTOCExecute);
    Bind(c.actAbout, this, &TfrmMain::actAboutExecute);
    using pagepicture::TOrientation;
    connect(c.actOrientation, &QAction::triggered, this,
            [this] { SetOrientation(TOrientation((int(FOrientation) + 1) % pagepicture::OrientationCount)); });
    connect(c.actPortrait, &QAction::triggered, this, [this] { SetOrientation(TOrientation::Portrait); });
    connect(c.actLandscapeLeft, &QAction::triggered, this, [this] { SetOrientation(TOrientation::LandscapeLeft); });
    connect(c.actLandscapeRight, &QAction::triggered, this, [this] { SetOrientation(TOrientation::LandscapeRight); });
}

void TfrmMain::PlaceWindow()
{
    const settings::TSettingValues& stored = FSettings.Values();
    move(stored.PosLeft, stored.PosTop);
    resize(stored.Width, stored.Height);
    // A position from another screen layout (or a hand-edited file) could put the window
    // where nobody can reach it: keep its title bar on some screen.
    const QRect titleBar(pos(), QSize(std::min(width(), 100), 30));
    for (const QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(titleBar)) return;
    if (const QScreen* primary = QGuiApplication::primaryScreen())
        move(primary->availableGeometry().topLeft() + QPoint(20, 100));
}

void TfrmMain::RebuildRecentMenu()
{
    for (QAction* action : std::as_const(FRecentActions)) {
        FFileMenu->removeAction(action);
        delete action;
    }
    FRecentActions.clear();
    const QStringList& items = FCommon.mruList.Items();
    for (int i = 0; i < items.size(); ++i) {
        auto* action = new QAction(TRecentFiles::Caption(i, items[i]), FFileMenu);
        const QString path = items[i];
        connect(action, &QAction::triggered, this,
                [this, path] { dialogs::Guarded([this, &path] { mruListClick(path); }); });
        FFileMenu->insertAction(FRecentEnd, action);
        FRecentActions.append(action);
    }
}

void TfrmMain::UpdateActions()
{
    TdmCommon& c = FCommon;
    const int pages = PageCount();
    const int shown = PageIndex();
    c.actShowFirst->setEnabled(pages > 0 && (shown > 0 || shown == -1));
    c.actShowPrev->setEnabled(pages > 0 && shown > 0);
    c.actShowNext->setEnabled(pages > 0 && shown < pages - 1);
    c.actShowLast->setEnabled(pages > 0 && shown < pages - 1);
    c.actGoToPage->setEnabled(pages > 0);
    c.actShowCover->setEnabled(FSession.IsOpen() && FSession.Reader().HasCover() && shown >= 0);
    c.actShowDescription->setEnabled(pages > 0);
    c.actEditDescription->setEnabled(pages > 0);
    c.actEditTOC->setEnabled(pages > 0);
    actShowTOCUpdate();
    // Only on a change: setting an icon schedules a repaint, and this runs on every idle.
    if (FShownOrientationIcon != FOrientation) {
        FShownOrientationIcon = FOrientation;
        c.actOrientation->setIcon(TdmCommon::ActionImage(OrientationImage(FOrientation)));
    }
}

void TfrmMain::OpenBook(const QString& path)
{
    RememberReadingPosition();
    FCommon.mruList.Add(path);
    const QScopedValueRollback<bool> resuming(FResuming, true);
    ReadBook([&] { FSession.Open(path, FSettings.Values().TextEncoding); });
}

void TfrmMain::ReopenBook()
{
    ReadBook([this] { FSession.Reopen(); });
}

// A file that cannot be opened and a book that is not a Wolf book go to the default error
// report; any other failure while reading is reported here.
void TfrmMain::ReadBook(const std::function<void()>& read)
{
    ClearView();
    try {
        read();
    } catch (const wolf::EWolf&) {
        throw;
    } catch (const wolf::EFOpenError&) {
        throw;
    } catch (const std::exception&) {
        dialogs::ShowMessage(QMessageBox::NoIcon, tr("Error reading Wolf file!"));
    }
}

void TfrmMain::BookOpened()
{
    LoadTOC();
    setWindowTitle(tr("Karavel - [%1]").arg(QFileInfo(FSession.FileName()).fileName()));
    if (FResuming) FSession.SetPageIndex(FirstPageToShow());
    RedisplayPage();
}

void TfrmMain::CloseBook()
{
    FSession.Close();
}

void TfrmMain::BookClosed()
{
    ClearView();
    imvPage->Blacken();
    setWindowTitle(dialogs::ApplicationTitle);
    pnlPageNum->clear();
}

void TfrmMain::GoToPage(int index)
{
    ShowPage(index);
    HideTOCAfterJump();
}

void TfrmMain::actFileOpenExecute()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QString(), OpenDialogFolder(), tr("Wolf eBook (*.wol);;All Files (*)"));
    if (!path.isEmpty()) OpenBook(path);
}

void TfrmMain::actShowFirstExecute()
{
    ShowPage(0);
    UpdateActions();
}

void TfrmMain::actShowPrevExecute()
{
    ShowPage(PageIndex() - 1);
    UpdateActions();
}

void TfrmMain::actShowNextExecute()
{
    ShowPage(PageIndex() + 1);
    UpdateActions();
}

void TfrmMain::actShowLastExecute()
{
    ShowPage(PageCount() - 1);
    UpdateActions();
}

void TfrmMain::actGoToPageExecute()
{
    int page = 0;
    if (frmPageNum->AskPageNumber(PageCount(), page)) ShowPage(page - 1);
}

void TfrmMain::actShowCoverExecute()
{
    ShowPage(-1);
}

void TfrmMain::SetOrientation(pagepicture::TOrientation orientation)
{
    FOrientation = orientation;
    RedisplayPage();
}

void TfrmMain::cmbScaleClick()
{
    ApplyScale();
    if (QWidget* focused = QApplication::focusWidget(); focused && focused->window() == this) focused->clearFocus();
}

void TfrmMain::mruListClick(const QString& path)
{
    OpenBook(path);
}

void TfrmMain::ReceiveHandOver(const QString& path)
{
    dialogs::Guarded([&] {
        if (!path.isEmpty()) OpenBook(path);
        setWindowState(windowState() & ~Qt::WindowMinimized);
        show();
        raise();
        activateWindow();
    });
}

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (FStartFile.isEmpty()) return;
    const QString path = std::exchange(FStartFile, QString());
    QTimer::singleShot(0, this, [this, path] {
        if (QFileInfo(path).isFile()) dialogs::Guarded([&] { OpenBook(path); });
    });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    // The text view would take Ctrl+C as Copy; here it shows the cover like everywhere else.
    if (event->type() == QEvent::ShortcutOverride && watched == memPage &&
        static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::CTRL | Qt::Key_C)) {
        event->ignore();
        return true;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::Wheel) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this) return false;
    // A key travels from the focused control up to the window; look at it once, where it
    // starts.
    if (event->type() == QEvent::KeyPress) {
        QWidget* focused = QApplication::focusWidget();
        if (widget != (focused && focused->window() == this ? focused : this)) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && isFullScreen()) {
            SetFullScreen(false);
            return true;
        }
        return FormKeyDown(key);
    }
    return FormMouseWheel(static_cast<QWheelEvent*>(event));
}

bool TfrmMain::FormKeyDown(QKeyEvent* event)
{
    if (FSession.FileName().isEmpty()) return false;
    QAction* action = nullptr;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
    case Qt::Key_Backspace: action = FCommon.actShowPrev; break;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space: action = FCommon.actShowNext; break;
    case Qt::Key_Home: action = FCommon.actShowFirst; break;
    case Qt::Key_End: action = FCommon.actShowLast; break;
    default: return false;
    }
    if (action->isEnabled()) action->trigger();
    return false;  // the focused control still gets the key
}

bool TfrmMain::FormMouseWheel(QWheelEvent* event)
{
    if (memPage->isVisible()) return false;
    const QPoint delta = event->angleDelta();
    const int amount = delta.y() != 0 ? delta.y() : delta.x();
    if (event->modifiers() == Qt::ShiftModifier && event->buttons() == Qt::NoButton)
        imvPage->ScrollBy(-amount, 0);
    else
        imvPage->ScrollBy(0, -amount);
    return true;
}
