// The settings file as the window leaves it, and hand-edited values read back sanely.
#include "Settings.h"
#include "TestBooks.h"
#include "fMain.h"
#include "uGlobals.h"

#include <QComboBox>
#include <QFile>
#include <QtTest>

namespace {
QStringList FileLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QStringList lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.trimmed().isEmpty()) lines.append(QString::fromUtf8(line.trimmed()));
    return lines;
}
}  // namespace

class SettingsTest : public QObject {
    Q_OBJECT
private slots:
    void FirstExitWritesEveryKeyInOrder()
    {
        testbooks::TSandbox sandbox;
        {
            TfrmMain window;
            QCOMPARE(window.width(), 465);  // the default 450 is below the minimum
            QCOMPARE(window.pos(), QPoint(20, 100));
            QCOMPARE(window.ScaleList()->currentText(), QStringLiteral("100%"));
        }
        const QStringList expected = {
            "[Config]",         "AllowOneInstance=1", "AutoHideTOC=0",     "DefScaleIdx=4", "MonitorType=0",
            "MonitorWidth=360", "MonitorHeight=270",  "TextEncoding=auto", "[MainWindow]",  "PosTop=100",
            "PosLeft=20",       "Height=520",         "Width=465",         "[Reading]",     "ResumeReading=0",
            "[MakeBook]",       "Screen=6inch-800",   "CropMargins=0",     "Spread=0",      "Strips=0",
            "RightToLeft=0",    "Gamma=100",          "AutoContrast=1",    "Bits=2",        "Dither=0",
            "Stretch=0",        "Upscale=0",          "SkipBadPictures=0"};
        QCOMPARE(FileLines(sandbox.SettingsFile()), expected);
    }

    void RecentFilesCloseGapsAndDropStaleKeys()
    {
        testbooks::TSandbox sandbox;
        testbooks::WriteAll(sandbox.SettingsFile(), "[MRUList]\nMRU1=/books/a.wol\nMRU3=/books/c.wol\nMRU4=\n");
        settings::TSettings settings(sandbox.SettingsFile());
        QStringList recent;
        settings.Load(recent);
        QCOMPARE(recent, (QStringList{"/books/a.wol", "/books/c.wol"}));
        settings.Save(recent);
        const QStringList lines = FileLines(sandbox.SettingsFile());
        QVERIFY(lines.contains("MRU1=/books/a.wol"));
        QVERIFY(lines.contains("MRU2=/books/c.wol"));
        QVERIFY(!lines.join(' ').contains("MRU3"));
        QVERIFY(!lines.join(' ').contains("MRU4"));
    }

    void HandEditedValuesAreReadSanely()
    {
        testbooks::TSandbox sandbox;
        testbooks::WriteAll(sandbox.SettingsFile(),
                            "[Config]\nAllowOneInstance=7\nDefScaleIdx=12\nMonitorWidth=0x168\n"
                            "MonitorHeight=abc\n[MainWindow]\nPosLeft=-30000\nPosTop=-30000\n");
        settings::TSettings settings(sandbox.SettingsFile());
        QStringList recent;
        settings.Load(recent);
        QCOMPARE(settings.Values().AllowOneInstance, true);
        QCOMPARE(settings.Values().DefScaleIdx, 10);  // the last entry, "Fit Width"
        QCOMPARE(settings.Values().MonitorWidth, 360);
        QCOMPARE(settings.Values().MonitorHeight, 270);
        QVERIFY(globals::ReadAllowOneInstance());

        testbooks::WriteAll(sandbox.SettingsFile(),
                            "[Config]\nAllowOneInstance=0\nDefScaleIdx=-3\nMonitorWidth=0\n"
                            "[MainWindow]\nPosLeft=-30000\nPosTop=-30000\n");
        QVERIFY(!globals::ReadAllowOneInstance());
        settings.Load(recent);
        QCOMPARE(settings.Values().DefScaleIdx, 0);
        QCOMPARE(settings.Values().MonitorWidth, 5);

        // A window stored far off every screen comes back onto the primary one.
        TfrmMain window;
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(window.pos()));
    }
};

QTEST_MAIN(SettingsTest)
#include "SettingsTest.moc"
