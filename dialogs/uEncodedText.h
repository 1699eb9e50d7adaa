// Book texts are bytes in the book's encoding; the dialogs edit them as Unicode.
#pragma once

#include "BookEncoding.h"

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace dialogs {

// Every lone CR and lone LF becomes CR LF. Safe on the bytes of any encoding a book may
// use, since none of them has CR or LF inside a multi-byte character.
std::string NormaliseLineBreaks(const std::string& bytes);

// Text the user edited, or the original bytes when the edit gave back the very text they
// decode to: untouched text is never re-encoded.
std::optional<std::string> EncodeEdited(const platform::TBookEncoding& encoding, const std::string& original,
                                        const QString& edited, size_t maxBytes);

// Warns that an edited text holds characters the book's encoding cannot store (the
// warning names the encoding as %1) and puts the focus back in the field to change.
void RefuseUnstorableText(const QString& warning, const platform::TBookEncoding& encoding, QWidget* field);

}  // namespace dialogs
