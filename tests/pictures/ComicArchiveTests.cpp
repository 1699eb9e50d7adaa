// Comic archives as readers have them: a damaged ComicInfo.xml, names in the archiver's code
// page, and what an archive may expand to in all.
#include "ArchiveReader.h"
#include "ArchiveSource.h"
#include "ComicInfo.h"
#include "MakeFailure.h"
#include "TextEncodings.h"

#include <QFile>
#include <QTemporaryDir>
#include <archive.h>
#include <archive_entry.h>
#include <gtest/gtest.h>

namespace {

using namespace making;

TEST(ComicInfo, ADamagedOrHugeOneTellsNothing)
{
    for (const QByteArray& bad :
         {QByteArray("<ComicInfo><Title>A</B>"), QByteArray("<Other><Title>A</Title></Other>"),
          "<ComicInfo><Summary>" + QByteArray(MaxComicInfoBytes, 'a') + "</Summary></ComicInfo>"})
        EXPECT_FALSE(ReadComicInfo(bad)) << bad.left(40).constData();
}

// Empty entries with these names as stored, flagged UTF-8 where asked: archivers on Windows
// write names in the system's code page, without the flag.
QByteArray ZipOfNames(const std::vector<std::pair<QString, const char*>>& names)
{
    QByteArray local, central;
    const auto put = [](QByteArray& out, std::initializer_list<qint64> values, int bytes) {
        for (const qint64 value : values)
            for (int i = 0; i < bytes; ++i) out.append(char(value >> (8 * i) & 0xFF));
    };
    for (const auto& [text, encoding] : names) {
        const QByteArray name = testbooks::EncodedIn(encoding, text);
        const int flags = QByteArray(encoding) == "UTF-8" ? 0x800 : 0;
        put(central, {0x02014b50}, 4);
        put(central, {20, 20, flags, 0, 0, 0, 0, 0, 0, 0, 0, 0, name.size(), 0, 0, 0, 0, 0, 0}, 2);
        put(central, {local.size()}, 4);
        central += name;
        put(local, {0x04034b50}, 4);
        put(local, {20, flags, 0, 0, 0, 0, 0, 0, 0, 0, 0, name.size(), 0}, 2);
        local += name;
    }
    QByteArray zip = local + central;
    put(zip, {0x06054b50}, 4);
    put(zip, {0, 0, qint64(names.size()), qint64(names.size())}, 2);
    put(zip, {central.size(), local.size()}, 4);
    put(zip, {0}, 2);
    return zip;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    return file.fileName();
}

TEST(ArchiveNames, NamesWithoutTheUtf8FlagAreDecodedWithOneGuessForTheArchive)
{
    QTemporaryDir dir;
    // "ﾃｱ" in Shift_JIS is also valid UTF-8 ("ñ"): the archive's other names decide for it, while
    // a name flagged UTF-8 beside them stays UTF-8, whatever the process's locale.
    TArchiveReader japanese(WriteFile(dir, QStringLiteral("sjis.cbz"),
                                      ZipOfNames({{QStringLiteral("マンガ/第1話/表紙.png"), "Shift_JIS"},
                                                  {QStringLiteral("マンガ/第2話/本編.png"), "Shift_JIS"},
                                                  {QStringLiteral("ﾃｱ.png"), "Shift_JIS"},
                                                  {QStringLiteral("日本語.png"), "UTF-8"}})));
    QStringList names;
    for (const auto& [index, name] : japanese.List()) names << name;
    EXPECT_EQ(names.join(u'|').toStdString(), "マンガ/第1話/表紙.png|マンガ/第2話/本編.png|ﾃｱ.png|日本語.png");

    // Chapters read right: DOS archivers wrote Russian names in CP866.
    TSourceBook book;
    AddArchivePages(WriteFile(dir, QStringLiteral("cp866.cbz"),
                              ZipOfNames({{QStringLiteral("Глава первая/01.png"), "IBM866"},
                                          {QStringLiteral("Глава вторая/01.png"), "IBM866"}})),
                    {}, {}, book);
    ASSERT_EQ(book.Pages.size(), 2u);
    EXPECT_EQ(book.Pages[0].Chapters, QStringList{QStringLiteral("Глава вторая")});
}

// Entries of a megabyte of zeros, which deflate to almost nothing; a ZIP, or a TAR compressed whole.
QByteArray ArchiveOfZeros(const std::vector<const char*>& names, bool tarGz = false, QByteArray inner = {})
{
    std::vector<char> buffer(1 << 20);
    size_t used = 0;
    archive* out = archive_write_new();
    tarGz ? archive_write_set_format_pax_restricted(out) : archive_write_set_format_zip(out);
    if (tarGz) archive_write_add_filter_gzip(out);
    archive_write_open_memory(out, buffer.data(), buffer.size(), &used);
    for (const char* name : names) {
        const QByteArray bytes = QByteArray(name).endsWith(".cbz") ? inner : QByteArray(1 << 20, '\0');
        archive_entry* header = archive_entry_new();
        archive_entry_set_pathname(header, name);
        archive_entry_set_filetype(header, AE_IFREG);
        archive_entry_set_size(header, bytes.size());
        archive_write_header(out, header);
        archive_write_data(out, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(header);
    }
    archive_write_free(out);
    return QByteArray(buffer.data(), qsizetype(used));
}

TEST(ArchiveReader, WhatAnArchiveExpandsToInAllIsBoundedOverEveryReadAndItsInnerArchives)
{
    QTemporaryDir dir;
    const QString path = WriteFile(dir, QStringLiteral("zeros.cbz"),
                                   ArchiveOfZeros({"1.png", "2.png", "in.cbz"}, false, ArchiveOfZeros({"3.png"})));
    const QString tar =
        WriteFile(dir, QStringLiteral("zeros.cbt.gz"), ArchiveOfZeros({"1.png", "2.png", "3.png"}, true));
    const auto failure = [](const std::function<void()>& work) -> std::string {
        try {
            work();
        } catch (const EMakeFailure& failure) {
            return failure.what();
        }
        return "none";
    };
    const auto bound = [](const QString& archive) {
        return QStringLiteral("The archive \"%1\" expands beyond 2 MB in all").arg(archive).toStdString();
    };

    // Read backwards, so that every read opens the archive again: the count goes on.
    auto reader = std::make_shared<TArchiveReader>(path, 2 << 20);
    EXPECT_EQ(reader->Read(1, QStringLiteral("2.png")).size(), 1 << 20);
    EXPECT_EQ(reader->Read(0, QStringLiteral("1.png")).size(), 1 << 20);
    EXPECT_EQ(failure([&] { reader->Read(1, QStringLiteral("2.png")); }), bound(path));

    // An inner archive's entries count in the archive file's total.
    reader = std::make_shared<TArchiveReader>(path, 2 << 20);
    reader->Read(0, QStringLiteral("1.png"));
    TArchiveReader inner(reader, 2, path + QStringLiteral(": in.cbz"));
    ASSERT_EQ(inner.List().size(), 1u);
    EXPECT_EQ(failure([&] { inner.Read(0, QStringLiteral("3.png")); }), bound(path));

    // A compressed TAR is one stream: listing it unpacks every entry, and that counts too.
    EXPECT_EQ(failure([&] { TArchiveReader(tar, 2 << 20).List(); }), bound(tar));
}

}  // namespace
