#include "ErrorReport.h"

#include "ErrorTexts.h"

#include <QApplication>

namespace dialogs {

const QString ApplicationTitle = QStringLiteral("Karavel");

namespace {
TMessageHook& Hook()
{
    static TMessageHook hook;
    return hook;
}
}  // namespace

void SetMessageHook(TMessageHook hook)
{
    Hook() = std::move(hook);
}

QMessageBox::StandardButton ShowMessage(QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons, QWidget* parent)
{
    if (!parent) parent = QApplication::activeWindow();
    if (Hook()) return Hook()(icon, text, buttons, parent);
    QMessageBox box(icon, ApplicationTitle, text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString WithFullStop(const QString& message)
{
    if (message.isEmpty() || message.back() <= u'.') return message;
    // A translated message may already end in its language's own punctuation ("。", "！").
    if (message.back().unicode() > 0x7f && message.back().isPunct()) return message;
    return message + QCoreApplication::translate("ErrorText", ".", "the full stop added to a message");
}

void ShowErrorReport(const QString& message, QWidget* parent)
{
    ShowMessage(QMessageBox::Critical, WithFullStop(TranslatedErrorText(message)), QMessageBox::Ok, parent);
}

void ShowErrorReport(const std::exception& error, QWidget* parent)
{
    ShowErrorReport(QString::fromUtf8(error.what()), parent);
}

}  // namespace dialogs
