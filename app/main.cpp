#include "Application.h"
#include "ErrorReport.h"
#include "SingleInstance.h"
#include "TerminationSignal.h"
#include "Translations.h"
#include "fMain.h"
#include "uGlobals.h"

#include <QFileInfo>

int main(int argc, char* argv[])
{
    app::TApplication application(argc, argv);
    QApplication::setApplicationName(dialogs::ApplicationTitle);
    app::InstallTranslations(QLocale::system());

    const QStringList arguments = QApplication::arguments();
    // The running instance may have been started in another folder.
    const QString bookPath =
        arguments.size() > 1 && !arguments[1].isEmpty() ? QFileInfo(arguments[1]).absoluteFilePath() : QString();

    platform::TSingleInstance instance(globals::InstanceName());
    if (globals::ReadAllowOneInstance() && instance.HandOverToRunningInstance(bookPath)) return 0;

    TfrmMain frmMain;
    if (const QString failure = instance.Listen(); !failure.isEmpty()) dialogs::ShowErrorReport(failure);
    QObject::connect(&instance, &platform::TSingleInstance::HandOverReceived, &frmMain, &TfrmMain::ReceiveHandOver);
    CloseOnTerminationSignal(&frmMain);
    frmMain.SetStartFile(bookPath);
    frmMain.show();
    return application.exec();
}
