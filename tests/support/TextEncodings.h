// Texts in named encodings for the tests, through the program's own conversion: Qt for Windows
// has no converters for them (it is built without ICU), the platform layer's code pages do.
#pragma once

#include "BookEncoding.h"

#include <QByteArray>
#include <QString>
#include <string>

namespace testbooks {

// The encoding of Chinese books in the tests: GB18030, or where the system lacks it (Wine) its
// two-byte part GBK, which the encoding guess then falls back to.
inline const char* ChineseEncoding()
{
    return platform::TBookEncoding("GB18030").Name() == "GB18030" ? "GB18030" : "GBK";
}

// The text's bytes in the named encoding; empty when the system lacks it or it cannot hold the text.
inline QByteArray EncodedIn(const char* encoding, const QString& text)
{
    const platform::TBookEncoding converter(encoding);
    if (converter.Name().compare(encoding, Qt::CaseInsensitive) != 0) return {};
    return QByteArray::fromStdString(converter.Encode(text).value_or(std::string()));
}

}  // namespace testbooks
