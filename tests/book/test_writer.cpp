// Books made by the writer open in the reader with the same pages, description and table of
// contents; a failure at any step leaves nothing under the book's name or beside it.
#include "FailingFileSystem.h"
#include "SafeSave.h"
#include "TestFiles.h"
#include "uWolfReader.h"
#include "uWolfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

using namespace wolf;
namespace fs = std::filesystem;

namespace {

struct TTempFolder {
    fs::path Path;
    explicit TTempFolder(const std::string& name)
        : Path(fs::temp_directory_path() /
               (name + "_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                std::to_string(reinterpret_cast<uintptr_t>(this))))
    {
        fs::remove_all(Path);
        fs::create_directories(Path);
    }
    ~TTempFolder() { fs::remove_all(Path); }
    std::vector<std::string> Files() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(Path)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

// Noise packs badly (stored raw), stripes well (stored packed).
TGreyImage Picture(int width, int height, int bits, bool noisy, std::mt19937& random)
{
    TGreyImage image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height)};
    for (size_t i = 0; i < image.Pixels.size(); ++i) {
        const unsigned level = noisy ? random() % 4 : (i / static_cast<size_t>(width) / 3) % 4;
        image.Pixels[i] = bits == 2 ? GreyLevels[level] : (level < 2 ? 0 : 255);
    }
    return image;
}

TWolfDescription Description(const std::string& title)
{
    TWolfDescription description;
    description.SetField(0, title);
    description.SetField(2, "An Author");
    description.SetField(6, "2026-12-08");
    description.SetField(7, "Two lines\r\nof introduction");
    return description;
}

std::vector<std::string> Lines(TWolfReader& reader, TStream& stream, int page)
{
    std::vector<std::string> lines;
    reader.ReadTextPage(stream, reader.Pages[page], lines);
    return lines;
}

}  // namespace

TEST(WriterTest, BookReadsBackWithItsPagesDescriptionAndContents)
{
    TTempFolder folder("karavel_writer_roundtrip");
    const std::string path = (folder.Path / "book.wol").string();
    std::mt19937 random(3);
    std::vector<TGreyImage> pictures;
    std::vector<int> bits;
    const std::string text = "<b>Fish & Chips</b> &amp; \"quotes\" 'n' &lt;\r\nsecond line";
    const TGreyImage cover = Picture(30, 40, 1, false, random);
    TWolfTOCList toc;
    {
        TWolfWriter writer(path, Description("Round Trip"), false);
        writer.SetCover(cover, 1);
        for (int i = 0; i < 1100; ++i) {
            if (i % 50 == 7) {
                writer.AddTextPage(i == 7 ? text : "x");
                continue;
            }
            bits.push_back(i % 3 == 0 ? 1 : 2);
            pictures.push_back(Picture(13 + i % 20, 9 + i % 7, bits.back(), i % 2 == 0, random));
            writer.AddImagePage(pictures.back(), bits.back());
        }
        EXPECT_EQ(writer.PageCount(), 1100);
        toc.AddItem(1, 0, 0, "Chapter One", 0);
        toc.AddItem(1, 1, 0, "Section 1.1", 7);
        toc.AddItem(1, 1, 1, "Subsection 1.1.1 with a title longer than forty bytes", 8);
        toc.AddItem(1, 1, 2, "No page", -1);
        toc.AddItem(2, 0, 0, "Chapter Two", 1099);
        toc.AddItem(1, 2, 0, "Section 1.2", 57);
        writer.Finish(toc);
    }
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"book.wol"});

    TFileStream stream(path, TFileStream::TMode::OpenRead);
    TWolfReader reader;
    ASSERT_TRUE(reader.Open(stream));
    for (int field = 0; field < TWolfDescription::FieldCount; ++field)
        EXPECT_EQ(reader.Description.GetField(field), Description("Round Trip").GetField(field));
    TGreyImage image;
    reader.DecodePage(stream, reader.Cover, image);
    EXPECT_EQ(image.Pixels, cover.Pixels);

    ASSERT_EQ(reader.Pages.Count(), 1100);
    bool sawRaw = false, sawPacked = false;
    for (int i = 0, picture = 0; i < reader.Pages.Count(); ++i) {
        if (i % 50 == 7) {
            ASSERT_TRUE(reader.Pages[i].IsText()) << i;
            EXPECT_EQ(Lines(reader, stream, i),
                      (i == 7 ? std::vector<std::string>{"<b>Fish & Chips</b> &amp; \"quotes\" 'n' &lt;", "second line"}
                              : std::vector<std::string>{"x"}));
            continue;
        }
        reader.DecodePage(stream, reader.Pages[i], image);
        const TGreyImage& expected = pictures[static_cast<size_t>(picture)];
        ASSERT_EQ(reader.Pages[i].BitCount, bits[static_cast<size_t>(picture++)]) << i;
        ASSERT_EQ(image.Width, expected.Width);
        ASSERT_EQ(image.Pixels, expected.Pixels) << "page " << i;
        (reader.Pages[i].Compact ? sawPacked : sawRaw) = true;
    }
    EXPECT_TRUE(sawRaw && sawPacked);

    toc.SortByKey();
    ASSERT_EQ(reader.TOC.Count(), toc.Count());
    for (int i = 0; i < toc.Count(); ++i) {
        EXPECT_EQ(reader.TOC[i].Key(), toc[i].Key());
        EXPECT_EQ(reader.TOC[i].Title(), toc[i].Title());
        EXPECT_EQ(reader.TOC[i].PageIndex, toc[i].PageIndex) << toc[i].Title();
    }
}

TEST(WriterTest, EmptyContentsReadBackEmptyAndTinyTextPagesStayApart)
{
    TTempFolder folder("karavel_writer_empty");
    const std::string path = (folder.Path / "plain.wol").string();
    {
        TWolfWriter writer(path, Description("Plain </item> title"), false);
        writer.AddTextPage("");
        writer.AddTextPage("a");
        writer.Finish({});
    }
    TFileStream stream(path, TFileStream::TMode::OpenRead);
    TWolfReader reader;
    EXPECT_FALSE(reader.Open(stream));
    EXPECT_TRUE(reader.TOC.Empty());
    ASSERT_EQ(reader.Pages.Count(), 2);
    EXPECT_TRUE(Lines(reader, stream, 0).empty());
    EXPECT_EQ(Lines(reader, stream, 1), std::vector<std::string>{"a"});
}

TEST(WriterTest, RefusalsAndFailuresLeaveNothingBehind)
{
    TTempFolder folder("karavel_writer_failures");
    const std::string path = (folder.Path / "book.wol").string();
    testfiles::WriteAll(path, "precious");
    EXPECT_THROW(TWolfWriter(path, Description("T"), false), EWolf);

    TGreyImage grey{2, 1, {0, 100}};
    TWolfTOCList beyond;
    beyond.AddItem(1, 0, 0, "Too far", 1);
    {
        TWolfWriter writer(path, Description("T"), true);
        EXPECT_THROW(writer.AddImagePage(grey, 2), EWolf);  // 100 is no grey level
        EXPECT_THROW(writer.AddImagePage(TGreyImage{2, 1, {0, 128}}, 1), EWolf);
        writer.AddImagePage(TGreyImage{2, 1, {0, 128}}, 2);              // a refused page spoils nothing
        EXPECT_THROW(writer.SetCover(TGreyImage{1, 1, {0}}, 1), EWolf);  // after the first page
        EXPECT_THROW(writer.Finish(beyond), EWolf);
    }
    {
        TWolfWriter abandoned(path, Description("T"), true);
    }
    EXPECT_EQ(folder.Files(), std::vector<std::string>{"book.wol"});
    EXPECT_EQ(testfiles::ReadAll(path), "precious");

    // Every step of a save failing in turn, until the save that fails nowhere.
    const TGreyImage page{2, 1, {0, 255}};
    for (int failAt = 1;; ++failAt) {
        faults::TFailingFileSystem files(failAt);
        bool failed = false;
        try {
            TWolfWriter writer(path, Description("Replaced"), true, files);
            writer.AddImagePage(page, 1);
            writer.AddTextPage("text");
            writer.Finish({});
        } catch (const std::exception&) {
            failed = true;
        }
        ASSERT_EQ(folder.Files(), std::vector<std::string>{"book.wol"}) << "failing at step " << failAt;
        if (!failed) break;
        ASSERT_EQ(testfiles::ReadAll(path), "precious") << "failing at step " << failAt;
    }
    TFileStream stream(path, TFileStream::TMode::OpenRead);
    TWolfReader reader;
    reader.Open(stream);
    EXPECT_EQ(reader.Description.GetField(0), "Replaced");
    EXPECT_EQ(reader.Pages.Count(), 2);
}

// Books made before and after a change to the packing hold the same bytes: a page like the
// maker's (lines of print, a dithered picture, white margins, an odd width) and its 1-bit twin.
TEST(WriterTest, EncodedPagesKeepTheirBytes)
{
    TGreyImage page{601, 800, std::vector<uint8_t>(601 * 800, 255)};
    uint32_t noise = 7;
    for (int y = 40; y < 760; ++y)
        for (int x = 30; x < 571; ++x) {
            noise = noise * 1103515245u + 12345u;
            const bool print = y < 500 && y % 24 < 14 && (x / 9 + y / 24) % 7 != 0 && (noise >> 16) % 5 != 0;
            const bool picture = y >= 520 && (noise >> 16) % 4 < static_cast<unsigned>(1 + x % 3);
            if (print || picture) page.Pixels[static_cast<size_t>(y) * 601 + x] = GreyLevels[(noise >> 24) % 3];
        }
    const auto fingerprint = [](const TEncodedImage& encoded) {
        uint64_t hash = 14695981039346656037u;  // FNV-1a
        for (char c : encoded.Data) hash = (hash ^ static_cast<uint8_t>(c)) * 1099511628211u;
        return std::to_string(encoded.Data.size()) + (encoded.Compact ? " packed " : " raw ") + std::to_string(hash);
    };
    EXPECT_EQ(fingerprint(TWolfWriter::EncodeImage(page, 2)), "81709 packed 17854515845469846764");
    for (uint8_t& pixel : page.Pixels) pixel = pixel < 160 ? 0 : 255;
    EXPECT_EQ(fingerprint(TWolfWriter::EncodeImage(page, 1)), "42007 packed 13270249353734906396");
    // Values between the levels are refused wherever they stand; 64 has the bits of no level.
    for (const auto& [value, bits] : {std::pair{64, 2}, std::pair{127, 2}, std::pair{128, 1}, std::pair{254, 1}}) {
        TGreyImage wrong = page;
        wrong.Pixels[3 * 601 + 9] = static_cast<uint8_t>(value);
        EXPECT_THROW(TWolfWriter::EncodeImage(wrong, bits), EWolf) << value;
    }
}
