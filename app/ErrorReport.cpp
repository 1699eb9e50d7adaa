#include "ErrorReport.h"

#include "ErrorTexts.h"

namespace app {

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
                                        QMessageBox::StandardButtons buttons)
{
    if (Hook()) return Hook()(icon, text, buttons);
    QMessageBox box(icon, ApplicationTitle, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString WithFullStop(const QString& message)
{
    if (message.isEmpty() || message.back() <= u'.') return message;
    // A translated message may already end in its language's own punctuation ("。", "！").
    if (message.back().unicode() > 0x7f && message.back().isPunct()) return message;
    return message + QCoreApplication::translate("ErrorText", ".", "the full stop added to a message");
}

void ShowErrorReport(const QString& message)
{
    ShowMessage(QMessageBox::Critical, WithFullStop(TranslatedErrorText(message)));
}

void ShowErrorReport(const std::exception& error)
{
    ShowErrorReport(QString::fromLocal8Bit(error.what()));
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    bool result = false;
    Guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

}  // namespace app
