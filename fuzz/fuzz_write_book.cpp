// Writes a book from pages, titles and a table of contents taken from any bytes, into memory.
// The writer may refuse what the format cannot hold, and then leaves no file; a book it
// finishes must open with the same description, pages and table of contents.
#include "FuzzChecks.h"
#include "MemoryFiles.h"
#include "uWolfReader.h"
#include "uWolfWriter.h"

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

using namespace wolf;

namespace {

const std::string BookPath = "fuzz-book.wol";

// Takes the input a piece at a time; zeros once it is used up.
class TInput {
public:
    TInput(const uint8_t* data, size_t size) : FData(data), FSize(size) {}
    uint8_t Byte() { return FPos < FSize ? FData[FPos++] : 0; }
    int Below(int limit) { return Byte() % limit; }
    std::string Text(size_t maxLength)
    {
        const size_t length = std::min<size_t>(Byte() % (maxLength + 1), FSize - std::min(FPos, FSize));
        std::string text(reinterpret_cast<const char*>(FData + FPos), length);
        FPos += length;
        return text;
    }

private:
    const uint8_t* FData;
    size_t FSize;
    size_t FPos = 0;
};

// Pixels on the levels of the bit count, repeating a short pattern so that some pages pack.
TGreyImage Picture(TInput& input, int bits)
{
    TGreyImage image;
    image.Width = 1 + input.Below(40);
    image.Height = 1 + input.Below(24);
    const std::string pattern = input.Text(16) + "x";
    for (int i = 0; i < image.Width * image.Height; ++i) {
        const auto level = static_cast<uint8_t>(pattern[static_cast<size_t>(i) % pattern.size()]) % 4;
        image.Pixels.push_back(bits == 2 ? GreyLevels[level] : GreyLevels[level < 2 ? 0 : 3]);
    }
    return image;
}

struct TPage {
    bool Text = false;
    std::string Content;  // a text page's text
    int Bits = 0;
    TGreyImage Image;
};

std::vector<std::tuple<uint32_t, std::string, int32_t>> Entries(const TWolfTOCList& toc)
{
    std::vector<std::tuple<uint32_t, std::string, int32_t>> entries;
    for (int i = 0; i < toc.Count(); ++i) entries.emplace_back(toc[i].Key(), toc[i].Title(), toc[i].PageIndex);
    std::sort(entries.begin(), entries.end());
    return entries;
}

void CheckReadsBack(const std::string& book, const TWolfDescription& description, const std::vector<TPage>& pages,
                    const TWolfTOCList& toc, const TGreyImage* cover)
{
    TMemoryStream stream(book);
    TWolfReader reader;
    reader.Open(stream);
    TWolfDescription expected;
    expected.FromText(description.ToText());
    for (int i = 0; i < TWolfDescription::FieldCount; ++i)
        FUZZ_CHECK(reader.Description.GetField(i) == expected.GetField(i));
    TGreyImage decoded;
    FUZZ_CHECK(reader.HasCover() == (cover != nullptr));
    if (cover) {
        reader.DecodePage(stream, reader.Cover, decoded);
        FUZZ_CHECK(decoded.Pixels == cover->Pixels);
    }
    FUZZ_CHECK(reader.Pages.Count() == static_cast<int>(pages.size()));
    for (size_t i = 0; i < pages.size(); ++i) {
        TWolfPageItem& page = reader.Pages[static_cast<int>(i)];
        if (pages[i].Text) {
            FUZZ_CHECK(page.IsText());
            std::vector<std::string> lines;
            reader.ReadTextPage(stream, page, lines);
            FUZZ_CHECK(lines == SplitLines(Trim(pages[i].Content)));
        } else {
            reader.DecodePage(stream, page, decoded);
            FUZZ_CHECK(decoded.Width == pages[i].Image.Width && decoded.Pixels == pages[i].Image.Pixels);
        }
    }
    FUZZ_CHECK(Entries(reader.TOC) == Entries(toc));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TInput input(data, size);
    TWolfDescription description;
    for (int fields = input.Below(4); fields >= 0; --fields)
        description.SetField(input.Below(TWolfDescription::FieldCount), input.Text(48));
    const bool withCover = input.Below(2) == 1;
    const TGreyImage cover = Picture(input, 1);
    std::vector<TPage> pages(static_cast<size_t>(input.Below(12)));
    for (TPage& page : pages) {
        page.Text = input.Below(3) == 0;
        if (page.Text)
            page.Content = input.Text(40);
        else
            page.Image = Picture(input, page.Bits = 1 + input.Below(2));
    }
    TWolfTOCList toc;
    for (int entries = input.Below(8); entries > 0; --entries) {
        const auto n1 = static_cast<uint8_t>(input.Below(4));
        const auto n2 = static_cast<uint8_t>(input.Below(3));
        const auto n3 = static_cast<uint8_t>(input.Below(3));
        toc.AddItem(n1, n2, n3, input.Text(48), input.Below(static_cast<int>(pages.size()) + 1) - 1);
    }

    fuzz::TMemoryFiles files;
    try {
        TWolfWriter writer(BookPath, description, true, files);
        if (withCover) writer.SetCover(cover, 1);
        for (const TPage& page : pages) {
            if (page.Text)
                writer.AddTextPage(page.Content);
            else
                writer.AddImagePage(page.Image, page.Bits);
        }
        FUZZ_CHECK(writer.PageCount() == static_cast<int>(pages.size()));
        writer.Finish(toc);
    } catch (const EWolf&) {
        FUZZ_CHECK(files.Files.empty());  // refused: nothing left behind
        return 0;
    }
    FUZZ_CHECK(files.Files.size() == 1);
    CheckReadsBack(files.Files.at(BookPath), description, pages, toc, withCover ? &cover : nullptr);
    return 0;
}
