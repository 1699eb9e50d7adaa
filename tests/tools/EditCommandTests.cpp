// wolftool's editing commands: toc export and import, describe.
#include "BookSamples.h"
#include "ToolRunner.h"
#include "uWolfBuilder.h"

#include <QJsonArray>
#include <gtest/gtest.h>

namespace {

std::string ThreePageBook()
{
    wolf::TWolfBookBuilder builder;
    wolf::TWolfDescription description;
    description.SetField(0, "Tale");
    description.SetField(2, "Someone");
    builder.Description = description.ToText();
    // Longer than the 9 bytes within which a table-of-contents offset finds a page.
    for (const char* text : {"Page one.....", "Page two.....", "Page three..."}) builder.AddTextPage(text);
    wolf::TWolfTOCList toc;
    toc.AddItem(1, 0, 0, "Start", 0);
    toc.AddItem(1, 1, 0, "Middle", 1);
    builder.Catalog = {{"Start", 0}};
    builder.SetSubcatalog(toc);
    return builder.Build();
}

QByteArray ReadFile(const QString& path)
{
    return QByteArray::fromStdString(testbooks::ReadAll(path));
}

QJsonObject Info(const QString& book)
{
    const TToolResult run = RunWolftool({QStringLiteral("info"), book});
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    return run.Json();
}

QStringList TocTitles(const QJsonObject& info)
{
    QStringList titles;
    for (const QJsonValue& entry : info.value(QStringLiteral("toc")).toArray())
        titles << entry.toObject().value(QStringLiteral("title")).toString();
    return titles;
}

}  // namespace

TEST(WolftoolToc, ExportsAndImportsCatalogTextKeepingABackup)
{
    TScratch scratch;
    const std::string original = ThreePageBook();
    // Names in other scripts reach the book library unchanged on every system.
    const QString book = scratch.Write(QStringLiteral("сказка 童话.wol"), original);
    const QString exported = scratch.Path(QStringLiteral("目录.cat"));

    TToolResult run = RunWolftool({QStringLiteral("toc"), QStringLiteral("export"), book, exported});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(ReadFile(exported), QByteArray("Start... ...1\r\n\tMiddle... ...2\r\n"));

    const QString badLevel = scratch.Write(QStringLiteral("level.cat"), "A... ...1\r\n\t\tB... ...1\r\n");
    run = RunWolftool({QStringLiteral("toc"), QStringLiteral("import"), book, badLevel});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(run.LastErrorLine(), QStringLiteral("Bad TOC item level on line 2"));
    EXPECT_EQ(ReadFile(book), QByteArray::fromStdString(original));

    const QString edited = scratch.Write(QStringLiteral("new.cat"), "Begin... ...1\n\tMore... ...3\nEnd... ...2\n");
    run = RunWolftool({QStringLiteral("toc"), QStringLiteral("import"), book, edited});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(TocTitles(Info(book)), (QStringList{"Begin", "More", "End"}));
    EXPECT_EQ(ReadFile(book + ".bak"), QByteArray::fromStdString(original));
}

TEST(WolftoolDescribe, SetsFieldsInTheBookEncodingOrRefusesWhatItCannotHold)
{
    TScratch scratch;
    const std::string original = ThreePageBook();
    const QString book = scratch.Write(QStringLiteral("tale.wol"), original);

    TToolResult run = RunWolftool({QStringLiteral("describe"), book, QStringLiteral("--encoding"),
                                   QStringLiteral("latin1"), QStringLiteral("--set"), QStringLiteral("author=Фёдор")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.LastErrorLine(),
              QStringLiteral("The author holds characters that the encoding latin1 cannot represent"));
    // A converter that writes '?' for what it cannot hold, and says nothing.
    run = RunWolftool({QStringLiteral("describe"), book, QStringLiteral("--encoding"), QStringLiteral("ISO-8859-1"),
                       QStringLiteral("--set"), QStringLiteral("author=Renée 漢字")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.LastErrorLine(),
              QStringLiteral("The author holds characters that the encoding ISO-8859-1 cannot represent"));
    run = RunWolftool({QStringLiteral("describe"), book, QStringLiteral("--set"), QStringLiteral("adaptor=X")});
    EXPECT_EQ(run.ExitCode, 1);
    EXPECT_EQ(run.LastErrorLine(),
              QStringLiteral("Unknown field \"adaptor\": use one of title, subject, author, adapter, "
                             "translator, publisher, publish_time, introduction, isbn"));
    EXPECT_EQ(ReadFile(book), QByteArray::fromStdString(original));

    run = RunWolftool({QStringLiteral("describe"), book, QStringLiteral("--encoding"), QStringLiteral("windows-1251"),
                       QStringLiteral("--set"), QStringLiteral("title=Сказка"), QStringLiteral("--set"),
                       QStringLiteral("introduction=Line one\nLine two")});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(ReadFile(book + ".bak"), QByteArray::fromStdString(original));
    const QByteArray bytes = ReadFile(book);
    EXPECT_TRUE(bytes.contains("<title>\xD1\xEA\xE0\xE7\xEA\xE0\r\n"));
    EXPECT_TRUE(bytes.contains("<introduction>Line one\r\nLine two\r\n"));
    EXPECT_TRUE(bytes.contains("<author>Someone\r\n"));
    EXPECT_EQ(TocTitles(Info(book)), (QStringList{"Start", "Middle"}));

    // Every field under its own name, both in and out.
    const char* const keys[] = {"title",     "subject",      "author",       "adapter", "translator",
                                "publisher", "publish_time", "introduction", "isbn"};
    QStringList setAll{QStringLiteral("describe"), book};
    QJsonObject expected;
    for (int i = 0; i < 9; ++i) {
        setAll << QStringLiteral("--set") << QStringLiteral("%1=F%2").arg(QLatin1String(keys[i])).arg(i);
        expected.insert(QLatin1String(keys[i]), QStringLiteral("F%1").arg(i));
    }
    run = RunWolftool(setAll);
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Info(book).value(QStringLiteral("description")).toObject(), expected);
    EXPECT_TRUE(
        ReadFile(book).contains("<title>F0\r\n<subject>F1\r\n<author>F2\r\n<adpter>F3\r\n<translator>F4\r\n"
                                "<publisher>F5\r\n<time_publish>F6\r\n<introduction>F7\r\n<ISBN>F8\r\n"));
}
