// A text file's bytes as text, in whatever encoding it was written.
#pragma once

#include <QByteArray>
#include <QString>

namespace making {

// By its byte-order mark (which is dropped); otherwise in the encoding named, when one is;
// otherwise as UTF-8 when it is valid UTF-8, or in the first encoding guessed that reads it
// cleanly. Zero characters, which a text
// page cannot hold, are left out. EMakeFailure for a named encoding this system does not
// know, EUnrecognisedEncoding when no guess reads it cleanly.
QString DecodeTextFile(const QByteArray& bytes, const QString& path, const QString& encoding);

// Whether DecodeTextFile takes the name: empty (or "auto") for the guess, or an encoding this
// system reads.
bool IsTextEncodingChoice(const QString& encoding);

}  // namespace making
