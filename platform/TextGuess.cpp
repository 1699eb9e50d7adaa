#include "TextGuess.h"

#include "BookEncoding.h"
#include "Utf8Check.h"

#include <QStringDecoder>
#include <algorithm>
#include <string>
#include <uchardet/uchardet.h>

namespace platform {

namespace {

struct TMark {
    std::string_view Bytes;
    const char* Encoding;
};

// UTF-32LE's mark begins with UTF-16LE's, so it is looked for first.
constexpr TMark Marks[] = {
    {std::string_view("\xFF\xFE\0\0", 4), "UTF-32LE"},
    {std::string_view("\0\0\xFE\xFF", 4), "UTF-32BE"},
    {"\xEF\xBB\xBF", "UTF-8"},
    {"\xFF\xFE", "UTF-16LE"},
    {"\xFE\xFF", "UTF-16BE"},
};

// No 8-bit or multi-byte encoding of text has zero bytes; UTF-16 has one in every character of
// the Latin-1 range, the high byte, which lies second in little-endian order.
const char* Utf16ByZeros(std::string_view bytes)
{
    size_t even = 0, odd = 0;
    for (size_t i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\0') ++(i % 2 ? odd : even);
    if (odd == even) return nullptr;
    return odd > even ? "UTF-16LE" : "UTF-16BE";
}

bool Contains(const QByteArrayList& names, const QByteArray& name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const QByteArray& known) { return known.compare(name, Qt::CaseInsensitive) == 0; });
}

// Qt converts the Unicode forms itself, on every system.
std::optional<QStringConverter::Encoding> UnicodeForm(const QByteArray& name)
{
    const std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForName(name.constData());
    if (encoding == QStringConverter::Latin1 || encoding == QStringConverter::System) return std::nullopt;
    return encoding;
}

bool IsClean(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i].unicode();
        if (unit == 0xFFFD) return false;
        if (unit < 0x20 && unit != u'\t' && unit != u'\n' && unit != u'\v' && unit != u'\f' && unit != u'\r')
            return false;
        if (QChar::isLowSurrogate(unit)) return false;
        if (QChar::isHighSurrogate(unit)) {
            if (i + 1 == text.size() || !QChar::isLowSurrogate(text[i + 1].unicode())) return false;
            ++i;
        }
    }
    return true;
}

}  // namespace

QByteArray DetectedCharset(std::string_view bytes)
{
    uchardet_t detector = uchardet_new();
    QByteArray verdict;
    if (uchardet_handle_data(detector, bytes.data(), bytes.size()) == 0) {
        uchardet_data_end(detector);
        verdict = uchardet_get_charset(detector);
    }
    uchardet_delete(detector);
    const QByteArray upper = verdict.toUpper();
    if (upper == "GB2312" || upper == "GBK" || upper == "GB18030") return "GB18030";
    return verdict;
}

TTextGuess GuessTextEncoding(std::string_view bytes)
{
    for (const TMark& mark : Marks)
        if (bytes.starts_with(mark.Bytes)) return {qsizetype(mark.Bytes.size()), true, {mark.Encoding}};
    const bool zeros = bytes.find('\0') != std::string_view::npos;
    if (!zeros && IsStrictUtf8(bytes)) return {0, true, {"UTF-8"}};
    TTextGuess guess;
    guess.Candidates << "UTF-8";
    if (zeros)
        if (const char* form = Utf16ByZeros(bytes)) guess.Candidates << form;
    // ASCII is a part of UTF-8, tried already.
    const QByteArray verdict = DetectedCharset(bytes);
    if (!verdict.isEmpty() && verdict.compare("ASCII", Qt::CaseInsensitive) != 0 &&
        !Contains(guess.Candidates, verdict))
        guess.Candidates << verdict;
    return guess;
}

std::optional<TDecodedText> DecodeText(std::string_view bytes, const QByteArray& encoding)
{
    TDecodedText decoded;
    if (const std::optional<QStringConverter::Encoding> form = UnicodeForm(encoding)) {
        QStringDecoder decoder(*form, QStringConverter::Flag::Stateless);
        decoded.Text = decoder.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
        decoded.Clean = !decoder.hasError();
    } else {
        const TBookEncoding named(encoding);
        if (named.Name().compare(encoding, Qt::CaseInsensitive) != 0) return std::nullopt;
        decoded.Text = named.Decode(std::string(bytes));
    }
    // Files from DOS may end in a Ctrl+Z.
    while (decoded.Text.endsWith(QChar(0x1A))) decoded.Text.chop(1);
    decoded.Clean = decoded.Clean && IsClean(decoded.Text);
    return decoded;
}

bool CanDecodeText(const QByteArray& encoding)
{
    return !encoding.isEmpty() &&
           (UnicodeForm(encoding) || TBookEncoding(encoding).Name().compare(encoding, Qt::CaseInsensitive) == 0);
}

}  // namespace platform
