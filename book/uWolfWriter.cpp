#include "uWolfWriter.h"

#include "CatalogBlocks.h"
#include "Lzss.h"
#include "ReplacerBlocks.h"
#include "SafeSave.h"
#include "WolfFormat.h"
#include "uWolfReader.h"

#include <filesystem>
#include <limits>

namespace wolf {

namespace {

void CheckPicture(const TGreyImage& image, int bits, bool withPixels = true)
{
    if (bits != 1 && bits != 2) RaiseWolfError("A page holds 1 or 2 bits a pixel, not " + std::to_string(bits));
    if (image.Width <= 0 || image.Height <= 0 || image.Width > MaxPageSide || image.Height > MaxPageSide ||
        int64_t{image.Width} * image.Height > MaxPagePixels)
        RaiseWolfError("A page of " + std::to_string(image.Width) + " x " + std::to_string(image.Height) +
                       " pixels cannot be shown: each side must be 1 to " + std::to_string(MaxPageSide) +
                       " pixels, and the page at most " + std::to_string(MaxPagePixels) + " pixels");
    if (withPixels && image.Pixels.size() != static_cast<size_t>(image.Width) * static_cast<size_t>(image.Height))
        RaiseWolfError("The picture holds " + std::to_string(image.Pixels.size()) + " pixels instead of " +
                       std::to_string(int64_t{image.Width} * image.Height));
}

// What EncodeImage makes, also when a caller made it otherwise.
void CheckEncoded(const TEncodedImage& image)
{
    CheckPicture(TGreyImage{image.Width, image.Height, {}}, image.BitCount, false);
    if (!image.Compact &&
        image.Data.size() != RowBytes(image.Width, image.BitCount) * static_cast<size_t>(image.Height))
        RaiseWolfError("Raw image data of " + std::to_string(image.Data.size()) + " bytes does not fit a page of " +
                       std::to_string(image.Width) + " x " + std::to_string(image.Height) + " pixels");
}

// The reader replaces these entities, ampersand last, so escaping the ampersand first gives
// every text back as it was.
std::string EscapeText(const std::string& text)
{
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '\0': RaiseWolfError("A text page must not hold a zero byte: readers end the page there");
        default: escaped += c;
        }
    }
    return escaped;
}

// A line of a value that begins with a field's tag would read back as that field.
void CheckDescription(const TWolfDescription& description)
{
    for (int field = 0; field < TWolfDescription::FieldCount; ++field) {
        const std::string value = description.GetField(field);
        if (value.find('\0') != std::string::npos)
            RaiseWolfError(std::string("The description field ") + TWolfDescription::Tags[field] +
                           " must not hold a zero byte");
        const std::vector<std::string> lines = SplitLines(value);
        for (size_t i = 1; i < lines.size(); ++i)
            for (const char* tag : TWolfDescription::Tags)
                if (lines[i].rfind(tag, 0) == 0)
                    RaiseWolfError(std::string("A line of the description field ") + TWolfDescription::Tags[field] +
                                   " begins with the tag " + tag + ", and would be read as that field");
    }
}

// Paths are UTF-8 on every system.
bool Exists(const std::string& path)
{
    std::error_code error;
    // Paths are UTF-8; a narrow std::filesystem path would be read in Windows' code page.
    const std::filesystem::path name(std::u8string(path.begin(), path.end()));
    return std::filesystem::exists(std::filesystem::symlink_status(name, error));
}

void CheckTarget(const std::string& path, bool replaceExisting)
{
    if (!replaceExisting && Exists(path)) RaiseWolfError("\"" + path + "\" exists already");
}

// Entries without a page are stored at position 0, which a reader takes for any page within
// 9 bytes of the page data's start; the first page starts behind this, and no page record is
// shorter, so that every entry finds its own page again.
constexpr size_t PageSpacing = 10;

}  // namespace

TWolfWriter::TWolfWriter(const std::string& path, const TWolfDescription& description, bool replaceExisting,
                         TBookFileSystem& files)
    : FFiles(files), FPath(path), FTempPath(SavingName(path)), FReplaceExisting(replaceExisting)
{
    CheckTarget(path, replaceExisting);
    CheckDescription(description);
    const std::string text = description.ToText();
    if (text.size() > std::numeric_limits<uint16_t>::max())
        RaiseWolfError("The description is " + std::to_string(text.size()) + " bytes long; a book holds at most " +
                       std::to_string(std::numeric_limits<uint16_t>::max()));
    FDescriptionLength = static_cast<uint16_t>(text.size());
    FBookTitle = CatalogTitle(description.GetField(TWolfDescription::Title));

    files.Remove(FTempPath);  // left by a writer that was killed
    FFile = files.CreateNew(FTempPath, path);
    try {
        const THeader placeholder = EmptyHeader();  // the real one once the sizes are known
        WriteRecord(std::string(placeholder.begin(), placeholder.end()), text, {});
    } catch (...) {
        FFile.reset();
        RemoveQuietly(files, FTempPath);
        throw;
    }
}

TWolfWriter::~TWolfWriter()
{
    if (FFinished) return;
    FFile.reset();
    RemoveQuietly(FFiles, FTempPath);
}

TEncodedImage TWolfWriter::EncodeImage(const TGreyImage& image, int bits)
{
    CheckPicture(image, bits);
    TEncodedImage encoded{image.Width, image.Height, bits, false, PackRows(image, bits)};
    std::string packed = lzss::Pack(encoded.Data);
    if (packed.size() < encoded.Data.size()) {
        encoded.Data = std::move(packed);
        encoded.Compact = true;
    }
    return encoded;
}

void TWolfWriter::SetCover(const TGreyImage& cover, int bits)
{
    SetEncodedCover(EncodeImage(cover, bits));
}

void TWolfWriter::SetEncodedCover(const TEncodedImage& cover)
{
    CheckWritable();
    if (!FPageOffsets.empty() || FCoverLength != 0) RaiseWolfError("The cover must be set once, before the first page");
    CheckEncoded(cover);
    uint8_t head[coverhead::Size] = {};
    PutU16(head + coverhead::Compact, cover.Compact ? 1 : 0);
    PutU16(head + coverhead::Width, static_cast<uint16_t>(cover.Width));
    PutU16(head + coverhead::BitCount, static_cast<uint16_t>(cover.BitCount));
    PutU16(head + coverhead::Height, static_cast<uint16_t>(cover.Height));
    WriteRecord(std::string(reinterpret_cast<const char*>(head), sizeof head), cover.Data, {});
    FCoverLength = static_cast<uint32_t>(coverhead::Size + cover.Data.size());
}

void TWolfWriter::AddImagePage(const TGreyImage& page, int bits)
{
    AddEncodedPage(EncodeImage(page, bits));
}

void TWolfWriter::AddEncodedPage(const TEncodedImage& page)
{
    CheckWritable();
    CheckEncoded(page);
    WritePage("<img width=" + std::to_string(page.Width) + " height=" + std::to_string(page.Height) +
                  " bitcount=" + std::to_string(page.BitCount) + " compact=" + (page.Compact ? "1" : "0") +
                  " length=" + std::to_string(page.Data.size()) + ">",
              page.Data, "</img>");
}

void TWolfWriter::AddTextPage(const std::string& text)
{
    CheckWritable();
    std::string record = EscapeText(text);
    // Readers trim a text page, so blanks behind it change nothing.
    if (record.size() < PageSpacing) record.resize(PageSpacing, ' ');
    WritePage({}, record, {});
}

int TWolfWriter::PageCount() const
{
    return static_cast<int>(FPageOffsets.size());
}

void TWolfWriter::CheckWritable() const
{
    if (FFinished) RaiseWolfError("The book \"" + FPath + "\" is finished already");
    if (FBroken || !FFile) RaiseWolfError("The book \"" + FPath + "\" could not be written");
}

void TWolfWriter::WritePage(const std::string& head, const std::string& data, const std::string& tail)
{
    if (FPageOffsets.empty()) WriteRecord(std::string(PageSpacing, ' '), {}, {});
    const auto offset = static_cast<uint32_t>(FPosition);
    WriteRecord(head, data, tail);
    FPageOffsets.push_back(offset);
}

// A page is one record: head, data, tail. Anything else written goes through here too, so
// that FPosition is the file's size at every moment.
void TWolfWriter::WriteRecord(const std::string& head, const std::string& data, const std::string& tail)
{
    replacer::CheckBookSize(static_cast<int64_t>(FPosition + head.size() + data.size() + tail.size()));
    try {
        FFile->WriteText(head);
        FFile->WriteText(data);
        FFile->WriteText(tail);
    } catch (...) {
        FBroken = true;
        throw;
    }
    FPosition += head.size() + data.size() + tail.size();
}

void TWolfWriter::Finish(const TWolfTOCList& toc)
{
    CheckWritable();
    try {
        if (FPageOffsets.empty()) RaiseWolfError("A book needs at least one page");
        WriteTail(toc);
        FFile->Sync();
        FFile.reset();
        CheckOpens(FFiles, FTempPath);
        CheckTarget(FPath, FReplaceExisting);
        FFiles.Replace(FTempPath, FPath);
    } catch (...) {
        FBroken = true;
        FFile.reset();
        RemoveQuietly(FFiles, FTempPath);
        throw;
    }
    FFinished = true;
}

void TWolfWriter::WriteTail(const TWolfTOCList& toc)
{
    TWolfTOCList sorted = toc;
    // Subcatalog records and their links follow this order.
    sorted.SortByDepth();
    for (int i = 0; i < sorted.Count(); ++i)
        if (sorted[i].PageIndex >= PageCount())
            RaiseWolfError("The TOC item \"" + sorted[i].Title() + "\" leads to page " +
                           std::to_string(int64_t{sorted[i].PageIndex} + 1) + ", but the book has only " +
                           std::to_string(PageCount()) + " pages");
    const uint32_t pageBase = static_cast<uint32_t>(header::Size + FDescriptionLength + FCoverLength);
    const uint64_t pageDataSize = FPosition - pageBase;
    const TCatalogLayout layout = PlanCatalog(sorted, FBookTitle, FPosition);
    const uint64_t pageTableStart = FPosition + layout.CatalogSize + layout.SubcatalogSize;
    const uint64_t entriesStart =
        pageTableStart + blocks::PageTableTag.size() + 4 * blocks::PageTableParameters + blocks::PageTableEnd.size();
    const uint64_t entriesEnd = entriesStart + 4 * FPageOffsets.size();
    replacer::CheckBookSize(static_cast<int64_t>(entriesEnd));

    const TPagePosition positionOf = [&](int32_t pageIndex) {
        return pageIndex < 0 ? 0u : FPageOffsets[static_cast<size_t>(pageIndex)] - pageBase;
    };
    WriteCatalog(*FFile, sorted, FBookTitle, positionOf);
    if (!sorted.Empty()) WriteSubcatalog(*FFile, sorted, static_cast<uint32_t>(layout.SubcatalogOffset), positionOf);

    std::string parameters;
    AppendU32(parameters, static_cast<uint32_t>(entriesStart));
    AppendU32(parameters, static_cast<uint32_t>(entriesEnd));
    for (size_t i = 2; i < blocks::PageTableParameters; ++i) AppendU32(parameters, blocks::NoOffset);
    FFile->WriteText(blocks::PageTableTag + parameters + blocks::PageTableEnd);
    std::string entries;
    constexpr size_t EntriesAtOnce = 16 * 1024;
    for (size_t i = 0; i < FPageOffsets.size(); ++i) {
        AppendU32(entries, FPageOffsets[i]);
        if (entries.size() >= 4 * EntriesAtOnce || i + 1 == FPageOffsets.size()) {
            FFile->WriteText(entries);
            entries.clear();
        }
    }

    THeader head = EmptyHeader();
    PutU16(&head[header::DescriptionLength], FDescriptionLength);
    PutU32(&head[header::CoverLength], FCoverLength);
    PutU32(&head[header::CatalogSize], static_cast<uint32_t>(layout.CatalogSize + layout.SubcatalogSize));
    PutU16(&head[header::Level1Count], static_cast<uint16_t>(layout.Level1Count));
    PutU32(&head[header::PageDataSize], static_cast<uint32_t>(pageDataSize));
    PutU32(&head[header::PageTableSize], static_cast<uint32_t>(entriesEnd - pageTableStart));
    PutU16(&head[header::SubLevelCount], static_cast<uint16_t>(layout.SubLevelCount));
    PutU32(&head[header::SubcatalogOffset], static_cast<uint32_t>(layout.SubcatalogOffset));
    FFile->Seek(0, TSeekOrigin::Begin);
    FFile->WriteBuffer(head.data(), head.size());
}

}  // namespace wolf
