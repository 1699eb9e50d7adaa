// The program's report of an error nobody handled: a critical box titled "Karavel" with
// the message, a full stop added unless it already ends in one or in a character that
// sorts before it.
#pragma once

#include <QString>
#include <exception>

class QWidget;

namespace dialogs {

QString ErrorReportText(const QString& message);
void ShowErrorReport(QWidget* parent, const QString& message);
void ShowErrorReport(QWidget* parent, const std::exception& error);

}  // namespace dialogs
