// Comic archives as readers have them: ComicInfo.xml, names in the archiver's code page, and
// what an archive may expand to in all.
#include "ArchiveReader.h"
#include "ArchiveSource.h"
#include "ComicInfo.h"
#include "MakeFailure.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

namespace {

using namespace making;
using wolf::TWolfDescription;

TEST(ComicInfo, FillsOnlyWhatTheFileGivesAndADamagedOneIsIgnored)
{
    const std::optional<TComicInfo> full = ReadComicInfo(R"(<?xml version="1.0" encoding="utf-8"?>
<ComicInfo xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
  <Series>Ruins of  Rome</Series><Number>12</Number>
  <Summary>  Two friends.
They travel.  </Summary>
  <Year>2021</Year><Month>3</Month><Day>7</Day>
  <Writer>A. Writer, B. Second</Writer><Translator>C. Third</Translator>
  <Publisher>House</Publisher><Genre>Adventure, Drama</Genre>
  <GTIN>978-3-16-148410-0</GTIN><Manga>YesAndRightToLeft</Manga>
  <Pages><Page Image="0" Type="FrontCover"/></Pages>
</ComicInfo>)");
    ASSERT_TRUE(full);
    const TToldFields& told = full->Description;
    EXPECT_EQ(told[TWolfDescription::Title], QStringLiteral("Ruins of Rome 12"));
    EXPECT_EQ(told[TWolfDescription::Author], QStringLiteral("A. Writer, B. Second"));
    EXPECT_EQ(told[TWolfDescription::Translator], QStringLiteral("C. Third"));
    EXPECT_EQ(told[TWolfDescription::Publisher], QStringLiteral("House"));
    EXPECT_EQ(told[TWolfDescription::PublishTime], QStringLiteral("2021-03-07"));
    EXPECT_EQ(told[TWolfDescription::ISBN], QStringLiteral("978-3-16-148410-0"));
    EXPECT_EQ(told[TWolfDescription::Introduction], QStringLiteral("Two friends.\nThey travel."));
    EXPECT_EQ(told[TWolfDescription::Subject], QStringLiteral("Adventure, Drama"));
    EXPECT_FALSE(told[TWolfDescription::Adapter]);
    EXPECT_TRUE(full->RightToLeft);

    // A title of its own wins; a product code that is no ISBN, or a wrong check digit, and a
    // month without its day tell no ISBN and only the year.
    const std::optional<TComicInfo> sparse = ReadComicInfo(
        "<ComicInfo><Title>Alone</Title><Series>S</Series><Year>1999</Year><Month>2</Month>"
        "<GTIN>4006381333931</GTIN><Manga>Yes</Manga></ComicInfo>");
    ASSERT_TRUE(sparse);
    EXPECT_EQ(sparse->Description[TWolfDescription::Title], QStringLiteral("Alone"));
    EXPECT_EQ(sparse->Description[TWolfDescription::Subject], QStringLiteral("S"));
    EXPECT_EQ(sparse->Description[TWolfDescription::PublishTime], QStringLiteral("1999"));
    EXPECT_FALSE(sparse->Description[TWolfDescription::ISBN]);
    EXPECT_FALSE(sparse->RightToLeft) << "a manga is not read right to left unless it says so";
    EXPECT_FALSE(
        ReadComicInfo("<ComicInfo><GTIN>978-3-16-148410-1</GTIN></ComicInfo>")->Description[TWolfDescription::ISBN]);
    EXPECT_EQ(ReadComicInfo("<ComicInfo><GTIN>09783161484100</GTIN></ComicInfo>")->Description[TWolfDescription::ISBN],
              QStringLiteral("9783161484100"));

    for (const QByteArray& damaged : {QByteArray("<ComicInfo><Title>Cut"), QByteArray("<ComicInfo><Title>A</B>"),
                                      QByteArray("<Other><Title>A</Title></Other>"), QByteArray("\xff\xfe garbage")})
        EXPECT_FALSE(ReadComicInfo(damaged)) << damaged.constData();
    EXPECT_FALSE(ReadComicInfo("<ComicInfo><Summary>" + QByteArray(MaxComicInfoBytes, 'a') + "</Summary></ComicInfo>"));
}

// A ZIP of empty entries with these names as stored, flagged UTF-8 where asked, as an archiver
// on Windows writes names in the system's code page without the flag.
QByteArray ZipOfNames(const std::vector<std::pair<QByteArray, bool>>& names)
{
    QByteArray local, central;
    const auto u16 = [](QByteArray& out, int value) { out.append(char(value & 0xFF)).append(char(value >> 8 & 0xFF)); };
    const auto u32 = [&](QByteArray& out, qint64 value) {
        u16(out, int(value & 0xFFFF));
        u16(out, int(value >> 16 & 0xFFFF));
    };
    for (const auto& [name, utf8] : names) {
        const qint64 offset = local.size();
        const int flags = utf8 ? 0x800 : 0;
        u32(local, 0x04034b50);
        for (const int field : {20, flags, 0, 0, 0, 0, 0, 0, 0, 0, 0, int(name.size()), 0}) u16(local, field);
        local += name;
        u32(central, 0x02014b50);
        for (const int field : {20, 20, flags, 0, 0, 0, 0, 0, 0, 0, 0, 0, int(name.size()), 0, 0, 0, 0, 0, 0})
            u16(central, field);
        u32(central, offset);
        central += name;
    }
    QByteArray zip = local + central;
    u32(zip, 0x06054b50);
    for (const int field : {0, 0, int(names.size()), int(names.size())}) u16(zip, field);
    u32(zip, central.size());
    u32(zip, local.size());
    u16(zip, 0);
    return zip;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

QByteArray Encoded(const char* encoding, const QString& text)
{
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

TEST(ArchiveNames, NamesWithoutTheUtf8FlagAreDecodedWithOneGuessForTheArchive)
{
    QTemporaryDir dir;
    // "ﾃｱ" in Shift_JIS is also valid UTF-8 ("ñ"): the archive's other names decide for it, while
    // a name flagged UTF-8 beside them stays UTF-8.
    const QString japanese =
        WriteFile(dir, QStringLiteral("sjis.cbz"),
                  ZipOfNames({{Encoded("Shift_JIS", QStringLiteral("マンガ/第1話/表紙.png")), false},
                              {Encoded("Shift_JIS", QStringLiteral("マンガ/第2話/本編.png")), false},
                              {Encoded("Shift_JIS", QStringLiteral("ﾃｱ.png")), false},
                              {QStringLiteral("日本語.png").toUtf8(), true}}));
    TArchiveReader reader(japanese);
    QStringList names;
    for (const auto& [index, name] : reader.List()) names << name;
    EXPECT_EQ(names.join(u'|').toStdString(), "マンガ/第1話/表紙.png|マンガ/第2話/本編.png|ﾃｱ.png|日本語.png");

    // Chapters read right: DOS archivers wrote Russian names in CP866.
    const QString russian = WriteFile(dir, QStringLiteral("cp866.cbz"),
                                      ZipOfNames({{Encoded("IBM866", QStringLiteral("Глава первая/01.png")), false},
                                                  {Encoded("IBM866", QStringLiteral("Глава вторая/01.png")), false}}));
    TSourceBook book;
    AddArchivePages(russian, {}, {}, book);
    ASSERT_EQ(book.Pages.size(), 2u);
    EXPECT_EQ(book.Pages[0].Chapters, QStringList{QStringLiteral("Глава вторая")});
    EXPECT_EQ(book.Pages[1].Chapters, QStringList{QStringLiteral("Глава первая")});
}

// Entries of zeros, which deflate to almost nothing; a ZIP, or a TAR compressed whole.
QByteArray ZipOfZeros(const std::vector<std::pair<const char*, QByteArray>>& entries, bool tarGz = false)
{
    std::vector<char> buffer(1 << 20);
    size_t used = 0;
    archive* zip = archive_write_new();
    if (tarGz) {
        archive_write_set_format_pax_restricted(zip);
        archive_write_add_filter_gzip(zip);
    } else {
        archive_write_set_format_zip(zip);
    }
    archive_write_open_memory(zip, buffer.data(), buffer.size(), &used);
    for (const auto& [name, bytes] : entries) {
        archive_entry* header = archive_entry_new();
        archive_entry_set_pathname(header, name);
        archive_entry_set_filetype(header, AE_IFREG);
        archive_entry_set_perm(header, 0644);
        archive_entry_set_size(header, bytes.size());
        archive_write_header(zip, header);
        archive_write_data(zip, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(header);
    }
    archive_write_close(zip);
    archive_write_free(zip);
    return QByteArray(buffer.data(), qsizetype(used));
}

void ExpectFailure(const std::function<void()>& work, const QString& message)
{
    try {
        work();
        ADD_FAILURE() << "no failure; expected " << message.toStdString();
    } catch (const EMakeFailure& failure) {
        EXPECT_EQ(QString::fromUtf8(failure.what()), message);
    }
}

TEST(ArchiveReader, WhatAnArchiveExpandsToInAllIsBoundedOverEveryReadAndItsInnerArchives)
{
    QTemporaryDir dir;
    const QByteArray megabyte(1 << 20, '\0');
    const QString path = WriteFile(
        dir, QStringLiteral("zeros.cbz"),
        ZipOfZeros({{"1.png", megabyte}, {"2.png", megabyte}, {"inner.cbz", ZipOfZeros({{"3.png", megabyte}})}}));
    const QString bound = QStringLiteral("The archive \"%1\" expands beyond 2 MB in all").arg(path);

    // Read backwards, so that every read opens the archive again: the count goes on.
    auto reader = std::make_shared<TArchiveReader>(path, 2 << 20);
    EXPECT_EQ(reader->Read(1, QStringLiteral("2.png")).size(), megabyte.size());
    EXPECT_EQ(reader->Read(0, QStringLiteral("1.png")).size(), megabyte.size());
    ExpectFailure([&] { reader->Read(1, QStringLiteral("2.png")); }, bound);

    // What an inner archive's entries expand to counts in the archive file's total.
    reader = std::make_shared<TArchiveReader>(path, 2 << 20);
    reader->Read(0, QStringLiteral("1.png"));
    TArchiveReader inner(reader, 2, path + QStringLiteral(": inner.cbz"));
    ASSERT_EQ(inner.List().size(), 1u);
    ExpectFailure([&] { inner.Read(0, QStringLiteral("3.png")); }, bound);

    // A compressed TAR is one stream: listing it unpacks every entry, and that counts too.
    const QString tar = WriteFile(dir, QStringLiteral("zeros.cbt.gz"),
                                  ZipOfZeros({{"1.png", megabyte}, {"2.png", megabyte}, {"3.png", megabyte}}, true));
    ExpectFailure([&] { TArchiveReader(tar, 2 << 20).List(); },
                  QStringLiteral("The archive \"%1\" expands beyond 2 MB in all").arg(tar));
}

}  // namespace
