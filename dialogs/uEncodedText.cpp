#include "uEncodedText.h"

#include "ErrorReport.h"

#include <QWidget>

namespace dialogs {

std::string NormaliseLineBreaks(const std::string& bytes)
{
    std::string result;
    result.reserve(bytes.size() + bytes.size() / 8);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            result += "\r\n";
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        } else {
            result += c;
        }
    }
    return result;
}

std::optional<std::string> EncodeEdited(const platform::TBookEncoding& encoding, const std::string& original,
                                        const QString& edited, size_t maxBytes)
{
    if (edited == encoding.Decode(original)) return original;
    return encoding.EncodeWithin(edited, maxBytes);
}

void RefuseUnstorableText(const QString& warning, const platform::TBookEncoding& encoding, QWidget* field)
{
    ShowMessage(QMessageBox::Warning, warning.arg(QString::fromLatin1(encoding.Name())), QMessageBox::Ok,
                field->window());
    field->setFocus();
}

}  // namespace dialogs
