#include "DesktopEntry.h"
#include "FileAssociation.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Every file below the folder with a digest of its content.
QStringList Snapshot(const QString& dir)
{
    QStringList files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files << path + u' ' + QCryptographicHash::hash(ReadAll(path), QCryptographicHash::Sha1).toHex();
    }
    files.sort();
    return files;
}

class DesktopAssociationTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FHome.isValid());
        qputenv("XDG_DATA_HOME", FData.toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", FHome.filePath(QStringLiteral("config")).toLocal8Bit());
    }
    void TearDown() override
    {
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("XDG_CONFIG_HOME");
    }

    QTemporaryDir FHome;
    QString FData = FHome.filePath(QStringLiteral("data"));
};

}  // namespace

TEST(DesktopEntry, ExecArgumentSurvivesSpacesQuotesAndPercentSigns)
{
    using platform::DesktopExecArgument;
    EXPECT_EQ(DesktopExecArgument("/usr/bin/karavel"), QStringLiteral("\"/usr/bin/karavel\""));
    EXPECT_EQ(DesktopExecArgument("/opt/my apps/100%/karavel"), QStringLiteral("\"/opt/my apps/100%%/karavel\""));
    // A quote or dollar is escaped for the argument; the backslash again for the key's string.
    EXPECT_EQ(DesktopExecArgument("/a\"b$c\\d"), QStringLiteral("\"/a\\\\\"b\\\\$c\\\\\\\\d\""));
}

TEST_F(DesktopAssociationTest, InstallsTypeEntryAndIconsForTheUser)
{
    platform::AssociateWolfFiles(QStringLiteral("/opt/my apps/karavel"));

    EXPECT_EQ(ReadAll(FData + "/mime/packages/karavel-wolf.xml"),
              ReadAll(QStringLiteral(RESOURCES_DIR "/karavel-wolf.xml")));
    const QString entryPath = FData + "/applications/karavel.desktop";
    const QByteArray entry = ReadAll(entryPath);
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/my apps/karavel\" %f\n")) << entry.constData();
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-wolf-ebook;\n"));
    EXPECT_TRUE(entry.contains("\nIcon=karavel\n"));
    for (const char* size : {"16x16", "32x32", "48x48"}) {
        EXPECT_TRUE(QFile::exists(FData + "/icons/hicolor/" + size + "/apps/karavel.png")) << size;
        EXPECT_TRUE(QFile::exists(FData + "/icons/hicolor/" + size + "/mimetypes/application-x-wolf-ebook.png"))
            << size;
    }
    EXPECT_TRUE(QFile::exists(FData + "/icons/hicolor/scalable/apps/karavel.svg"));

    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        EXPECT_TRUE(ReadAll(FData + "/mime/globs2").contains("application/x-wolf-ebook:*.wol"));
        EXPECT_TRUE(ReadAll(FData + "/mime/magic").contains("WolfEbook"));
    }
    if (!QStandardPaths::findExecutable("xdg-mime").isEmpty()) {
        EXPECT_TRUE(
            ReadAll(FHome.filePath("config/mimeapps.list")).contains("application/x-wolf-ebook=karavel.desktop"));
    }
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (!validator.isEmpty()) {
        QProcess validate;
        validate.start(validator, {entryPath});
        ASSERT_TRUE(validate.waitForFinished(10000));
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().constData();
    }
}

TEST_F(DesktopAssociationTest, SecondRunChangesNothing)
{
    platform::AssociateWolfFiles(QStringLiteral("/usr/bin/karavel"));
    const QStringList once = Snapshot(FHome.path());
    platform::AssociateWolfFiles(QStringLiteral("/usr/bin/karavel"));
    EXPECT_EQ(Snapshot(FHome.path()), once);
}

TEST_F(DesktopAssociationTest, UnwritableDataFolderGivesTheMessage)
{
    QFile blocker(FData);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    try {
        platform::AssociateWolfFiles(QStringLiteral("/usr/bin/karavel"));
        FAIL() << "no error";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()), "Unable to write to " + FData + "/mime/packages/karavel-wolf.xml");
    }
}
