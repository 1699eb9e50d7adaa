// Where the main window meets the dialogs: the table-of-contents window, the description
// window, the preferences, the about box and the edit save flows.
#include "fMain.h"

#include "BookPath.h"
#include "ErrorReport.h"
#include "SafeSave.h"
#include "fAbout.h"
#include "fDescription.h"
#include "fPreferences.h"
#include "fTOC.h"
#include "uGlobals.h"
#include "uWolfReplacer.h"


// The dialogs, children of the main window, and what the table-of-contents window
// asks of the main window.
class TMainDialogs : public QObject, public dialogs::TTOCHost {
public:
    explicit TMainDialogs(TfrmMain& main)
        : QObject(&main),
          FMain(main),
          frmTOC(new dialogs::TfrmTOC(*this, &main)),
          frmPreferences(new dialogs::TfrmPreferences(
              [](const std::exception& error) { app::ShowErrorReport(error); }, &main)),
          frmAbout(new dialogs::TfrmAbout(&main)),
          frmDescription(new dialogs::TfrmDescription(&main))
    {
    }

    int PageCount() const override { return FMain.PageCount(); }
    int PageIndex() const override { return FMain.PageIndex(); }
    void GoToPage(int pageIndex) override { FMain.GoToPage(pageIndex); }
    bool AutoHideTOC() const override { return globals::AutoHideTOC; }
    QAction* PageAction(TPageAction which) const override
    {
        TdmCommon& common = FMain.Common();
        switch (which) {
        case TPageAction::First: return common.actShowFirst;
        case TPageAction::Prev: return common.actShowPrev;
        case TPageAction::Next: return common.actShowNext;
        case TPageAction::Last: return common.actShowLast;
        }
        return nullptr;
    }
    QIcon ActionImage(int index) const override { return TdmCommon::ActionImage(index); }
    // Over the table-of-contents window, which stays on top of every other window.
    void ReportError(const std::exception& error) override { app::ShowErrorReport(error, frmTOC); }

    TfrmMain& FMain;
    dialogs::TfrmTOC* frmTOC;
    dialogs::TfrmPreferences* frmPreferences;
    dialogs::TfrmAbout* frmAbout;
    dialogs::TfrmDescription* frmDescription;
};

namespace {

bool ConfirmRewrite()
{
    return app::ShowMessage(QMessageBox::Warning, QStringLiteral("Current Wolf file will be changed!\r\nContinue?"),
                            QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace

void TfrmMain::CreateDialogs()
{
    FDialogs = new TMainDialogs(*this);
}


void TfrmMain::ClearView()
{
    FDialogs->frmTOC->ClearView();
}

void TfrmMain::LoadTOC()
{
    FDialogs->frmTOC->LoadTOC(FReader.TOC, FReader.Description.GetField(0), FEncoding);
}

void TfrmMain::HideTOCAfterJump()
{
    FDialogs->frmTOC->HideAfterJump();
}

void TfrmMain::actShowTOCUpdate()
{
    const bool hasEntries = FStream && FReader.TOC.Count() > 0;
    FCommon.actShowTOC->setEnabled(hasEntries);
    FCommon.actShowTOC->setChecked(hasEntries && FDialogs->frmTOC->isVisible());
}

void TfrmMain::actFilePrefsExecute()
{
    dialogs::TPreferences settings{globals::AllowOneInstance, globals::AutoHideTOC, globals::DefScaleIdx,
                                   globals::MonitorType,      globals::MonitorWidth, globals::MonitorHeight,
                                   globals::TextEncoding};
    if (!FDialogs->frmPreferences->Execute(settings))
        return;
    const bool encodingChanged = settings.TextEncoding != globals::TextEncoding;
    globals::AllowOneInstance = settings.AllowOneInstance;
    globals::AutoHideTOC = settings.AutoHideTOC;
    globals::DefScaleIdx = settings.DefScaleIdx;
    globals::MonitorType = settings.MonitorType;
    globals::MonitorWidth = settings.MonitorWidth;
    globals::MonitorHeight = settings.MonitorHeight;
    globals::TextEncoding = settings.TextEncoding;
    globals::SaveSettings(FCommon.mruList.Items());
    ApplyScale();
    if (encodingChanged && FStream) {
        ChooseEncoding();
        LoadTOC();
        RedisplayPage();
    }
    setFocus();
}

void TfrmMain::actShowDescriptionExecute()
{
    FDialogs->frmDescription->ShowDescription(FReader.Description, FEncoding);
}

void TfrmMain::actShowTOCExecute()
{
    FDialogs->frmTOC->ToggleBrowse();
}

void TfrmMain::actAboutExecute()
{
    FDialogs->frmAbout->exec();
}

void TfrmMain::actEditDescriptionExecute()
{
    wolf::TWolfDescription copy;
    copy.Assign(FReader.Description);
    if (!FDialogs->frmDescription->EditDescription(copy, FEncoding) || !ConfirmRewrite())
        return;
    RewriteBook([&copy](wolf::TStream& source, wolf::TStream& destination) {
        wolf::ReplaceDescription(source, destination, copy);
    });
}

void TfrmMain::actEditTOCExecute()
{
    wolf::TWolfTOCList copy;
    copy.CopyFrom(FReader.TOC);
    if (!FDialogs->frmTOC->EditTOC(copy) || !ConfirmRewrite()) {
        LoadTOC();  // the window must not go on showing the discarded edits
        return;
    }
    RewriteBook([this, &copy](wolf::TStream& source, wolf::TStream& destination) {
        wolf::ReplaceTOC(source, destination, FReader.Pages, copy);
    });
}

// The book under its name is replaced only by a complete new book, the old one kept as
// NAME.bak. The open stream is released for the save (a file open for reading cannot be
// replaced everywhere) and the book opened again afterwards on the page that was shown,
// also when the save failed, so that the window never reads from a closed stream.
void TfrmMain::RewriteBook(const wolf::TBookRewrite& rewrite)
{
    FStream.reset();
    try {
        wolf::SaveBookSafely(platform::BookPath(FFileName), rewrite);
    } catch (...) {
        const std::exception_ptr failure = std::current_exception();
        try {
            ReopenBook();
        } catch (...) {
            // The save's own error is the one to report; the book is left closed.
        }
        std::rethrow_exception(failure);
    }
    ReopenBook();
}
