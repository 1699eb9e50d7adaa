// Where the main window meets the dialogs: the table-of-contents window, the description
// window, the preferences, the about box and the edit save flows.
#include "fMain.h"

void TfrmMain::CreateDialogs() {}

// Empties the table-of-contents window at the start of every open.
void TfrmMain::ClearView() {}

// Loads the table-of-contents window after a book was read.
void TfrmMain::LoadTOC() {}

// After GoToPage: hides the table-of-contents window when AutoHideTOC is on.
void TfrmMain::HideTOCAfterJump() {}

void TfrmMain::actShowTOCUpdate()
{
    const bool hasEntries = FStream && FReader.TOC.Count() > 0;
    FCommon.actShowTOC->setEnabled(hasEntries);
    FCommon.actShowTOC->setChecked(false);
}

void TfrmMain::actFilePrefsExecute() {}

void TfrmMain::actShowDescriptionExecute() {}

void TfrmMain::actShowTOCExecute() {}

void TfrmMain::actEditDescriptionExecute() {}

void TfrmMain::actEditTOCExecute() {}

void TfrmMain::actAboutExecute() {}
