// One page turn in the real window: read, decode, convert, turn, scale and paint a 600 by
// 800 2-bit LZSS page. Run with QT_QPA_PLATFORM=offscreen, e.g.
//   bench_pageturn -median 9
#include "ImageView.h"
#include "Lzss.h"
#include "SampleArt.h"
#include "fMain.h"
#include "uGlobals.h"
#include "uWolfBuilder.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <fstream>
#include <unistd.h>

namespace {
constexpr int ZoomOneToOne = 0;
constexpr int Zoom100 = 4;

long ResidentKiB()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}
}  // namespace

class PageTurnBenchmark : public QObject {
    Q_OBJECT
private:
    QTemporaryDir FDir;
    std::unique_ptr<TfrmMain> FWindow;

    // Shows the other of two pages and paints it at once.
    void TurnPage()
    {
        FWindow->ShowPage(FWindow->PageIndex() == 0 ? 1 : 0);
        FWindow->PageView()->viewport()->repaint();
    }

    void SetZoom(int entry)
    {
        FWindow->ScaleList()->setCurrentIndex(entry);
        FWindow->ApplyScale();
    }

private slots:
    void initTestCase()
    {
        globals::SettingsFileName = FDir.filePath("karavel.ini");
        wolf::TWolfBookBuilder book;
        for (int chapter = 0; chapter < 2; ++chapter) {
            const std::string packed = wolf::lzss::Pack(sampleart::PackPixels(sampleart::DrawChapterPage(chapter), 2));
            book.AddImagePage(sampleart::PageWidth, sampleart::PageHeight, 2, true, packed);
        }
        const std::string bytes = book.Build();
        QFile file(FDir.filePath("bench.wol"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes.data(), static_cast<qint64>(bytes.size()));
        file.close();

        FWindow = std::make_unique<TfrmMain>();
        FWindow->resize(900, 1000);
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
        FWindow->OpenBook(file.fileName());
        QCOMPARE(FWindow->PageCount(), 2);
    }

    void cleanupTestCase() { FWindow.reset(); }

    void TurnAt100Percent()
    {
        SetZoom(Zoom100);
        QBENCHMARK
        {
            TurnPage();
        }
    }

    void TurnAtOneToOne()
    {
        SetZoom(ZoomOneToOne);
        QBENCHMARK
        {
            TurnPage();
        }
    }

    // A thousand turns: the median time of one, and the resident memory before and after.
    void ThousandTurnsKeepMemoryFlat()
    {
        for (int zoom : {Zoom100, ZoomOneToOne}) {
            SetZoom(zoom);
            for (int i = 0; i < 20; ++i) TurnPage();  // warm up caches and fonts
            const long before = ResidentKiB();
            std::vector<qint64> times;
            QElapsedTimer timer;
            for (int i = 0; i < 1000; ++i) {
                timer.start();
                TurnPage();
                times.push_back(timer.nsecsElapsed());
            }
            const long after = ResidentKiB();
            std::nth_element(times.begin(), times.begin() + 500, times.end());
            qInfo("%s: median turn %.2f ms; resident %ld KiB before, %ld KiB after 1000 turns",
                  zoom == Zoom100 ? "100%" : "1:1", times[500] / 1e6, before, after);
            QVERIFY2(after - before < 4096, "memory grows with page turns");
        }
    }
};

QTEST_MAIN(PageTurnBenchmark)
#include "PageTurnBenchmark.moc"
