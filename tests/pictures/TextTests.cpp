// Text files as pages: their encodings found or named, pages filled and broken between
// characters, and chapters found in their headings.
#include "BookEncoding.h"
#include "MakeFailure.h"
#include "TextChapters.h"
#include "TextColumns.h"
#include "TextDecoding.h"
#include "TextEncodings.h"
#include "TextSource.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace making;

const QString Chinese = QStringLiteral(
    "第一章 风起\n天色已晚，他走进了那座古老的城。夜里风很大，窗外的树叶哗哗作响。他想起了很多年前的事情，"
    "那时他还年轻，每天早上都会看到太阳从东方升起。\n");
const QString Russian = QStringLiteral(
    "Глава 1\nБыл тёмный вечер, и дождь стучал по крыше старого дома. Он сидел у окна и думал о прошлом, "
    "о друзьях и о том, что ждёт его завтра.\n");

QByteArray Encoded(const char* encoding, const QString& text)
{
    const std::optional<std::string> bytes = platform::TBookEncoding(encoding).Encode(text);
    EXPECT_TRUE(bytes) << encoding;
    return QByteArray::fromStdString(bytes.value_or(std::string()));
}

QString FailureOf(const QByteArray& bytes, const QString& encoding)
{
    try {
        DecodeTextFile(bytes, QStringLiteral("story.txt"), encoding);
    } catch (const EMakeFailure& failure) {
        return QString::fromUtf8(failure.what());
    }
    return {};
}

TEST(TextDecoding, MarksValidUtf8AndTheGuessReadEachEncoding)
{
    const QByteArray utf16(reinterpret_cast<const char*>(Russian.utf16()), Russian.size() * 2);
    const std::vector<std::pair<const char*, QByteArray>> files{
        {"Chinese", Encoded(testbooks::ChineseEncoding(), Chinese)},
        {"windows-1251", Encoded("windows-1251", Russian)},
        {"UTF-8", (Chinese + Russian).toUtf8()},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + Russian.toUtf8()},
        {"UTF-16LE with its mark", "\xFF\xFE" + utf16},
        {"UTF-16LE without a mark", utf16},
        {"UTF-8 from DOS", Russian.toUtf8() + "\x1A"},
    };
    for (const auto& [kind, bytes] : files) {
        const QString text = DecodeTextFile(bytes, QStringLiteral("story.txt"), QString());
        EXPECT_TRUE(text == Chinese || text == Russian || text == Chinese + Russian) << kind;
    }
}

TEST(TextDecoding, NamedEncodingsOverrideAndUnrecognisedFilesAreRefused)
{
    const QByteArray cp1251 = Encoded("windows-1251", Russian);
    EXPECT_EQ(DecodeTextFile(cp1251, QStringLiteral("story.txt"), QStringLiteral("KOI8-R")),
              platform::TBookEncoding("KOI8-R").Decode(cp1251.toStdString()));
    // A mark is not a guess: it decides.
    EXPECT_EQ(DecodeTextFile("\xEF\xBB\xBF" + Russian.toUtf8(), QStringLiteral("story.txt"), QStringLiteral("KOI8-R")),
              Russian);
    EXPECT_EQ(DecodeTextFile(QByteArray("a\0b", 3), QStringLiteral("story.txt"), QStringLiteral("latin1")), "ab")
        << "a text page cannot hold a zero";
    EXPECT_TRUE(FailureOf(cp1251, QStringLiteral("no-such-code")).contains(QLatin1String("\"no-such-code\"")));
    EXPECT_FALSE(IsTextEncodingChoice(QStringLiteral("no-such-code")));
    EXPECT_TRUE(IsTextEncodingChoice(QStringLiteral("utf-16be")) && IsTextEncodingChoice(QString()));

    // Control characters come out of every encoding tried.
    QByteArray binary;
    for (int i = 0; i < 200; ++i)
        binary += QByteArray::fromStdString({char(1 + i % 7), '\0', char(0x80 + i % 90), '\1'});
    const QString refused = FailureOf(binary, QString());
    EXPECT_TRUE(
        refused.startsWith(QLatin1String("The text file \"story.txt\" is in an encoding that was not recognised "
                                         "(tried UTF-8, UTF-16LE")))
        << refused.toStdString();
    EXPECT_EQ(FailureOf(binary, QStringLiteral("UTF-8")), QString()) << "the user's word is taken";
}

// Walks the pages of text without spaces: each fits, is filled unless a chapter or the text
// ends, and never cuts a character, a pair of surrogates or a letter from its marks.
TEST(TextPages, TextWithoutSpacesFillsPagesAndBreaksBetweenCharacters)
{
    QString paragraph;
    for (int i = 0; i < 60; ++i) paragraph += QStringLiteral("天色已晚，他走进了𠀀城。「好」e\u0301");
    const QString text = QStringLiteral("第一章\n") + paragraph + QStringLiteral("\n第二章\n短。");
    const qsizetype second = text.indexOf(QStringLiteral("第二章"));
    const TTextPages pages = SplitText(text, 200, {0, second});
    ASSERT_GT(pages.Pages.size(), 5);
    EXPECT_TRUE(pages.Pages[0].startsWith(QStringLiteral("第一章\n天色")));
    EXPECT_EQ(pages.Pages.back(), QStringLiteral("第二章\n短。"));
    QString joined;
    for (qsizetype i = 0; i < pages.Pages.size(); ++i) {
        const QString& page = pages.Pages[i];
        SCOPED_TRACE(page.toStdString());
        EXPECT_LE(TextColumns(page), 200);
        if (i + 2 < pages.Pages.size()) {
            EXPECT_GE(TextColumns(page), 190);
        }
        EXPECT_FALSE(page.back().isHighSurrogate() || page.front().isLowSurrogate());
        EXPECT_NE(page.front(), QChar(0x301));
        EXPECT_FALSE(QStringView(u"，。」").contains(page.front())) << "closing marks stay with what they close";
        EXPECT_EQ(text.mid(pages.Starts[size_t(i)], page.size()), page);
        joined += page;
    }
    EXPECT_EQ(joined, QString(text).remove(second - 1, 1)) << "pages break only inside the paragraph";
}

std::vector<std::pair<int, QString>> Headings(const QString& text, const QString& rule = QString())
{
    std::vector<std::pair<int, QString>> found;
    for (const TTextHeading& heading : FindTextHeadings(text, ParseChapterRule(rule).value()))
        found.emplace_back(heading.Level, heading.Title);
    return found;
}

TEST(TextChapters, UsualHeadingsOfThreeLanguagesAtRelativeLevels)
{
    using H = std::vector<std::pair<int, QString>>;
    EXPECT_EQ(
        Headings(QStringLiteral("第一卷　天下\n第一章 风起\n文。\n第一节\n文。\n第2章：雨落\n文。\n第二卷\n文。")),
        (H{{1, "第一卷 天下"}, {2, "第一章 风起"}, {3, "第一节"}, {2, "第2章：雨落"}, {1, "第二卷"}}));
    EXPECT_EQ(Headings(QStringLiteral("楔子\n文。\n第十二回 宴\n文。\n第一百零三章风云\n文。")),
              (H{{1, "楔子"}, {1, "第十二回 宴"}, {1, "第一百零三章风云"}}));
    EXPECT_EQ(Headings(QStringLiteral("PART ONE\n\nCHAPTER IV. THE STORM\nText.\n\nChapter 5 The Calm\nText.\n"
                                      "Book Two\nText.")),
              (H{{1, "PART ONE"}, {3, "CHAPTER IV. THE STORM"}, {3, "Chapter 5 The Calm"}, {2, "Book Two"}}));
    EXPECT_EQ(Headings(QStringLiteral("Часть первая\nГлава 1\nТекст.\nГлава II. Утро\nТекст.\nЭпилог\nТекст.")),
              (H{{1, "Часть первая"}, {2, "Глава 1"}, {2, "Глава II. Утро"}, {2, "Эпилог"}}));

    // Sentences, lines too long, and a list of the contents at the front are not headings.
    EXPECT_EQ(
        Headings(QStringLiteral("He read Chapter 3 again.\nChapter 3 was dull, he thought.\nChapter 4 and the rest\n"
                                "Part of it was true.\nглава 1\n第一章就讲到了这个问题。\n第一章讲到，\n"
                                "第三章天色已晚他走进了那座古老的城夜里风很大窗外的树叶哗哗作响\n"
                                "Chapter 1\nChapter 2\n\nChapter 3\nText.")),
        H{});
    EXPECT_EQ(Headings(QStringLiteral("Chapter 1\nText.\n"), QStringLiteral("off")), H{});
    EXPECT_EQ(Headings(QStringLiteral("Chapter 1\n* One *\nText * in * it\n* Two *"), QStringLiteral("\\* \\w+ \\*")),
              (H{{1, "* One *"}, {1, "* Two *"}}));
    EXPECT_FALSE(ParseChapterRule(QStringLiteral("(unclosed")));
}

TEST(TextSource, ChaptersBeginPagesThatHoldTheirHeadings)
{
    QTemporaryDir dir;
    QString text = QStringLiteral("Preface.\n\nCHAPTER I\n\n");
    for (int i = 0; i < 40; ++i) text += QStringLiteral("A sentence of the first chapter, and more. ");
    text += QStringLiteral("\n\nCHAPTER II\n\nShort.\n");
    const QString path = dir.filePath(QStringLiteral("novel.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(Encoded("windows-1252", text)) > 0);
    file.close();
    TMakeOptions options;
    options.Pictures.Screen = QSize(240, 480);  // 400 characters a page
    TSourceBook book;
    AddTextFilePages(path, {}, options, book);
    ASSERT_GT(book.Pages.size(), 4u);
    EXPECT_EQ(book.Pages[0].Text, QStringLiteral("Preface."));
    EXPECT_TRUE(book.Pages[1].Text.startsWith(QLatin1String("CHAPTER I\n\nA sentence")));
    EXPECT_EQ(book.Pages.back().Text, QStringLiteral("CHAPTER II\n\nShort."));
    for (const TSourcePage& page : book.Pages) {
        const bool heading = page.Text.startsWith(QLatin1String("CHAPTER"));
        ASSERT_EQ(page.Headings.size(), heading ? 1u : 0u) << page.Text.toStdString();
        if (heading) {
            EXPECT_EQ(page.Headings[0].Title, page.Text.section(u'\n', 0, 0));
        }
    }
}

}  // namespace
