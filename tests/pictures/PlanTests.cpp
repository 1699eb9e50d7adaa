// The declarations every front end reads, and the plan both front ends make a book from.
#include "BookPlan.h"
#include "ConversionJob.h"
#include "FileSystemPath.h"
#include "MakeFailure.h"
#include "OptionDeclarations.h"
#include "uWolfReader.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace making;

// A new option's entry must survive its own round trips, or the window, the settings and the
// command line would disagree about it.
TEST(OptionDeclarations, EveryValueSurvivesTheSettingsAndTheCommandLine)
{
    for (const TOptionDeclaration& option : OptionDeclarations()) {
        SCOPED_TRACE(option.Name);
        ASSERT_TRUE(option.Get && option.Set);
        EXPECT_EQ(bool(option.Accepts), option.Hint != nullptr) << "a refused value needs words saying what to give";
        const QVariant value = DefaultValue(option);
        if (option.SettingsKey) {
            EXPECT_EQ(StoredValue(option, StoredText(option, value)), value);
        }
        if (option.Kind != TOptionKind::Switch || !option.Choices.empty()) {
            EXPECT_EQ(ParseOptionValue(option, OptionValueText(option, value)), value);
        }
        for (size_t i = 0; i < option.Choices.size(); ++i) {
            const QVariant choice = option.Kind == TOptionKind::Switch ? QVariant(i == 1) : QVariant(int(i));
            TMakeOptions options;
            option.Set(options, choice);
            EXPECT_EQ(option.Get(options), choice);
            EXPECT_EQ(StoredValue(option, StoredText(option, choice)), choice);
        }
    }
    const auto gamma = std::find_if(OptionDeclarations().begin(), OptionDeclarations().end(),
                                    [](const TOptionDeclaration& o) { return o.Name == std::string("gamma"); });
    EXPECT_EQ(StoredValue(*gamma, QStringLiteral("5")).toDouble(), 0.1) << "hand-edited values are held to the range";
    EXPECT_EQ(StoredValue(*gamma, QStringLiteral("abc")).toDouble(), 1.0);
    EXPECT_FALSE(ParseOptionValue(*gamma, QStringLiteral("11")));
}

class PlanTest : public ::testing::Test {
protected:
    QString Picture(const QString& name, QSize size = QSize(300, 400))
    {
        QImage picture(size, QImage::Format_Grayscale8);
        picture.fill(200);
        const QString path = Dir.filePath(name);
        EXPECT_TRUE(picture.save(path));
        return path;
    }
    QTemporaryDir Dir;
};

TEST_F(PlanTest, UserFieldsReplaceTheSourcesAndLongFieldsAreCutBetweenCharacters)
{
    TPlanRequest request;
    request.Sources = {Picture(QStringLiteral("First Scan.png")), Picture(QStringLiteral("second.png"))};
    TBookPlan plan = MakePlan(request);
    EXPECT_EQ(plan.DescriptionTexts[wolf::TWolfDescription::Title], QStringLiteral("First Scan"));

    // 50 characters of three bytes each: the title keeps 128 bytes, so 42 whole characters.
    request.Description[wolf::TWolfDescription::Title] = QString(50, QChar(0x66F8));
    request.Description[wolf::TWolfDescription::Introduction] = QStringLiteral("one\ntwo");
    plan = MakePlan(request);
    const std::string title = plan.Description.GetField(wolf::TWolfDescription::Title);
    EXPECT_EQ(QString::fromStdString(title), QString(42, QChar(0x66F8)));
    EXPECT_EQ(plan.Description.GetField(wolf::TWolfDescription::Introduction), "one\r\ntwo");
}

TEST_F(PlanTest, ContentsNameSourcePagesThatTheJobTurnsIntoBookPages)
{
    QDir(Dir.path()).mkpath(QStringLiteral("scans/one"));
    QDir(Dir.path()).mkpath(QStringLiteral("scans/two"));
    Picture(QStringLiteral("scans/one/a.png"), QSize(800, 400));  // a spread: two book pages
    Picture(QStringLiteral("scans/two/b.png"));
    TPlanRequest request;
    request.Sources = {Dir.filePath(QStringLiteral("scans"))};
    request.OutputPath = Dir.filePath(QStringLiteral("book.wol"));
    const TBookPlan plan = MakePlan(request);
    ASSERT_TRUE(plan.Contents.BySourcePage);
    ASSERT_EQ(plan.Contents.Entries.Count(), 2);
    EXPECT_EQ(plan.Contents.Entries[1].PageIndex, 1);
    const std::atomic_bool cancel{false};
    EXPECT_EQ(MakeBook(plan, {}, cancel).PageCount, 3);
    wolf::TFileStream book(platform::FileSystemPath(plan.OutputPath), wolf::TFileStream::TMode::OpenRead);
    wolf::TWolfReader reader;
    reader.Open(book);
    ASSERT_EQ(reader.TOC.Count(), 2);
    EXPECT_EQ(reader.TOC[1].PageIndex, 2) << "after the spread's two halves";
    EXPECT_THROW(MakeBook(plan, {}, cancel), EOutputExists);
}

}  // namespace
