#include "uErrorReport.h"

#include <QMessageBox>

namespace dialogs {

QString ErrorReportText(const QString& message)
{
    if (!message.isEmpty() && message.back() <= u'.')
        return message;
    return message + u'.';
}

void ShowErrorReport(QWidget* parent, const QString& message)
{
    QMessageBox::critical(parent, QStringLiteral("Karavel"), ErrorReportText(message));
}

void ShowErrorReport(QWidget* parent, const std::exception& error)
{
    // Messages are the program's own or the system's, in the local 8-bit encoding.
    ShowErrorReport(parent, QString::fromLocal8Bit(error.what()));
}

}  // namespace dialogs
