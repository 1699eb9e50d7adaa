// What the page panel shows: turned pages, zoom factors and the message page.
#include "BookSession.h"
#include "ImageView.h"
#include "Screen.h"
#include "TestBooks.h"
#include "Zoom.h"
#include "fMain.h"
#include "uGlobals.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

class PageDisplayTest : public QObject {
    Q_OBJECT
private slots:
    void OrientationTurnsThePagePixelByPixel()
    {
        testbooks::TSandbox sandbox;
        constexpr int W = 6, H = 3;
        TfrmMain window;
        window.OpenBook(sandbox.Write("turn.wol", testbooks::PatternBook(W, H)));

        const auto grey = [&](int x, int y) { return qGray(window.PageView()->Bitmap().pixel(x, y)); };
        QCOMPARE(window.PageView()->Bitmap().size(), QSize(W, H));
        QCOMPARE(grey(W - 1, 0), testbooks::PatternGrey(W - 1, 0));

        window.Common().actLandscapeLeft->trigger();
        QCOMPARE(window.PageView()->Bitmap().size(), QSize(H, W));
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) QCOMPARE(grey(y, W - 1 - x), testbooks::PatternGrey(x, y));

        window.Common().actOrientation->trigger();  // on to landscape right
        QCOMPARE(window.Orientation(), pagepicture::TOrientation::LandscapeRight);
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) QCOMPARE(grey(H - 1 - y, x), testbooks::PatternGrey(x, y));

        window.Common().actOrientation->trigger();  // and round to portrait
        QCOMPARE(window.Orientation(), pagepicture::TOrientation::Portrait);
        QCOMPARE(window.PageView()->Bitmap().size(), QSize(W, H));
    }

    void ZoomEntriesGiveTheirFactors()
    {
        const QSize screen(1280, 1024), page(600, 800);
        const auto oneToOne = ZoomFactors(0, screen, 360, 270, page);
        QVERIFY(oneToOne);
        QCOMPARE(oneToOne->X, double(float(1280.0 * 90 / (360.0 * 600))));
        QCOMPARE(oneToOne->Y, double(float(1024.0 * 122 / (270.0 * 800))));
        QVERIFY(qAbs(oneToOne->X - 0.5333) < 1e-4 && qAbs(oneToOne->Y - 0.5784) < 1e-4);
        QCOMPARE(ZoomFactors(8, screen, 360, 270, page)->X, 2.0);
        QCOMPARE(ZoomFactors(1, screen, 360, 270, page)->Y, 0.25);
        QCOMPARE(ZoomFactors(3, screen, 360, 270, page)->X, 0.75);
        QVERIFY(!ZoomFactors(9, screen, 360, 270, page));
        QVERIFY(!ZoomFactors(-1, screen, 360, 270, page));
    }

    void OneToOneUsesTheDecodedSizeInEveryOrientation()
    {
        testbooks::TSandbox sandbox;
        wolf::TWolfBookBuilder book;
        book.AddImagePage(300, 400, 2, false, testbooks::Plain2Bit(300, 400, 3));
        TfrmMain window;
        TImageView* view = window.PageView();
        window.ScaleList()->setCurrentIndex(0);
        window.ApplyScale();  // nothing decoded yet: a 600 by 800 page is assumed
        const QSize screen = platform::PrimaryScreenSize();
        QCOMPARE(view->ScaleX(), ZoomFactors(0, screen, 360, 270, {600, 800})->X);

        window.OpenBook(sandbox.Write("zoom.wol", book));
        const TScaleFactors expected = *ZoomFactors(0, screen, 360, 270, {300, 400});
        QCOMPARE(view->ScaleX(), expected.X);
        QCOMPARE(view->ScaleY(), expected.Y);
        window.Common().actLandscapeRight->trigger();
        QCOMPARE(view->ScaleX(), expected.X);
        QCOMPARE(view->ScaleY(), expected.Y);

        window.ScaleList()->setCurrentIndex(8);
        window.ApplyScale();
        QCOMPARE(view->ScaleX(), 2.0);
        QCOMPARE(view->ScaledBitmap().size(), QSize(800, 600));
        view->SetScale(0, -1);
        QCOMPARE(view->ScaleX(), TImageView::MinScale);
    }

    void InvalidPageIsDrawnAsAMessagePage()
    {
        testbooks::TSandbox sandbox;
        wolf::TWolfBookBuilder book = testbooks::BookWithPages(1, false);
        book.SetEntryOrder({0});
        book.AddRawEntry(0);
        const QString path = sandbox.Write("invalid.wol", book);
        TfrmMain window;
        window.OpenBook(path);
        session::TBookSession read;
        read.Open(path);
        const int invalid = read.Reader().Pages[0].IsValid() ? 1 : 0;
        QVERIFY(!read.Reader().Pages[invalid].IsValid());
        window.ShowPage(1 - invalid);
        window.ShowPage(invalid);
        QCOMPARE(window.PageLabel()->text(), QStringLiteral("Page %1 of 2").arg(invalid + 1));
        const QImage page = window.PageView()->Bitmap();
        QCOMPARE(page.size(), QSize(600, 800));
        QCOMPARE(page.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(page.pixelColor(599, 799), QColor(Qt::black));
        QCOMPARE(page.pixelColor(1, 1), QColor(Qt::white));
        int inkLeft = 600, inkRight = -1, inkTop = 800, inkBottom = -1;
        for (int y = 2; y < 798; ++y)
            for (int x = 2; x < 598; ++x)
                if (qGray(page.pixel(x, y)) < 128) {
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                }
        QVERIFY2(inkRight > inkLeft, "the message is drawn");
        QVERIFY(qAbs((inkLeft + inkRight) - 600) < 12);  // centred across
        QVERIFY(qAbs((inkTop + inkBottom) - 800) < 12);  // and down
        QVERIFY(sandbox.Boxes.Texts().isEmpty());

        // Navigation goes on: the valid page shows normally.
        window.ShowPage(1 - invalid);
        QVERIFY(window.PageView()->Bitmap().size() != QSize(600, 800));
    }

    void UndecodablePageShowsTheMessage()
    {
        testbooks::TSandbox sandbox;
        wolf::TWolfBookBuilder book;
        book.AddImagePage(8, 4, 2, false, std::string(3, '\0'));  // less than a byte a row
        book.AddImagePage(8, 4, 2, false, testbooks::Plain2Bit(8, 4, 0));
        TfrmMain window;
        window.OpenBook(sandbox.Write("broken.wol", book));
        QCOMPARE(window.PageView()->Bitmap().size(), QSize(600, 800));
        QCOMPARE(window.PageLabel()->text(), QStringLiteral("Page 1 of 2"));
        testbooks::Idle();
        window.Common().actShowNext->trigger();
        QCOMPARE(window.PageView()->Bitmap().size(), QSize(8, 4));
        QVERIFY(sandbox.Boxes.Texts().isEmpty());
    }
};

QTEST_MAIN(PageDisplayTest)
#include "PageDisplayTest.moc"
