#include "IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::EIniWriteError;
using platform::TIniFile;

namespace {

class IniFileTest : public testing::Test {
protected:
    QByteArray Content() const
    {
        QFile file(FPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    void SetContent(const QByteArray& bytes)
    {
        QFile file(FPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir FDir;
    QString FPath = FDir.filePath(QStringLiteral("karavel.ini"));
    TIniFile FIni{FPath};
};

}  // namespace

TEST_F(IniFileTest, NewFileKeepsTheOrderOfFirstWrites)
{
    FIni.WriteBool("Config", "AllowOneInstance", true);
    FIni.WriteBool("Config", "AutoHideTOC", false);
    FIni.WriteInteger("MainWindow", "PosTop", -5);
    FIni.WriteInteger("Config", "DefScaleIdx", 4);
    FIni.WriteString("MRUList", "MRU1", "/books/a b.wol");
    FIni.WriteInteger("mainwindow", "POSTOP", 100);
    EXPECT_EQ(Content(), QByteArray("[Config]\nAllowOneInstance=1\nAutoHideTOC=0\nDefScaleIdx=4\n"
                                    "\n[MainWindow]\nPosTop=100\n"
                                    "\n[MRUList]\nMRU1=/books/a b.wol\n"));
    EXPECT_EQ(FIni.ReadString("mrulist", "mru1", "x"), QStringLiteral("/books/a b.wol"));
}

TEST_F(IniFileTest, ForeignLinesSurviveAndNewKeysJoinTheirSection)
{
    SetContent("\xEF\xBB\xBF; written by hand\r\n[Config]\r\nUnknown = kept \r\n\r\n[Other]\r\nA=1\r\n");
    FIni.WriteInteger("Config", "MonitorWidth", 300);
    FIni.WriteString("Other", "a", "2");
    FIni.DeleteKey("Config", "Unknown");
    FIni.DeleteKey("Config", "NoSuchKey");
    FIni.DeleteKey("NoSuchSection", "A");
    EXPECT_EQ(Content(), QByteArray("\xEF\xBB\xBF; written by hand\r\n[Config]\r\nMonitorWidth=300\r\n\r\n"
                                    "[Other]\r\nA=2\r\n"));
}

TEST_F(IniFileTest, ReadsValuesTheWayProfileFilesDo)
{
    SetContent(
        "[Config]\nHex=0x168\nHexUpper=0X1f\nPascal=$10\nBad=abc\nHalf=12abc\n"
        "Neg=-7\nHuge=99999999999\nAllBits=0xFFFFFFFF\nEmpty=\nOn=2\nOff=0\n"
        "Spaced =  some text  \nFirst=1\nFirst=2\n; Commented=9\n");
    EXPECT_EQ(FIni.ReadInteger("Config", "Hex", 0), 360);
    EXPECT_EQ(FIni.ReadInteger("Config", "HexUpper", 0), 31);
    EXPECT_EQ(FIni.ReadInteger("Config", "Pascal", 0), 16);
    EXPECT_EQ(FIni.ReadInteger("Config", "Bad", 360), 360);
    EXPECT_EQ(FIni.ReadInteger("Config", "Half", 360), 360);
    EXPECT_EQ(FIni.ReadInteger("Config", "Neg", 0), -7);
    EXPECT_EQ(FIni.ReadInteger("Config", "Huge", 3), 3);
    EXPECT_EQ(FIni.ReadInteger("Config", "AllBits", 3), -1);
    EXPECT_EQ(FIni.ReadInteger("Config", "Empty", 3), 3);
    EXPECT_EQ(FIni.ReadInteger("Config", "Commented", 3), 3);
    EXPECT_EQ(FIni.ReadInteger("Config", "First", 0), 1);
    EXPECT_TRUE(FIni.ReadBool("Config", "On", false));
    EXPECT_FALSE(FIni.ReadBool("Config", "Off", true));
    EXPECT_TRUE(FIni.ReadBool("Config", "Missing", true));
    EXPECT_FALSE(FIni.ReadBool("Config", "Bad", false));
    EXPECT_EQ(FIni.ReadString("Config", "Spaced", "x"), QStringLiteral("some text"));
    EXPECT_EQ(FIni.ReadString("Config", "Empty", "x"), QString());
    EXPECT_EQ(FIni.ReadString("Nowhere", "Empty", "x"), QStringLiteral("x"));
}

TEST_F(IniFileTest, LongTextsComeBackCutAndLineBreaksCannotSplitAValue)
{
    FIni.WriteString("MRUList", "MRU1", QString(3000, u'p'));
    EXPECT_EQ(FIni.ReadString("MRUList", "MRU1", ""), QString(2047, u'p'));
    FIni.WriteString("MRUList", "MRU2", "a\nInjected=1");
    EXPECT_EQ(FIni.ReadString("MRUList", "Injected", "none"), QStringLiteral("none"));
}

TEST_F(IniFileTest, MissingFileGivesDefaultsAndDeletingCreatesNothing)
{
    EXPECT_EQ(FIni.ReadInteger("Config", "DefScaleIdx", 4), 4);
    FIni.DeleteKey("MRUList", "MRU5");
    EXPECT_FALSE(QFile::exists(FPath));
}

TEST_F(IniFileTest, UnwritableFileRaisesWithItsPathAndKeepsTheOldContent)
{
    const QString path = FDir.filePath(QStringLiteral("no-such-folder/karavel.ini"));
    TIniFile ini(path);
    try {
        ini.WriteBool("Config", "AllowOneInstance", true);
        FAIL() << "no error";
    } catch (const EIniWriteError& error) {
        EXPECT_EQ(QString::fromStdString(error.what()), "Unable to write to " + path);
    }
    ini.DeleteKey("Config", "AllowOneInstance");

    SetContent("[Config]\nKeep=1\n");
    QFile::setPermissions(FPath, QFileDevice::WriteOwner);
    if (QFile(FPath).open(QIODevice::ReadOnly)) GTEST_SKIP() << "running with rights that ignore file permissions";
    EXPECT_THROW(FIni.WriteInteger("Config", "Other", 1), EIniWriteError);
    QFile::setPermissions(FPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(Content(), QByteArray("[Config]\nKeep=1\n"));
}

TEST(DefaultSettingsFileName, SitsBesideAWritableProgram)
{
    const QString expected = QCoreApplication::applicationDirPath() + "/test_inifile.ini";
    EXPECT_EQ(platform::DefaultSettingsFileName(), expected);
}
