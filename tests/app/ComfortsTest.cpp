// Reading comforts: fitting zooms and zoom steps, full screen, reopening books where they
// were left, dropped files and the page's edge.
#include "ImageView.h"
#include "ReadingPositions.h"
#include "TestBooks.h"
#include "fMain.h"
#include "uGlobals.h"

#include "IniFile.h"

#include <QComboBox>
#include <QMenuBar>
#include <QMimeData>
#include <QToolBar>
#include <QtTest>

namespace {
void WriteSetting(const testbooks::TSandbox& sandbox, const QString& section, const QString& key, const QString& value)
{
    platform::TIniFile(sandbox.SettingsFile()).WriteString(section, key, value);
}

// The scaled picture lies wholly inside the view and touches its edges on the fitted axis.
void VerifyFits(TImageView* view, bool wholePage)
{
    const QSize area = view->maximumViewportSize().shrunkBy(QMargins() + TImageView::FitMargin);
    const QSizeF shown(view->Bitmap().width() * view->ScaleX(), view->Bitmap().height() * view->ScaleY());
    QCOMPARE(view->ScaleX(), view->ScaleY());
    if (wholePage) {
        QVERIFY(shown.width() <= area.width() + 0.5 && shown.height() <= area.height() + 0.5);
        QVERIFY(qAbs(shown.width() - area.width()) < 1 || qAbs(shown.height() - area.height()) < 1);
    } else {
        QVERIFY(shown.width() <= area.width() + 0.5);
        QVERIFY(area.width() - shown.width() <= view->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 1);
    }
}
}  // namespace

class ComfortsTest : public QObject {
    Q_OBJECT
private slots:
    void FitEntriesFollowTheWindowAndKeysStepThroughPercentages()
    {
        testbooks::TSandbox sandbox;
        WriteSetting(sandbox, "Config", "DefScaleIdx", "9");
        wolf::TWolfBookBuilder book;
        book.AddImagePage(300, 400, 2, false, testbooks::Plain2Bit(300, 400, 3));
        TfrmMain window;
        QCOMPARE(window.ScaleList()->currentIndex(), 9);
        QCOMPARE(window.ScaleList()->itemText(9), QStringLiteral("Fit Page"));
        QCOMPARE(window.ScaleList()->itemText(8), QStringLiteral("200%"));
        window.resize(600, 500);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenBook(sandbox.Write("fit.wol", book));
        TImageView* view = window.PageView();
        VerifyFits(view, true);

        window.resize(900, 1000);
        QTRY_VERIFY(view->maximumViewportSize().width() > 800);
        VerifyFits(view, true);
        window.Common().actLandscapeLeft->trigger();
        VerifyFits(view, true);

        window.ScaleList()->setCurrentIndex(10);
        window.ApplyScale();
        VerifyFits(view, false);
        window.resize(700, 400);
        QTRY_VERIFY(view->maximumViewportSize().width() < 700);
        VerifyFits(view, false);

        // From a fitted factor to the next percentage entry each way, and not past the ends.
        const double fitted = view->ScaleX();
        testbooks::PressKey(window, Qt::Key_Equal, Qt::ControlModifier);
        QVERIFY(view->ScaleX() > fitted);
        QCOMPARE(view->ScaleX(), window.ScaleList()->currentIndex() * 0.25);
        testbooks::PressKey(window, Qt::Key_Minus, Qt::ControlModifier);
        QVERIFY(view->ScaleX() < fitted);
        window.ScaleList()->setCurrentIndex(8);
        window.ApplyScale();
        window.Common().actZoomIn->trigger();
        QCOMPARE(window.ScaleList()->currentIndex(), 8);

        WriteSetting(sandbox, "Config", "DefScaleIdx", "11");
        TfrmMain outOfRange;
        QCOMPARE(outOfRange.ScaleList()->currentIndex(), 10);
    }

    void FullScreenHidesTheBarsAndIsNotStored()
    {
        testbooks::TSandbox sandbox;
        {
            TfrmMain window;
            window.resize(500, 400);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            testbooks::PressKey(window, Qt::Key_F11);
            QVERIFY(window.isFullScreen());
            QVERIFY(!window.menuBar()->isVisible());
            QVERIFY(!window.findChild<QToolBar*>()->isVisible());
            QVERIFY(window.Common().actFullScreen->isChecked());
            // The keys still work with the menu bar hidden.
            testbooks::PressKey(window, Qt::Key_F11);
            QVERIFY(!window.isFullScreen());
            QVERIFY(window.menuBar()->isVisible());
            testbooks::PressKey(window, Qt::Key_F11);
            QVERIFY(window.isFullScreen());
        }
        const platform::TIniFile ini(sandbox.SettingsFile());
        QCOMPARE(ini.ReadInteger("MainWindow", "Width", 0), 500);
        QCOMPARE(ini.ReadInteger("MainWindow", "Height", 0), 400);

        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!window.isFullScreen());
        window.SetFullScreen(true);
        testbooks::PressKey(window, Qt::Key_Escape);
        QVERIFY(!window.isFullScreen());
        QVERIFY(!window.Common().actFullScreen->isChecked());
    }

    void BooksReopenAtTheirLastPageOnlyWhenAsked()
    {
        testbooks::TSandbox sandbox;
        const QString first = sandbox.Write("first.wol", testbooks::BookWithPages(5, true));
        const QString second = sandbox.Write("second.wol", testbooks::BookWithPages(3, false));
        {
            TfrmMain window;  // off by default: the classic behaviour, nothing stored
            window.OpenBook(first);
            window.ShowPage(3);
            window.OpenBook(second);
            window.OpenBook(first);
            QCOMPARE(window.PageIndex(), -1);
        }
        QVERIFY(testbooks::ReadAll(sandbox.SettingsFile()).find("LastPages") == std::string::npos);

        WriteSetting(sandbox, "Reading", "ResumeReading", "1");
        {
            TfrmMain window;
            window.OpenBook(first);
            window.ShowPage(3);
            window.OpenBook(second);
            window.ShowPage(2);
            window.OpenBook(first);
            QCOMPARE(window.PageIndex(), 3);
        }
        {
            TfrmMain window;  // a new run remembers both
            window.OpenBook(second);
            QCOMPARE(window.PageIndex(), 2);
            window.OpenBook(first);
            QCOMPARE(window.PageIndex(), 3);
        }
        // Another book under the same name starts at its beginning.
        sandbox.Write("first.wol", testbooks::BookWithPages(6, true));
        TfrmMain window;
        window.OpenBook(first);
        QCOMPARE(window.PageIndex(), -1);

        // Stored values that cannot be read are skipped; only the last hundred books are kept.
        TReadingPositions positions;
        QVERIFY(!TReadingPositions::Decode("x,10,/a.wol"));
        QVERIFY(!TReadingPositions::Decode("3,10"));
        QCOMPARE(TReadingPositions::Decode("3,10,/a,b.wol")->Path, QStringLiteral("/a,b.wol"));
        for (int i = 0; i <= TReadingPositions::MaxBooks; ++i)
            positions.Remember({QStringLiteral("/book%1.wol").arg(i), 10, i});
        QCOMPARE(positions.Entries().size(), TReadingPositions::MaxBooks);
        QVERIFY(!positions.Find("/book0.wol", 10));
        QCOMPARE(positions.Find("/book1.wol", 10), 1);
    }

    void DroppedBooksOpenAndOtherFilesAreRefused()
    {
        testbooks::TSandbox sandbox;
        const QString book = sandbox.Write("dropped.WOL", testbooks::BookWithPages(2, false));
        const QString text = sandbox.Write("notes.txt", "WolfEbook1.11 is not enough");
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.acceptDrops());
        const auto drop = [&](const QList<QUrl>& urls) {
            QMimeData data;
            data.setUrls(urls);
            // As the windowing system delivers them: to the window, entering before dropping.
            const QPoint where(50, 100);
            QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.windowHandle(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.windowHandle(), &drop);
            QCoreApplication::processEvents();
        };
        drop({QUrl::fromLocalFile(text), QUrl::fromLocalFile(book)});
        QCOMPARE(window.windowTitle(), QStringLiteral("Karavel - [dropped.WOL]"));
        QCOMPARE(window.PageCount(), 2);
        QVERIFY(sandbox.Boxes.Texts().isEmpty());

        drop({QUrl::fromLocalFile(text)});
        QCOMPARE(sandbox.Boxes.Texts(), QStringList{"This is not a Wolf file."});
        QCOMPARE(window.windowTitle(), QStringLiteral("Karavel - [dropped.WOL]"));
        QCOMPARE(window.Common().mruList.Items().size(), 1);
    }

    void ThePageHasADarkEdgeOnTheGreySurround()
    {
        testbooks::TSandbox sandbox;
        wolf::TWolfBookBuilder book;
        book.AddImagePage(40, 40, 2, false, testbooks::Plain2Bit(40, 40, 1));  // grey like the surround
        TfrmMain window;
        window.resize(500, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenBook(sandbox.Write("edge.wol", book));
        const QImage shot = window.PageView()->viewport()->grab().toImage();
        const QPoint centre(shot.width() / 2, shot.height() / 2);
        const QPoint left = centre - QPoint(20, 0);  // the picture's first column
        QCOMPARE(qGray(shot.pixel(left)), 128);
        QVERIFY(qGray(shot.pixel(left - QPoint(1, 0))) < 64);
        QCOMPARE(qGray(shot.pixel(left - QPoint(3, 0))), 128);
        QVERIFY(qGray(shot.pixel(centre - QPoint(0, 21))) < 64);
    }
};

QTEST_MAIN(ComfortsTest)
#include "ComfortsTest.moc"
