// Where the main window meets the dialogs: the table-of-contents window, the description
// window, the preferences, the about box and the edit save flows.
#include "fMain.h"

#include "ErrorReport.h"
#include "fAbout.h"
#include "fDescription.h"
#include "fMakeBook.h"
#include "fPreferences.h"
#include "fTOC.h"

#include <QCoreApplication>

// The dialogs, children of the main window, and what the table-of-contents window
// asks of the main window.
class TMainDialogs : public QObject, public dialogs::TTOCHost {
public:
    TMainDialogs(TfrmMain& main, const settings::TSettings& settings)
        : QObject(&main),
          FMain(main),
          FSettings(settings),
          frmTOC(new dialogs::TfrmTOC(*this, &main)),
          frmPreferences(new dialogs::TfrmPreferences(
              [](const std::exception& error) { dialogs::ShowErrorReport(error); }, &main)),
          frmAbout(new dialogs::TfrmAbout(&main)),
          frmDescription(new dialogs::TfrmDescription(&main))
    {
    }

    int PageCount() const override { return FMain.PageCount(); }
    int PageIndex() const override { return FMain.PageIndex(); }
    void GoToPage(int pageIndex) override { FMain.GoToPage(pageIndex); }
    bool AutoHideTOC() const override { return FSettings.Values().AutoHideTOC; }
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
    QIcon ActionImage(dialogs::TActionImage image) const override { return TdmCommon::ActionImage(image); }
    // Over the table-of-contents window, which stays on top of every other window.
    void ReportError(const std::exception& error) override { dialogs::ShowErrorReport(error, frmTOC); }

    TfrmMain& FMain;
    const settings::TSettings& FSettings;
    dialogs::TfrmTOC* frmTOC;
    dialogs::TfrmPreferences* frmPreferences;
    dialogs::TfrmAbout* frmAbout;
    dialogs::TfrmDescription* frmDescription;
};

namespace {

bool ConfirmRewrite()
{
    return dialogs::ShowMessage(
               QMessageBox::Warning,
               QCoreApplication::translate("TfrmMain", "Current Wolf file will be changed!\r\nContinue?"),
               QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace

void TfrmMain::CreateDialogs()
{
    FDialogs = new TMainDialogs(*this, FSettings);
}

void TfrmMain::ClearView()
{
    FDialogs->frmTOC->ClearView();
}

void TfrmMain::LoadTOC()
{
    const wolf::TWolfReader& book = FSession.Reader();
    FDialogs->frmTOC->LoadTOC(book.TOC, book.Description.GetField(wolf::TWolfDescription::Title), FSession.Encoding());
}

void TfrmMain::HideTOCAfterJump()
{
    FDialogs->frmTOC->HideAfterJump();
}

void TfrmMain::actShowTOCUpdate()
{
    const bool hasEntries = FSession.IsOpen() && FSession.Reader().TOC.Count() > 0;
    FCommon.actShowTOC->setEnabled(hasEntries);
    FCommon.actShowTOC->setChecked(hasEntries && FDialogs->frmTOC->isVisible());
}

// The maker window stays open beside the book being read; the book it makes is opened here.
void TfrmMain::actFileMakeBookExecute()
{
    auto* maker = new dialogs::TfrmMakeBook(FSettings, this);
    maker->setAttribute(Qt::WA_DeleteOnClose);
    connect(maker, &dialogs::TfrmMakeBook::BookMade, this,
            [this](const QString& path) { dialogs::Guarded([&] { OpenBook(path); }); });
    maker->show();
}

void TfrmMain::actFilePrefsExecute()
{
    settings::TSettingValues values = FSettings.Values();
    if (!FDialogs->frmPreferences->Execute(values)) return;
    FSettings.SetValues(values);
    FSettings.Save(FCommon.mruList.Items());
    ApplyScale();
    setFocus();
}

void TfrmMain::SettingsChanged(const settings::TSettingValues& previous)
{
    if (previous.TextEncoding != FSettings.Values().TextEncoding)
        FSession.ChooseEncoding(FSettings.Values().TextEncoding);
}

void TfrmMain::actShowDescriptionExecute()
{
    FDialogs->frmDescription->ShowDescription(FSession.Reader().Description, FSession.Encoding());
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
    copy.Assign(FSession.Reader().Description);
    if (!FDialogs->frmDescription->EditDescription(copy, FSession.Encoding()) || !ConfirmRewrite()) return;
    FSession.RewriteDescription(copy);
}

void TfrmMain::actEditTOCExecute()
{
    wolf::TWolfTOCList copy;
    copy.CopyFrom(FSession.Reader().TOC);
    if (!FDialogs->frmTOC->EditTOC(copy) || !ConfirmRewrite()) {
        LoadTOC();  // the window must not go on showing the discarded edits
        return;
    }
    FSession.RewriteTOC(copy);
}
