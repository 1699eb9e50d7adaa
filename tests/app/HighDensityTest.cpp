// On a screen of device pixel ratio 2 (QT_SCALE_FACTOR=2 on the offscreen platform) the page
// is resampled from the decoded page straight to the physical pixels, and the action
// pictures are drawn at the physical size.
#include "ActionIcons.h"
#include "ImageView.h"
#include "TestBooks.h"
#include "fMain.h"

#include <QComboBox>
#include <QtTest>

class HighDensityTest : public QObject {
    Q_OBJECT
private slots:
    void PagesAndIconsUseThePhysicalPixels()
    {
        testbooks::TSandbox sandbox;
        constexpr int W = 8, H = 6;
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatioF(), 2.0);
        window.OpenBook(sandbox.Write("sharp.wol", testbooks::PatternBook(W, H)));
        window.ScaleList()->setCurrentIndex(2);  // 50 %: one page pixel to one device pixel
        window.ApplyScale();

        const QImage shown = window.PageView()->ScaledBitmap();
        QCOMPARE(shown.devicePixelRatio(), 2.0);
        QCOMPARE(shown.size(), QSize(W, H));
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) QCOMPARE(qGray(shown.pixel(x, y)), testbooks::PatternGrey(x, y));

        window.ScaleList()->setCurrentIndex(4);  // 100 %: twice the page's pixels
        window.ApplyScale();
        QCOMPARE(window.PageView()->ScaledBitmap().size(), QSize(2 * W, 2 * H));

        for (const qreal ratio : {1.5, 2.0, 3.0}) {
            const QPixmap icon = ActionIcon(dialogs::TActionImage::FileOpen).pixmap(QSize(16, 16), ratio);
            QCOMPARE(icon.size(), QSize(16, 16) * ratio);
        }
    }
};

QTEST_MAIN(HighDensityTest)
#include "HighDensityTest.moc"
