#include "BookEncoding.h"
#include "TextEncodings.h"

#include <gtest/gtest.h>

using platform::TBookEncoding;

namespace {

const QString ChineseText = QStringLiteral(
    "这是一本关于海上旅行的书。船长带着他的船员穿过大海，寻找新的土地和朋友。"
    "每天早上，他们都会看到太阳从东方升起，晚上看到星星照亮天空。");

const char* const Chinese = testbooks::ChineseEncoding();

std::string Encoded(const char* encoding, const QString& text)
{
    const std::optional<std::string> bytes = TBookEncoding(encoding).Encode(text);
    EXPECT_TRUE(bytes.has_value()) << encoding;
    return bytes.value_or(std::string());
}

}  // namespace

TEST(BookEncoding, RoundTripsMultiByteAndEightBitTexts)
{
    const QString cyrillic = QStringLiteral("Война и мир. Глава первая: Анна Павловна Шерер.");
    for (const auto& [name, text] : {std::pair{Chinese, ChineseText}, std::pair{"windows-1251", cyrillic},
                                     std::pair{"UTF-8", ChineseText + cyrillic}}) {
        const TBookEncoding encoding(name);
        EXPECT_EQ(encoding.Name(), QByteArray(name));
        const std::string bytes = Encoded(name, text);
        EXPECT_EQ(encoding.Decode(bytes), text) << name;
    }
    EXPECT_EQ(Encoded("windows-1251", QStringLiteral("Ж")), std::string("\xC6"));
}

TEST(BookEncoding, Latin1KeepsEveryByteAndRefusesWiderCharacters)
{
    std::string all;
    for (int byte = 0; byte < 256; ++byte) all += char(byte);
    const TBookEncoding latin1("latin1");
    const QString text = latin1.Decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    EXPECT_EQ(latin1.Encode(text), all);
    EXPECT_EQ(latin1.Encode(QStringLiteral("€")), std::nullopt);
}

TEST(BookEncoding, UnencodableCharacterGivesNothingInEveryCodec)
{
    // Each holds "Renée" but not all of the rest; a lone surrogate fits no encoding at all.
    const QString lone = QString(QChar(0xD800));
    for (const auto& [name, held] :
         {std::pair{"windows-1252", "Renée"}, std::pair{"ISO-8859-1", "Renée"}, std::pair{"latin1", "Renée"},
          std::pair{"ISO-8859-2", "Renée Łódź"}, std::pair{"KOI8-R", "Фёдор"}, std::pair{"Shift_JIS", "漢字 Ω"},
          std::pair{"Big5", "漢字 Ω"},
          std::pair{Chinese, Chinese == std::string_view("GB18030") ? "Renée 漢字 Ω Łódź" : "Renée 漢字 Ω"}}) {
        const TBookEncoding encoding(name);
        const QString text = QString::fromUtf8(held);
        EXPECT_EQ(encoding.Decode(Encoded(name, text)), text) << name;
        EXPECT_EQ(encoding.Encode(QStringLiteral("Renée 漢字 Ω Łódź Фёдор") + lone), std::nullopt) << name;
    }
    EXPECT_EQ(TBookEncoding("windows-1251").Encode(QStringLiteral("Глава 中")), std::nullopt);
}

TEST(BookEncoding, UnknownNamesFallBackToLatin1)
{
    EXPECT_EQ(TBookEncoding("no-such-codec").Name(), QByteArray("latin1"));
    EXPECT_EQ(TBookEncoding("").Name(), QByteArray("latin1"));
    EXPECT_EQ(TBookEncoding("auto").Name(), QByteArray("latin1"));
}

TEST(BookEncoding, DecodingKeepsAByteOrderMarkAndCutSequences)
{
    const std::string withBom = "\xEF\xBB\xBFtitle";
    const TBookEncoding utf8("UTF-8");
    EXPECT_EQ(utf8.Encode(utf8.Decode(withBom)), withBom);
    // A lead byte cut off at the end of one field must not swallow the next field's start.
    const TBookEncoding gb(Chinese);
    EXPECT_EQ(gb.Decode("\xD6").size(), 1);
    EXPECT_EQ(gb.Decode("ab"), QStringLiteral("ab"));
}

TEST(BookEncoding, DetectsUtf8AndAscii)
{
    EXPECT_EQ(TBookEncoding::Detect({"Plain title", "Author"}).Name(), QByteArray("UTF-8"));
    EXPECT_EQ(TBookEncoding::Detect({}).Name(), QByteArray("UTF-8"));
    const std::string utf8 = ChineseText.toUtf8().toStdString();
    EXPECT_EQ(TBookEncoding::Detect({utf8}).Name(), QByteArray("UTF-8"));
    // Overlong and surrogate forms are not UTF-8.
    EXPECT_NE(TBookEncoding::Detect({"\xC0\xAF"}).Name(), QByteArray("UTF-8"));
    EXPECT_NE(TBookEncoding::Detect({"\xED\xA0\x80"}).Name(), QByteArray("UTF-8"));
}

TEST(BookEncoding, DetectsChineseAsGb18030OrWhatTheSystemHasOfIt)
{
    const std::string title = Encoded(Chinese, QStringLiteral("海上旅行"));
    const std::string description = Encoded(Chinese, ChineseText);
    const TBookEncoding detected = TBookEncoding::Detect({description, title});
    EXPECT_EQ(detected.Name(), QByteArray(Chinese));
    EXPECT_EQ(detected.Decode(title), QStringLiteral("海上旅行"));
}

TEST(BookEncoding, DetectsCyrillicAndUndecidableBytesAreLatin1)
{
    const std::string cyrillic =
        Encoded("windows-1251", QStringLiteral("Война и мир. Глава первая: Анна Павловна Шерер "
                                               "была фрейлиной и приближенной императрицы."));
    EXPECT_EQ(TBookEncoding::Detect({cyrillic}).Name().toUpper(), QByteArray("WINDOWS-1251"));
    EXPECT_EQ(TBookEncoding::Detect({"\xFF\xFE\xFF"}).Name(), QByteArray("latin1"));
}

TEST(BookEncoding, ChooseHonoursANameAndDetectsForAuto)
{
    const std::vector<std::string> samples{Encoded(Chinese, ChineseText)};
    EXPECT_EQ(TBookEncoding::Choose("windows-1251", samples).Name(), QByteArray("windows-1251"));
    EXPECT_EQ(TBookEncoding::Choose("AUTO", {"x"}).Name(), QByteArray("UTF-8"));
    EXPECT_EQ(TBookEncoding::Choose("", {"x"}).Name(), QByteArray("UTF-8"));
}

TEST(BookEncoding, KnownNamesStartWithAutoAndAreAllUsable)
{
    const QStringList names = TBookEncoding::KnownNames();
    ASSERT_FALSE(names.isEmpty());
    EXPECT_EQ(names.first(), QStringLiteral("auto"));
    EXPECT_TRUE(names.contains(QStringLiteral("latin1")));
    EXPECT_TRUE(names.contains(QStringLiteral("UTF-8")));
    for (const QString& name : names.mid(1))
        EXPECT_EQ(TBookEncoding(name.toLatin1()).Name(), name.toLatin1()) << name.toStdString();
}
