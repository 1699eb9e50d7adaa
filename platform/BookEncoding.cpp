#include "BookEncoding.h"

#include "TextCodec.h"
#include "TextGuess.h"
#include "Utf8Check.h"

namespace platform {

namespace {

constexpr const char* Latin1Name = "latin1";

bool IsLatin1(const QByteArray& name)
{
    return name.compare(Latin1Name, Qt::CaseInsensitive) == 0;
}

std::string Concatenate(const std::vector<std::string>& samples)
{
    std::string all;
    for (const std::string& sample : samples) {
        all += sample;
        all += '\n';
    }
    return all;
}

// A guess is only taken when it gives back the very bytes it decoded: a book whose texts
// the encoding cannot hold would otherwise lose bytes when it is saved.
bool KeepsBytes(const TBookEncoding& encoding, const std::string& bytes)
{
    const std::optional<std::string> again = encoding.Encode(encoding.Decode(bytes));
    return again && *again == bytes;
}

QByteArray Guess(const std::string& all)
{
    const QByteArray verdict = DetectedCharset(all);
    // Text that failed the strict check cannot be any Unicode form that keeps its bytes.
    const QByteArray upper = verdict.toUpper();
    return upper.startsWith("UTF") || upper == "ASCII" ? QByteArray() : verdict;
}

}  // namespace

TBookEncoding::TBookEncoding(const QByteArray& name)
    : FName(!IsLatin1(name) && textcodec::Converts(name) ? name : QByteArray(Latin1Name))
{
}

TBookEncoding TBookEncoding::Detect(const std::vector<std::string>& samples)
{
    const std::string all = Concatenate(samples);
    if (IsStrictUtf8(all)) return TBookEncoding("UTF-8");
    for (const QByteArray& candidate : WithStandIns(Guess(all))) {
        TBookEncoding encoding(candidate);
        if (encoding.Name() == candidate && KeepsBytes(encoding, all)) return encoding;
    }
    return TBookEncoding(Latin1Name);
}

TBookEncoding TBookEncoding::Choose(const QByteArray& name, const std::vector<std::string>& samples)
{
    if (name.isEmpty() || name.compare(Automatic, Qt::CaseInsensitive) == 0) return Detect(samples);
    return TBookEncoding(name);
}

QString TBookEncoding::Decode(const std::string& bytes) const
{
    if (IsLatin1(FName)) return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    return textcodec::Decode(FName, bytes);
}

std::optional<std::string> TBookEncoding::Encode(const QString& text) const
{
    std::string bytes;
    if (IsLatin1(FName)) {
        bytes = text.toLatin1().toStdString();
    } else if (std::optional<std::string> encoded = textcodec::Encode(FName, text)) {
        bytes = std::move(*encoded);
    } else {
        return std::nullopt;
    }
    // Some converters put '?' or 0x1A in place of what they cannot hold and report
    // nothing: only bytes that give back the very text are safe to write.
    if (Decode(bytes) != text) return std::nullopt;
    return bytes;
}

std::optional<std::string> TBookEncoding::EncodeWithin(const QString& text, size_t maxBytes) const
{
    std::optional<std::string> bytes = Encode(text);
    if (!bytes || bytes->size() <= maxBytes) return bytes;
    // Every character takes at least one byte, so no longer prefix can fit.
    QString prefix = text.left(qsizetype(maxBytes) + 1);
    // Drop whole code points from the end until the bytes fit.
    while (!prefix.isEmpty()) {
        prefix.chop(prefix.size() >= 2 && prefix.back().isLowSurrogate() ? 2 : 1);
        bytes = Encode(prefix);
        if (bytes && bytes->size() <= maxBytes) return bytes;
    }
    return std::string();
}

QStringList TBookEncoding::KnownNames()
{
    static const char* const Candidates[] = {
        "UTF-8",        "GB18030",      "GBK",          "Big5",         "Shift_JIS",    "EUC-JP",
        "EUC-KR",       "windows-1250", "windows-1251", "windows-1252", "windows-1253", "windows-1254",
        "windows-1255", "windows-1256", "windows-1257", "windows-1258", "windows-874",  "KOI8-R",
        "KOI8-U",       "ISO-8859-2",   "ISO-8859-5",   "ISO-8859-7",   "ISO-8859-9",   "ISO-8859-15",
    };
    QStringList names{QString::fromLatin1(Automatic)};
    for (const char* candidate : Candidates) {
        if (textcodec::Converts(candidate)) names << QString::fromLatin1(candidate);
    }
    names << QString::fromLatin1(Latin1Name);
    return names;
}

}  // namespace platform
