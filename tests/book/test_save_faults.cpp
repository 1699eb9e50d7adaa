// Saving a book of a few megabytes with either rewrite while the file system fails at each
// step in turn, and while the saving process is killed at random moments: the book's name
// must always hold a complete book, and every failure must be reported.
#include "FailingFileSystem.h"
#include "Lzss.h"
#include "Rewrites.h"
#include "SafeSave.h"
#include "SavingChild.h"
#include "TestFiles.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>

using namespace wolf;
namespace fs = std::filesystem;
using rewrites::Retitle;
using rewrites::ShortenTOC;
using testfiles::ReadAll;
using testfiles::WriteAll;

namespace {

constexpr int ImagePages = 24;

// About 2.5 MB: a cover, raw and packed pictures, text pages and a three-level subcatalog.
std::string LargeBook()
{
    std::mt19937 random(7);
    auto noise = [&](size_t size) {
        std::string bytes(size, '\0');
        for (char& b : bytes) b = static_cast<char>(random());
        return bytes;
    };
    TWolfBookBuilder builder;
    TWolfDescription description;
    description.SetField(0, "Original");
    description.SetField(7, "A book large enough that saving it takes many writes.");
    builder.Description = description.ToText();
    builder.SetCover(600, 800, 2, false, noise(150 * 800));
    TWolfTOCList toc;
    for (int i = 0; i < ImagePages; ++i) {
        const int page = i % 3 == 0 ? builder.AddImagePage(600, 800, 1, true, lzss::Pack(noise(75 * 800)))
                                    : builder.AddImagePage(600, 800, 1, false, noise(75 * 800));
        builder.AddTextPage("Page " + std::to_string(i) + " &amp; more text");
        toc.AddItem(static_cast<uint8_t>(i / 4 + 1), static_cast<uint8_t>(i % 4), 0, "Entry " + std::to_string(i),
                    page);
    }
    toc.AddItem(1, 1, 1, "Detail", 1);
    builder.SetSubcatalog(toc);
    return builder.Build();
}

struct TBookState {
    int Pages = -1;
    std::string Title;
};

TBookState Open(const std::string& path)
{
    TFileStream stream(path, TFileStream::TMode::OpenRead);
    TWolfReader reader;
    reader.Open(stream);
    return {reader.Pages.Count(), reader.Description.GetField(0)};
}

class SaveFaultsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = testfiles::FreshFolder("karavel_faults_" +
                                        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        Book = (Folder / "Large.wol").string();
        WriteAll(Book, Original());
    }
    void TearDown() override { fs::remove_all(Folder); }

    static const std::string& Original()
    {
        static const std::string book = LargeBook();
        return book;
    }

    // Fails the save at every step in turn and checks what each failure leaves.
    void FailEveryStep(const TBookRewrite& rewrite)
    {
        faults::TFailingFileSystem counting;
        SaveBookSafely(Book, rewrite, counting);
        const std::vector<std::string> steps = counting.Log();
        for (const char* kind : {"LinkOrCopy ", "CreateNew ", "Write ", "Sync ", "Replace " /* the book */})
            EXPECT_TRUE(std::any_of(steps.begin(), steps.end(), [&](const std::string& s) {
                return s.rfind(kind, 0) == 0;
            })) << kind;

        int reported = 0;
        for (int failAt = 1; failAt <= static_cast<int>(steps.size()); ++failAt) {
            WriteAll(Book, Original());
            faults::TFailingFileSystem failing(failAt);
            const std::string& step = steps[static_cast<size_t>(failAt - 1)];
            try {
                SaveBookSafely(Book, rewrite, failing);
                // Only clearing a name that the finished backup no longer needs may fail unnoticed.
                EXPECT_EQ(step, "Remove " + Book + ".bak.saving");
                continue;
            } catch (const std::exception& e) {
                EXPECT_STRNE(e.what(), "") << step;
                ++reported;
            }
            ASSERT_EQ(ReadAll(Book), Original()) << "after a failure at " << step;
            EXPECT_FALSE(fs::exists(Book + ".saving")) << step;
        }
        EXPECT_GE(reported, static_cast<int>(steps.size()) - 1);
        RecordProperty("steps", static_cast<int>(steps.size()));
    }

    fs::path Folder;
    std::string Book;
};

}  // namespace

TEST_F(SaveFaultsTest, DescriptionSaveFailingAtAnyStepKeepsTheBook)
{
    FailEveryStep(Retitle("Changed"));
}

TEST_F(SaveFaultsTest, TOCSaveFailingAtAnyStepKeepsTheBook)
{
    FailEveryStep(ShortenTOC(3));
}

// A child saves the book over and over, alternating the two rewrites, and is killed after a
// random delay; the book must open every time, as the old or the new version, and the next
// save must succeed.
TEST_F(SaveFaultsTest, KilledSavesAlwaysLeaveACompleteBook)
{
    const TBookState original = Open(Book);
    const auto start = std::chrono::steady_clock::now();
    for (int n = 0; n < 3; ++n) SaveBookSafely(Book, Retitle("Timed"));
    const auto oneSave =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start) / 3;

    std::mt19937 random(2024);
    std::uniform_int_distribution<long> delay(0, 2 * oneSave.count());
    // At least 50 kills, and more until 20 of them have cut a save short: on a busy machine
    // the child may get no time to start before the kill.
    int interrupted = 0;  // rounds whose kill left a save half done
    int round = 0;
    for (; round < 50 || (interrupted < 20 && round < 400); ++round) {
        TSavingChild child(Book);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        ASSERT_TRUE(child.Kill()) << "the saving child ended by itself in round " << round;

        if (fs::exists(Book + ".saving") || fs::exists(Book + ".bak.saving")) ++interrupted;
        TBookState state;
        ASSERT_NO_THROW(state = Open(Book)) << "round " << round;
        EXPECT_EQ(state.Pages, original.Pages) << "round " << round;
        ASSERT_NO_THROW(SaveBookSafely(Book, Retitle("Recovered"))) << "round " << round;
        EXPECT_EQ(Open(Book).Title, "Recovered");
    }
    EXPECT_GE(interrupted, 20);
    RecordProperty("kills", round);
    RecordProperty("interrupted_saves", interrupted);
}
