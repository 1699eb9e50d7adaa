#include "uCatalogText.h"

#include "WolfStream.h"
#include "uWolfReader.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

namespace wolf {

namespace {

const std::string Divider = "... ...";
constexpr int MaxSiblings = 255;  // each level number is one byte, 0 meaning "none"
// Far beyond any real table of contents; keeps a wrongly chosen file from filling memory.
constexpr uint64_t MaxCatalogFileSize = 64 * 1024 * 1024;

std::string LineError(const char* text, int lineNumber)
{
    return std::string(text) + " on line " + std::to_string(lineNumber);
}

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

std::optional<int> DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    if (value < 0 || value >= base) return std::nullopt;
    return value;
}

// The classic integer conversion: leading spaces, an optional sign, then decimal digits or
// "$", "x" or "0x" and hexadecimal digits, nothing after them. Hexadecimal may use all 32
// bits (FFFFFFFF reads as -1); anything else, or a value beyond 32 bits, reads as 0.
int32_t ReadPageNumber(std::string_view text)
{
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) return 0;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) return 0;
    const uint64_t limit =
        base == 16 ? std::numeric_limits<uint32_t>::max() : uint64_t{1} << 31;  // magnitude of the smallest int32
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const std::optional<int> digit = DigitValue(text[i], base);
        if (!digit) return 0;
        magnitude = magnitude * base + static_cast<uint64_t>(*digit);
        if (magnitude > limit) return 0;
    }
    if (base == 10 && !negative && magnitude == limit) return 0;
    const uint32_t bits = static_cast<uint32_t>(magnitude);
    return static_cast<int32_t>(negative ? 0u - bits : bits);
}

std::string TrimRight(const std::string& line)
{
    size_t end = line.size();
    while (end > 0 && IsBlank(line[end - 1])) --end;
    return line.substr(0, end);
}

// Sibling counters of the three depths; a deeper entry needs its parent before it.
class TNumbering {
public:
    void Next(int depth, int lineNumber)
    {
        if (depth > 3 || (depth >= 2 && FCount[0] == 0) || (depth == 3 && FCount[1] == 0))
            RaiseWolfError(LineError("Bad TOC item level", lineNumber));
        if (FCount[depth - 1] == MaxSiblings)
            RaiseWolfError(LineError("Too many TOC items under one parent", lineNumber));
        ++FCount[depth - 1];
        for (int deeper = depth; deeper < 3; ++deeper) FCount[deeper] = 0;
    }
    uint8_t Number(int depth) const { return static_cast<uint8_t>(FCount[depth - 1]); }

private:
    int FCount[3] = {0, 0, 0};
};

}  // namespace

void CatalogTextToTOC(const std::vector<std::string>& lines, TWolfTOCList& toc)
{
    toc.Clear();
    TNumbering numbering;
    for (size_t index = 0; index < lines.size(); ++index) {
        const int lineNumber = static_cast<int>(index + 1);
        const std::string line = TrimRight(lines[index]);
        if (line.empty()) continue;
        const size_t tabs = line.find_first_not_of('\t');
        const int depth = static_cast<int>(std::min<size_t>(tabs, 3)) + 1;
        numbering.Next(depth, lineNumber);
        const size_t divider = line.find(Divider, tabs);
        if (divider == std::string::npos) RaiseWolfError(LineError("Bad TOC item - no page divider", lineNumber));
        const int64_t page = ReadPageNumber(std::string_view(line).substr(divider + Divider.size()));
        std::string title = Trim(line.substr(tabs, divider - tabs));
        if (title.empty()) title = "(empty)";
        const int64_t pageIndex = std::max<int64_t>(page - 1, std::numeric_limits<int32_t>::min());
        toc.AddItem(numbering.Number(1), numbering.Number(2), numbering.Number(3), title,
                    static_cast<int32_t>(pageIndex));
    }
}

void TOCToCatalogText(TWolfTOCList& toc, std::vector<std::string>& lines)
{
    toc.SortByKey();
    lines.clear();
    for (int i = 0; i < toc.Count(); ++i) {
        const TWolfTOCItem& item = toc[i];
        std::string line;
        if (item.GetNumber(2) != 0) line += '\t';
        if (item.GetNumber(3) != 0) line += '\t';
        line += item.Title();
        line += Divider;
        line += std::to_string(int64_t{item.PageIndex} + 1);
        lines.push_back(std::move(line));
    }
}

std::vector<std::string> ReadCatalogFile(const std::string& path)
{
    TFileStream file(path, TFileStream::TMode::OpenRead);
    const uint64_t size = file.Size();
    if (size > MaxCatalogFileSize) RaiseWolfError("\"" + path + "\" is too large for a catalog file");
    return SplitLines(file.ReadString(size));
}

void WriteCatalogFile(const std::string& path, const std::vector<std::string>& lines)
{
    TFileStream file(path, TFileStream::TMode::Create);
    for (const std::string& line : lines) {
        file.WriteText(line);
        file.WriteText("\r\n");
    }
    file.Sync();  // a failure to write the last bytes must be reported, not lost on closing
}

}  // namespace wolf
