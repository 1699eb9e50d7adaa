#include "TextCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace platform::textcodec {

namespace {

// The initial byte-order mark stays part of the text, so decoding and encoding again gives
// back every byte.
QStringDecoder MakeDecoder(const QByteArray& name)
{
    return QStringDecoder(name.constData(),
                          QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
}

QStringEncoder MakeEncoder(const QByteArray& name)
{
    return QStringEncoder(name.constData(), QStringConverter::Flag::Stateless);
}

}  // namespace

bool Converts(const QByteArray& name)
{
    return !name.isEmpty() && MakeDecoder(name).isValid() && MakeEncoder(name).isValid();
}

QString Decode(const QByteArray& name, std::string_view bytes)
{
    QStringDecoder decoder = MakeDecoder(name);
    if (!decoder.isValid()) return {};
    // The converters keep a lead byte cut off at the end of the input to themselves; a line
    // feed, one byte in every encoding offered, makes them report it.
    QByteArray input(bytes.data(), qsizetype(bytes.size()));
    input += '\n';
    QString text = decoder.decode(input);
    if (text.endsWith(u'\n')) text.chop(1);
    return text;
}

std::optional<std::string> Encode(const QByteArray& name, const QString& text)
{
    QStringEncoder encoder = MakeEncoder(name);
    if (!encoder.isValid()) return std::nullopt;
    std::string bytes = QByteArray(encoder.encode(text)).toStdString();
    if (encoder.hasError()) return std::nullopt;
    return bytes;
}

}  // namespace platform::textcodec
