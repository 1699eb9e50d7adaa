// Text in a named character set, converted by the system: ICU through Qt on Linux, the code
// pages on Windows. Bytes the character set does not define decode to stand-in characters and
// characters it cannot hold may be replaced: callers that must keep bytes compare a round trip.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace platform::textcodec {

// Whether this system converts the named character set both ways.
bool Converts(const QByteArray& name);
// Nothing is carried from one call to the next: a sequence cut off at the end decodes to a
// stand-in character of its own. An unknown name gives an empty text.
QString Decode(const QByteArray& name, std::string_view bytes);
// nullopt when the converter reports a character it cannot hold, or the name is unknown.
std::optional<std::string> Encode(const QByteArray& name, const QString& text);

}  // namespace platform::textcodec
