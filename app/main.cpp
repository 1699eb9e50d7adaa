#include "ErrorReport.h"
#include "SingleInstance.h"
#include "TerminationSignal.h"
#include "Translations.h"
#include "fMain.h"
#include "uGlobals.h"

#include <QFile>

int main(int argc, char* argv[])
{
    app::TApplication application(argc, argv);
    QApplication::setApplicationName(app::ApplicationTitle);
    app::InstallTranslations(QLocale::system());

    const QStringList arguments = QApplication::arguments();
    const QString bookPath = arguments.size() > 1 ? arguments[1] : QString();

    platform::TSingleInstance instance(globals::InstanceName());
    if (globals::ReadAllowOneInstance() && instance.HandOverToRunningInstance(QFile::encodeName(bookPath)))
        return 0;

    TfrmMain frmMain;
    instance.Listen();
    QObject::connect(&instance, &platform::TSingleInstance::HandOverReceived, &frmMain,
                     &TfrmMain::ReceiveHandOver);
    CloseOnTerminationSignal(&frmMain);
    frmMain.SetStartFile(bookPath);
    frmMain.show();
    return application.exec();
}
