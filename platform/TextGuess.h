// The encoding of text of unknown origin (a text file to make a book of): its byte-order
// mark, valid UTF-8, the zero bytes of UTF-16, or the detector's verdict over all of it.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <optional>
#include <string_view>

namespace platform {

// uchardet's verdict, GB2312 and GBK read as GB18030, which holds both; empty when it has none.
// It is a hint: it needs a sentence or more of text.
QByteArray DetectedCharset(std::string_view bytes);

struct TTextGuess {
    qsizetype MarkBytes = 0;    // a byte-order mark, to be dropped
    bool Certain = false;       // a byte-order mark, or valid UTF-8 without zero bytes
    QByteArrayList Candidates;  // the encodings to try in turn; one when Certain
};

TTextGuess GuessTextEncoding(std::string_view bytes);

struct TDecodedText {
    QString Text;
    // No byte was invalid in the encoding, and no control character but tab, line and page
    // ends came out: a wrong guess shows itself so.
    bool Clean = true;
};

// Unicode forms by Qt's own converters, every other encoding through TBookEncoding; nullopt
// when this system cannot read the named encoding.
std::optional<TDecodedText> DecodeText(std::string_view bytes, const QByteArray& encoding);

// Whether DecodeText reads the named encoding.
bool CanDecodeText(const QByteArray& encoding);

}  // namespace platform
