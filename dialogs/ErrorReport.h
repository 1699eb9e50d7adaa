// The program's one message channel: every message box, and the default report of errors
// that escape a command. It lives below the windows so that the viewer and its dialogs
// share it.
#pragma once

#include <QMessageBox>
#include <exception>
#include <functional>

namespace dialogs {

extern const QString ApplicationTitle;  // "Karavel"

// Every message box of the program goes through this hook; tests replace it to answer
// boxes without showing them. The default shows a real modal box over the parent.
using TMessageHook = std::function<QMessageBox::StandardButton(QMessageBox::Icon icon, const QString& text,
                                                               QMessageBox::StandardButtons buttons, QWidget* parent)>;
void SetMessageHook(TMessageHook hook);  // an empty hook restores the default

// A box titled "Karavel"; returns the button that closed it. Without a parent it stands
// over the active window.
QMessageBox::StandardButton ShowMessage(QMessageBox::Icon icon, const QString& text,
                                        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                        QWidget* parent = nullptr);

// The message with a full stop added unless it ends in one or in a character sorting
// before it ("!", ")").
QString WithFullStop(const QString& message);
// The default error report: critical icon, OK; the lower layers' English messages in the
// program's language.
void ShowErrorReport(const QString& message, QWidget* parent = nullptr);
void ShowErrorReport(const std::exception& error, QWidget* parent = nullptr);

// Runs a command; whatever it throws goes to the default error report.
template <class TCommand>
void Guarded(TCommand&& command)
{
    try {
        command();
    } catch (const std::exception& error) {
        ShowErrorReport(error);
    } catch (...) {
        ShowErrorReport(QStringLiteral("Unknown error"));
    }
}

}  // namespace dialogs
