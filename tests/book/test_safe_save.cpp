#include "FailingFileSystem.h"
#include "Rewrites.h"
#include "SafeSave.h"
#include "TestFiles.h"
#include "uWolfBuilder.h"
#include "uWolfReader.h"
#include "uWolfReplacer.h"
#include "uWolfWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>

#ifndef _WIN32
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace wolf;
namespace fs = std::filesystem;
using rewrites::Retitle;
using testfiles::ReadAll;
using testfiles::Utf8;
using testfiles::Utf8Path;
using testfiles::WriteAll;

namespace {

std::string BookTitled(const std::string& title)
{
    TWolfBookBuilder builder;
    TWolfDescription description;
    description.SetField(0, title);
    builder.Description = description.ToText();
    builder.AddTextPage("Once upon a time");
    return builder.Build();
}

std::string TitleOf(const std::string& path)
{
    TFileStream stream(path, TFileStream::TMode::OpenRead);
    TWolfReader reader;
    reader.Open(stream);
    return reader.Description.GetField(0);
}

#ifndef _WIN32
// The superuser writes into any folder: as root (in CI) the check runs in a child that
// has dropped to the unprivileged user "nobody".
bool AsUnprivilegedUser(const std::function<bool()>& check)
{
    if (::geteuid() != 0) return check();
    const pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t Nobody = 65534;
        if (::setgid(Nobody) != 0 || ::setuid(Nobody) != 0) ::_exit(2);
        ::_exit(check() ? 0 : 1);
    }
    int status = -1;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif

class SafeSaveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Folder = testfiles::FreshFolder("karavel_save_" +
                                        std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        Book = (Folder / "Tale.wol").string();
        WriteAll(Book, Original);
    }
    void TearDown() override
    {
        fs::permissions(Folder, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(Folder);
    }

    std::set<std::string> FolderNames() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(Folder)) names.insert(entry.path().filename().string());
        return names;
    }

    std::string ErrorOf(const TBookRewrite& rewrite, TBookFileSystem& files = SystemFileSystem())
    {
        try {
            SaveBookSafely(Book, rewrite, files);
        } catch (const std::exception& e) {
            return e.what();
        }
        return "no error";
    }

    const std::string Original = BookTitled("Original");
    fs::path Folder;
    std::string Book;
    const std::set<std::string> BookAndBackup{"Tale.wol", "Tale.wol.bak"};
};

}  // namespace

TEST_F(SafeSaveTest, KeepsThePreviousVersionAsTheOnlyBackup)
{
    fs::permissions(Book, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    SaveBookSafely(Book, Retitle("First"));
    EXPECT_EQ(TitleOf(Book), "First");
    EXPECT_EQ(ReadAll(Book + ".bak"), Original);
    EXPECT_EQ(FolderNames(), BookAndBackup);
#ifndef _WIN32
    EXPECT_EQ(fs::status(Book).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
#endif

    const std::string first = ReadAll(Book);
    SaveBookSafely(Book, Retitle("Second"));
    EXPECT_EQ(TitleOf(Book), "Second");
    EXPECT_EQ(ReadAll(Book + ".bak"), first);
    EXPECT_EQ(FolderNames(), BookAndBackup);
}

TEST_F(SafeSaveTest, AFailureAtAnyStepLeavesTheBookAsItWas)
{
    faults::TFailingFileSystem counting;
    SaveBookSafely(Book, Retitle("Counted"), counting);
    const int steps = counting.Steps();
    ASSERT_GT(steps, 6);
    const int backupSteps = 3;  // clear the pending backup, link, replace the old backup

    for (int failAt = 1; failAt <= steps; ++failAt) {
        WriteAll(Book, Original);
        WriteAll(Book + ".bak", "older backup");
        faults::TFailingFileSystem failing(failAt);
        const std::string error = ErrorOf(Retitle("Failed"), failing);
        const std::string step = counting.Log()[static_cast<size_t>(failAt - 1)];
        if (error == "no error") {  // only clearing a name the backup no longer needs may fail unnoticed
            EXPECT_EQ(step, "Remove " + Book + ".bak.saving");
            EXPECT_EQ(TitleOf(Book), "Failed");
            continue;
        }
        EXPECT_EQ(ReadAll(Book), Original) << step;
        EXPECT_EQ(FolderNames(), BookAndBackup) << step;
        if (failAt <= backupSteps) {
            EXPECT_EQ(error, "Can't rename \"" + Book + "\".\r\nWrite protected file?") << step;
            EXPECT_EQ(ReadAll(Book + ".bak"), "older backup") << step;
        } else {
            EXPECT_NE(error, "no error") << step;
            EXPECT_EQ(ReadAll(Book + ".bak"), Original) << step;
        }
    }
}

TEST_F(SafeSaveTest, ABookThatWouldNotOpenNeverReplacesTheOldOne)
{
    const std::string notABook =
        ErrorOf([](TStream&, TStream& destination) { destination.WriteText(std::string(200, 'x')); });
    EXPECT_EQ(notABook, "This is not a Wolf file");
    const std::string halfWritten = ErrorOf([](TStream& source, TStream& destination) {
        destination.CopyFrom(source, 300);
        throw EWriteError();
    });
    EXPECT_EQ(halfWritten, "Stream write error");
    EXPECT_EQ(ReadAll(Book), Original);
    EXPECT_EQ(FolderNames(), BookAndBackup);
}

TEST_F(SafeSaveTest, StaleFilesOfAKilledSaveAreReplaced)
{
    WriteAll(Book + ".saving", "stale");
    WriteAll(Book + ".bak.saving", "stale");
    SaveBookSafely(Book, Retitle("Fresh"));
    EXPECT_EQ(TitleOf(Book), "Fresh");
    EXPECT_EQ(FolderNames(), BookAndBackup);
}

TEST_F(SafeSaveTest, AMissingBookOrReadOnlyFolderEndsWithTheRenameMessage)
{
    const std::string renameMessage = "Can't rename \"" + Book + "\".\r\nWrite protected file?";
#ifndef _WIN32
    fs::permissions(Folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_TRUE(AsUnprivilegedUser([&] { return ErrorOf(Retitle("Nope")) == renameMessage; }));
    fs::permissions(Folder, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(ReadAll(Book), Original);
    EXPECT_EQ(FolderNames(), std::set<std::string>{"Tale.wol"});
#endif
    fs::remove(Book);
    EXPECT_EQ(ErrorOf(Retitle("Nope")), renameMessage);
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(SafeSaveTest, BooksInFoldersWithNonLatinNamesKeepTheirNames)
{
    const std::string folder = Utf8(Folder) + "/\xD0\x9A\xD0\xBD\xD0\xB8\xD0\xB3\xD0\xB8/\xE7\xAC\xAC\xE4\xB8\x80";
    const std::string book = folder + "/\xD0\xA1\xD0\xBA\xD0\xB0\xD0\xB7\xD0\xBA\xD0\xB0 \xE6\x95\x85\xE4\xBA\x8B.wol";
    fs::create_directories(Utf8Path(folder));
    WriteAll(Utf8Path(book), Original);

    const std::string title = "\xCE\x94\xCE\xB5\xCF\x8D\xCF\x84\xCE\xB5\xCF\x81\xCE\xBF";
    SaveBookSafely(book, Retitle(title));
    EXPECT_EQ(TitleOf(book), title);
    EXPECT_EQ(ReadAll(Utf8Path(book + ".bak")), Original);
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Utf8Path(folder))) names.insert(Utf8(entry.path().filename()));
    EXPECT_EQ(names,
              (std::set<std::string>{Utf8(Utf8Path(book).filename()), Utf8(Utf8Path(book + ".bak").filename())}));

    // Nor does a new book take the name of one that exists.
    EXPECT_THROW(
        {
            TWolfWriter writer(book, TWolfDescription(), false);
            writer.AddTextPage("new");
            writer.Finish(TWolfTOCList());
        },
        EWolf);
    EXPECT_EQ(TitleOf(book), title);
}

// A program that reads the book with the C library's usual sharing (others may read and
// write, but not delete or rename).
TEST_F(SafeSaveTest, ABookAnotherProgramReadsIsSavedOrLeftAsItWas)
{
    std::ifstream other(Utf8Path(Book), std::ios::binary);
    ASSERT_TRUE(other.good());
    const std::string error = ErrorOf(Retitle("While read"));
#ifdef _WIN32
    // Windows cannot put a new file under a name that another program holds open that way.
    EXPECT_NE(error, "no error");
    EXPECT_EQ(ReadAll(Book), Original);
#else
    EXPECT_EQ(error, "no error");
    EXPECT_EQ(TitleOf(Book), "While read");
#endif
    EXPECT_EQ(FolderNames(), BookAndBackup) << error;
    const std::string seen{std::istreambuf_iterator<char>(other), std::istreambuf_iterator<char>()};
    EXPECT_EQ(seen, Original);
    other.close();

    SaveBookSafely(Book, Retitle("After"));
    EXPECT_EQ(TitleOf(Book), "After");
    EXPECT_EQ(FolderNames(), BookAndBackup);
}

#ifndef _WIN32
TEST_F(SafeSaveTest, AKilledSaveLeavesTheCompleteBookUnderItsName)
{
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SaveBookSafely(Book, [&](TStream& source, TStream& destination) {
            destination.CopyFrom(source, 100);
            dynamic_cast<TNewFile&>(destination).Sync();
            (void)!::write(ready[1], "x", 1);
            ::pause();
        });
        ::_exit(0);
    }
    char signal = 0;
    ASSERT_EQ(::read(ready[0], &signal, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    EXPECT_EQ(ReadAll(Book), Original);
    EXPECT_EQ(ReadAll(Book + ".saving").size(), 100u);
    SaveBookSafely(Book, Retitle("After"));
    EXPECT_EQ(TitleOf(Book), "After");
    EXPECT_EQ(FolderNames(), BookAndBackup);
}
#endif
