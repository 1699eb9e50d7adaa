// The code pages of Windows, found by the names the rest of the program uses (those of ICU and
// of the encoding guess).
#include "TextCodec.h"

#include <windows.h>

#include <climits>

namespace platform::textcodec {

namespace {

struct TCodePage {
    const char* Name;
    UINT Number;
};

constexpr TCodePage CodePages[] = {
    {"UTF-8", CP_UTF8},     {"GB18030", 54936},     {"GBK", 936},
    {"GB2312", 936},        {"Big5", 950},          {"Shift_JIS", 932},
    {"EUC-JP", 20932},      {"EUC-KR", 51949},      {"windows-949", 949},
    {"UHC", 949},           {"windows-874", 874},   {"TIS-620", 874},
    {"windows-1250", 1250}, {"windows-1251", 1251}, {"windows-1252", 1252},
    {"windows-1253", 1253}, {"windows-1254", 1254}, {"windows-1255", 1255},
    {"windows-1256", 1256}, {"windows-1257", 1257}, {"windows-1258", 1258},
    {"KOI8-R", 20866},      {"KOI8-U", 21866},      {"IBM852", 852},
    {"IBM855", 855},        {"IBM866", 866},        {"MAC-CYRILLIC", 10007},
    {"ISO-8859-1", 28591},  {"ISO-8859-2", 28592},  {"ISO-8859-3", 28593},
    {"ISO-8859-4", 28594},  {"ISO-8859-5", 28595},  {"ISO-8859-6", 28596},
    {"ISO-8859-7", 28597},  {"ISO-8859-8", 28598},  {"ISO-8859-9", 28599},
    {"ISO-8859-13", 28603}, {"ISO-8859-15", 28605}, {"US-ASCII", 20127},
};

// Zero when the name is unknown here or the system lacks the code page.
UINT CodePage(const QByteArray& name)
{
    for (const TCodePage& page : CodePages) {
        if (name.compare(page.Name, Qt::CaseInsensitive) == 0) return IsValidCodePage(page.Number) ? page.Number : 0;
    }
    return 0;
}

// These two take neither the flag against best-fit replacements nor the report of a stand-in
// character; they hold every character anyway.
bool HoldsEverything(UINT codePage)
{
    return codePage == CP_UTF8 || codePage == 54936;
}

}  // namespace

bool Converts(const QByteArray& name)
{
    return CodePage(name) != 0;
}

QString Decode(const QByteArray& name, std::string_view bytes)
{
    const UINT codePage = CodePage(name);
    if (codePage == 0 || bytes.empty() || bytes.size() > size_t(INT_MAX / 2)) return {};
    const int size = int(bytes.size());
    QString text(size, Qt::Uninitialized);
    const int length =
        MultiByteToWideChar(codePage, 0, bytes.data(), size, reinterpret_cast<wchar_t*>(text.data()), size);
    text.truncate(length);
    return text;
}

std::optional<std::string> Encode(const QByteArray& name, const QString& text)
{
    const UINT codePage = CodePage(name);
    if (codePage == 0 || text.size() > INT_MAX / 4) return std::nullopt;
    if (text.isEmpty()) return std::string();
    const auto* wide = reinterpret_cast<const wchar_t*>(text.utf16());
    const int length = int(text.size());
    const bool holdsEverything = HoldsEverything(codePage);
    const DWORD flags = codePage == CP_UTF8 ? WC_ERR_INVALID_CHARS : holdsEverything ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL usedStandIn = FALSE;
    BOOL* standInReport = holdsEverything ? nullptr : &usedStandIn;
    std::string bytes(size_t(length) * 4, '\0');
    const int size =
        WideCharToMultiByte(codePage, flags, wide, length, bytes.data(), int(bytes.size()), nullptr, standInReport);
    if (size == 0 || usedStandIn) return std::nullopt;
    bytes.resize(size_t(size));
    return bytes;
}

}  // namespace platform::textcodec
