// Writes small seed inputs for the fuzz targets: wolf_fuzz_seeds <folder>
// creates <folder>/book, <folder>/description, <folder>/catalog and <folder>/write.
#include "Lzss.h"
#include "uWolfBuilder.h"
#include "uWolfDefs.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace wolf;
namespace fs = std::filesystem;

namespace {

void WriteSeed(const fs::path& folder, const std::string& name, const std::string& bytes)
{
    fs::create_directories(folder);
    std::ofstream out(folder / name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + (folder / name).string());
}

// A 1-bit picture with a diagonal stripe, so that packing finds both literals and matches.
std::string StripedRows(int width, int height, int bitCount)
{
    const int rowBytes = (width * bitCount + 7) / 8;
    std::string rows;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < rowBytes; ++x) rows += static_cast<char>(x == y % rowBytes ? 0x0F : 0x00);
    return rows;
}

TWolfTOCList TwoChaptersWithSections()
{
    TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "Chapter One", 0);
    toc.AddItem(1, 1, 0, "Section 1.1", 1);
    toc.AddItem(1, 1, 1, "Detail 1.1.1", 1);
    toc.AddItem(2, 0, 0, "A chapter title long enough not to fit the forty-byte record", 2);
    toc.AddItem(2, 1, 0, "Section 2.1", -1);
    return toc;
}

std::vector<std::pair<std::string, std::string>> Books()
{
    std::vector<std::pair<std::string, std::string>> books;

    TWolfBookBuilder text;
    text.Description = "<title>Tale\r\n<author>Someone\r\n";
    text.AddTextPage("First page &amp;lt; &quot;quoted&quot;\r\nsecond line");
    text.AddTextPage("Second page</catalog>hidden");
    text.Catalog = {{"Only", 0}};
    books.emplace_back("text_catalog_only", text.Build());

    TWolfBookBuilder images;
    TWolfDescription description;
    description.SetField(TWolfDescription::Title, "Pictures");
    description.SetField(TWolfDescription::Introduction, "An introduction\r\nover two lines");
    images.Description = description.ToText();
    images.SetCover(16, 4, 2, true, lzss::Pack(StripedRows(16, 4, 2)));
    images.AddImagePage(24, 6, 1, false, StripedRows(24, 6, 1));
    images.AddImagePage(24, 6, 1, true, lzss::Pack(StripedRows(24, 6, 1)));
    images.AddImagePage(10, 3, 2, false, StripedRows(10, 3, 2), false);
    images.AddTextPage("closing words");
    images.Catalog = {{"Chapter One", 0}, {"Chapter Two", 2}};
    images.SetSubcatalog(TwoChaptersWithSections());
    books.emplace_back("images_subcatalog", images.Build());

    TWolfBookBuilder longEntries = images;
    longEntries.ShortEntries = false;
    longEntries.SetSubcatalog(TwoChaptersWithSections(), false);
    longEntries.SetEntryOrder({3, 1, 1, 0, 2});
    longEntries.AddRawEntry(0);
    books.emplace_back("long_entries_no_filler", longEntries.Build());

    TWolfBookBuilder odd;
    odd.Magic = "wolfebook2";
    odd.AddTaggedPage("IMG width=8 height=2 bitcount=1 compact=0 length=2 other=5", "\xF0\x0F");
    odd.AddTaggedPage("image width=8", "x");
    odd.AddTaggedPage("img width=4 height=4 bitcount=3 compact=1 length=3",
                      "\xFF"
                      "abc");
    odd.SetRawCover(std::string("\x01\x00\x08\x00", 4));
    books.emplace_back("odd_records", odd.Build());

    TWolfBookBuilder empty;
    books.emplace_back("no_pages", empty.Build());
    return books;
}

std::vector<std::pair<std::string, std::string>> Descriptions()
{
    TWolfDescription full;
    for (int i = 0; i < TWolfDescription::FieldCount; ++i) full.SetField(i, "value " + std::to_string(i));
    return {
        {"full", full.ToText()},
        {"reordered", "<ISBN>123\r\nforeign line\r\n<title>  Spaced  \r\n<introduction>one\ntwo\rthree\r\n"},
        {"nul_inside", std::string("<author>a\0<title>b", 18)},
    };
}

std::vector<std::pair<std::string, std::string>> Catalogs()
{
    return {
        {"three_levels", "Intro... ...1\r\n\tSetup ... ... 12\r\n\t\tDetail... ...3\r\nNotes... ...abc\r\n"},
        {"blank_lines", "\r\n... ...3\n\nChapter... ...-4\r\n  \tSpaced... ...0x1F\r\n"},
        {"bad_level", "Intro... ...1\n\t\t\tDeep... ...3\n"},
        {"no_divider", "Chapter 3\r\n"},
    };
}

// Inputs of the writer's fuzz target: description fields, pages, then table-of-contents entries.
std::vector<std::pair<std::string, std::string>> Writes()
{
    using namespace std::string_literals;
    return {
        {"one_text_page", "\x00\x00\x05Title\x00\x00\x00\x01\x00\x0bHello &<> x"s},
        {"pictures_and_toc",
         "\x01\x00\x04"
         "Book\x02\x06"
         "Author\x01\x07\x05\x03\x01\x04"
         "\x05\x01\x09\x07\x04"
         "abcd\x01\x03\x03\x02\x05\x06\x02"
         "aa\x00\x04text"
         "\x04\x01\x00\x00\x05One\x01\x01\x01\x00\x04Sub\x02\x01\x01\x01\x04"
         "Deep\x03"s},
        {"no_pages", "\x00\x00\x02Hi\x00\x00\x00\x00\x00\x02"s},
    };
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: wolf_fuzz_seeds <folder>\n";
        return 2;
    }
    try {
        const fs::path root = argv[1];
        for (const auto& [name, bytes] : Books()) WriteSeed(root / "book", name + ".wol", bytes);
        for (const auto& [name, bytes] : Descriptions()) WriteSeed(root / "description", name + ".txt", bytes);
        for (const auto& [name, bytes] : Catalogs()) WriteSeed(root / "catalog", name + ".cat", bytes);
        for (const auto& [name, bytes] : Writes()) WriteSeed(root / "write", name + ".bin", bytes);
    } catch (const std::exception& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}
