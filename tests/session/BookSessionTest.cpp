// The book session on real files, without a window: a rewrite lands exactly as the rewriter
// makes it and comes back on the page that was shown; a failure leaves either the book open
// and readable or the session closed.
#include "BookSamples.h"
#include "BookSession.h"
#include "uWolfReplacer.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class BookSessionTest : public testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = testbooks::WriteAll(Dir.filePath("tale.wol"), testbooks::ThreeChapterBook().Build());
    std::string Before = testbooks::ReadAll(Path);
    session::TBookSession Session;
};

TEST_F(BookSessionTest, RewritesComeBackOnTheShownPage)
{
    Session.Open(Path);
    EXPECT_EQ(Session.PageIndex(), -1);  // the cover
    int opened = 0;
    QObject::connect(&Session, &session::TBookSession::Opened, [&opened] { ++opened; });
    Session.SetPageIndex(3);

    wolf::TWolfDescription description;
    description.Assign(Session.Reader().Description);
    description.SetField(0, "A Longer Tale");
    Session.RewriteDescription(description);
    wolf::TMemoryStream source(Before), expected;
    wolf::ReplaceDescription(source, expected, description);
    EXPECT_EQ(testbooks::ReadAll(Path), expected.Data());
    EXPECT_EQ(testbooks::ReadAll(Path + ".bak"), Before);
    EXPECT_EQ(Session.Reader().Description.GetField(0), "A Longer Tale");
    EXPECT_EQ(Session.PageIndex(), 3);
    EXPECT_EQ(opened, 1);

    wolf::TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "All", 0);
    Session.RewriteTOC(toc);
    EXPECT_EQ(testbooks::ReadAll(Path + ".bak"), expected.Data());
    ASSERT_EQ(Session.Reader().TOC.Count(), 1);
    EXPECT_EQ(Session.Reader().TOC[0].Title(), "All");
    EXPECT_EQ(Session.PageIndex(), 3);
    EXPECT_EQ(Session.PageCount(), 6);
}

// Something in the way of the new file: the book stays as it was, open and readable.
TEST_F(BookSessionTest, FailedSaveKeepsTheBookOpen)
{
    Session.Open(Path);
    Session.SetPageIndex(1);
    ASSERT_TRUE(QDir().mkdir(Path + ".saving"));
    wolf::TWolfTOCList toc;
    EXPECT_ANY_THROW(Session.RewriteTOC(toc));
    EXPECT_EQ(testbooks::ReadAll(Path), Before);
    ASSERT_TRUE(Session.IsOpen());
    EXPECT_EQ(Session.PageIndex(), 1);
    EXPECT_NO_THROW(Session.PagePicture(1));
}

TEST_F(BookSessionTest, FailedOpensLeaveItClosed)
{
    int closed = 0;
    QObject::connect(&Session, &session::TBookSession::Closed, [&closed] { ++closed; });
    const QString notABook = testbooks::WriteAll(Dir.filePath("notes.wol"), std::string(200, 'x'));
    Session.Open(Path);
    EXPECT_THROW(Session.Open(notABook), wolf::EWolf);
    EXPECT_FALSE(Session.IsOpen());
    EXPECT_EQ(Session.PageCount(), 0);
    EXPECT_EQ(Session.FileName(), notABook);  // a reopen tries the same file again
    EXPECT_THROW(Session.Open(Dir.path()), wolf::EFOpenError);
    EXPECT_THROW(Session.Open(Dir.filePath("missing.wol")), wolf::EFOpenError);
    EXPECT_EQ(closed, 3);
}

}  // namespace
