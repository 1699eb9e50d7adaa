// The main window's commands, keys and recent files on real book files.
#include "ImageView.h"
#include "TestBooks.h"
#include "fMain.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>

namespace {
struct TActionStates {
    bool First, Prev, Next, Last, Cover;
};

TActionStates States(TfrmMain& window)
{
    testbooks::Idle();
    const TdmCommon& c = window.Common();
    return {c.actShowFirst->isEnabled(), c.actShowPrev->isEnabled(), c.actShowNext->isEnabled(),
            c.actShowLast->isEnabled(), c.actShowCover->isEnabled()};
}

using testbooks::PressKey;
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void EveryToolbarItemIsInSightAtTheNarrowestWidth()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.resize(window.minimumSize());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.width(), 465);  // also the default: 450 is below the minimum
        auto* toolbar = window.findChild<QToolBar*>();
        for (QAction* action : toolbar->actions()) {
            if (!action->isSeparator())
                QVERIFY2(toolbar->widgetForAction(action)->isVisible(), qPrintable(action->text()));
        }
        QVERIFY(window.PageLabel()->isVisible());
    }

    void BookWithCoverOpensOnTheCover()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.OpenBook(sandbox.Write("cover.wol", testbooks::BookWithPages(3, true)));
        QCOMPARE(window.PageIndex(), -1);
        QCOMPARE(window.PageLabel()->text(), QStringLiteral("Cover Page"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Karavel - [cover.wol]"));
        TActionStates s = States(window);
        QVERIFY(s.First && !s.Prev && s.Next && s.Last && !s.Cover);

        window.Common().actShowNext->trigger();
        QCOMPARE(window.PageIndex(), 0);
        QCOMPARE(window.PageLabel()->text(), QStringLiteral("Page 1 of 3"));
        s = States(window);
        QVERIFY(!s.First && !s.Prev && s.Next && s.Cover);

        window.Common().actShowCover->trigger();
        testbooks::Idle();
        window.Common().actShowFirst->trigger();
        QCOMPARE(window.PageIndex(), 0);
    }

    void BookWithoutCoverOpensOnPageOne()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.OpenBook(sandbox.Write("plain.wol", testbooks::BookWithPages(2, false)));
        QCOMPARE(window.PageIndex(), 0);
        const TActionStates s = States(window);
        QVERIFY(!s.First && !s.Prev && s.Next && s.Last && !s.Cover);
        QVERIFY(window.Common().actGoToPage->isEnabled());
        QVERIFY(!window.Common().actShowTOC->isEnabled());  // no table of contents
    }

    void KeysTurnPagesButStopAtTheLastPage()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PressKey(window, Qt::Key_Right);  // no book yet: ignored
        QCOMPARE(window.PageIndex(), 0);

        window.OpenBook(sandbox.Write("keys.wol", testbooks::BookWithPages(3, false)));
        testbooks::Idle();
        PressKey(window, Qt::Key_End);
        QCOMPARE(window.PageIndex(), 2);
        const TActionStates s = States(window);
        QVERIFY(!s.Next && !s.Last && s.Prev && s.First);
        for (Qt::Key key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_PageDown, Qt::Key_Space}) {
            PressKey(window, key);
            QCOMPARE(window.PageIndex(), 2);
        }
        PressKey(window, Qt::Key_Left, Qt::ShiftModifier);  // modifiers are not looked at
        QCOMPARE(window.PageIndex(), 1);
        PressKey(window, Qt::Key_Backspace);
        QCOMPARE(window.PageIndex(), 0);
        PressKey(window, Qt::Key_Up);  // already on the first page
        QCOMPARE(window.PageIndex(), 0);
        PressKey(window, Qt::Key_PageDown);
        testbooks::Idle();
        PressKey(window, Qt::Key_Home);
        QCOMPARE(window.PageIndex(), 0);
    }

    void CtrlCShowsTheCoverAlsoFromATextPage()
    {
        testbooks::TSandbox sandbox;
        wolf::TWolfBookBuilder book = testbooks::BookWithPages(1, true);
        book.AddTextPage("First line\r\nSecond line");
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        window.OpenBook(sandbox.Write("text.wol", book));
        window.ShowPage(1);
        QVERIFY(window.TextView()->isVisible());
        QVERIFY(!window.PageView()->isVisible());
        QCOMPARE(window.TextView()->toPlainText(), QStringLiteral("First line\nSecond line"));
        QCOMPARE(QApplication::focusWidget(), window.TextView());
        testbooks::Idle();
        PressKey(window, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(window.PageIndex(), -1);
        QVERIFY(window.PageView()->isVisible());
    }

    void RecentFilesKeepOneEntryPerBookAndAtMostFive()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        const TRecentFiles& recent = window.Common().mruList;
        const QString first = sandbox.Write("first.wol", testbooks::BookWithPages(1, false));
        window.OpenBook(first);
        window.OpenBook(first);
        // The list shows the system's own spelling of paths.
        QCOMPARE(recent.Items(), QStringList{QDir::toNativeSeparators(first)});
        // Letter case does not make another entry; the new spelling replaces the old.
        const QString upper = sandbox.Path("FIRST.wol");
#ifdef Q_OS_WIN
        window.OpenBook(upper);  // the same file: Windows names ignore letter case
#else
        QVERIFY_THROWS_EXCEPTION(wolf::EStreamError, window.OpenBook(upper));
#endif
        QCOMPARE(recent.Items(), QStringList{QDir::toNativeSeparators(upper)});

        QStringList opened;
        for (int i = 0; i < 6; ++i) {
            const QString book = sandbox.Write(QStringLiteral("book%1.wol").arg(i), testbooks::BookWithPages(1, false));
            window.OpenBook(book);
            opened.prepend(QDir::toNativeSeparators(book));
        }
        QCOMPARE(recent.Items(), opened.mid(0, 5));
        QCOMPARE(TRecentFiles::Caption(0, "/a & b.wol"), QStringLiteral("&1 /a && b.wol"));
    }

    void MissingRecentFileLeavesNoBookAndStaysOnTop()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.OpenBook(sandbox.Write("good.wol", testbooks::BookWithPages(2, false)));
        const QString missing = sandbox.Path("gone.wol");
        try {
            window.OpenBook(missing);
            QFAIL("a missing file must raise");
        } catch (const wolf::EStreamError& error) {
            QVERIFY(QString::fromLocal8Bit(error.what())
                        .startsWith(QStringLiteral("Cannot open file \"%1\". ").arg(missing)));
        }
        QCOMPARE(window.Common().mruList.Items().front(), QDir::toNativeSeparators(missing));
        QCOMPARE(window.PageCount(), 0);
        QCOMPARE(window.windowTitle(), QStringLiteral("Karavel"));
    }

    void BadBooksLeaveTheWindowEmpty()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.OpenBook(sandbox.Write("good.wol", testbooks::BookWithPages(2, true)));

        wolf::TWolfBookBuilder wrongMagic = testbooks::BookWithPages(2, true);
        wrongMagic.Magic = "NotAWolfBook!";
        QVERIFY_THROWS_EXCEPTION(wolf::EWolf, window.OpenBook(sandbox.Write("bad.wol", wrongMagic)));
        QCOMPARE(window.windowTitle(), QStringLiteral("Karavel"));
        QCOMPARE(window.PageLabel()->text(), QString());
        QCOMPARE(window.PageCount(), 0);
        QCOMPARE(sandbox.Boxes.Texts(), QStringList());  // the caller reports it
        window.Common().actLandscapeLeft->trigger();     // turning draws nothing on the empty window
        QCOMPARE(window.PageLabel()->text(), QString());
        const QImage picture = window.PageView()->Bitmap();
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::black));
        testbooks::Idle();
        for (QAction* action :
             {window.Common().actShowFirst, window.Common().actShowNext, window.Common().actGoToPage,
              window.Common().actShowCover, window.Common().actShowDescription, window.Common().actEditTOC})
            QVERIFY(!action->isEnabled());

        // A book cut short is not malformed: it is reported here, plainly.
        wolf::TWolfBookBuilder described = testbooks::BookWithPages(2, true);
        described.Description = "<title>" + std::string(300, 'x') + "</title>";
        window.OpenBook(sandbox.Write("short.wol", described.Build().substr(0, 200)));
        QCOMPARE(sandbox.Boxes.Texts(), QStringList{"Error reading Wolf file!"});
        QCOMPARE(window.windowTitle(), QStringLiteral("Karavel"));
    }

    void ReopenReturnsToThePageShown()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.OpenBook(sandbox.Write("reopen.wol", testbooks::BookWithPages(4, true)));
        window.ShowPage(2);
        window.ReopenBook();
        QCOMPARE(window.PageIndex(), 2);
        QCOMPARE(window.PageLabel()->text(), QStringLiteral("Page 3 of 4"));

#ifndef Q_OS_WIN
        // A book that can no longer be read is reported once and left closed, with no page label.
        // (Windows lets no one write a book the viewer holds open.)
        wolf::TWolfBookBuilder cutShort = testbooks::BookWithPages(4, true);
        cutShort.Description = "<title>" + std::string(300, 'x');
        sandbox.Write("reopen.wol", cutShort.Build().substr(0, 200));
        window.ShowPage(-1);
        window.ReopenBook();
        QCOMPARE(sandbox.Boxes.Texts(), QStringList{"Error reading Wolf file!"});
        QCOMPARE(window.PageLabel()->text(), QString());
        QCOMPARE(window.PageCount(), 0);
#endif
    }

    void WheelScrollsThePictureShiftSideways()
    {
        testbooks::TSandbox sandbox;
        wolf::TWolfBookBuilder book;
        book.AddImagePage(600, 800, 2, false, testbooks::Plain2Bit(600, 800, 2));
        TfrmMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.OpenBook(sandbox.Write("wide.wol", book));
        window.ScaleList()->setCurrentIndex(8);
        window.ApplyScale();
        TImageView* view = window.PageView();
        const auto turnWheel = [&](int delta, Qt::KeyboardModifiers modifiers) {
            const QPointF centre = view->viewport()->rect().center();
            QWheelEvent wheel(centre, view->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, delta), Qt::NoButton,
                              modifiers, Qt::NoScrollPhase, false);
            QApplication::sendEvent(view->viewport(), &wheel);
        };
        turnWheel(-120, Qt::NoModifier);  // towards the user: down
        QCOMPARE(view->verticalScrollBar()->value(), 120);
        turnWheel(-120, Qt::ControlModifier);
        QCOMPARE(view->verticalScrollBar()->value(), 240);
        turnWheel(-120, Qt::ShiftModifier);
        QCOMPARE(view->horizontalScrollBar()->value(), 120);
        turnWheel(120, Qt::ShiftModifier);
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
        QCOMPARE(view->verticalScrollBar()->value(), 240);
    }

    void ErrorReportAddsAFullStopOnlyWhereNeeded()
    {
        QCOMPARE(dialogs::WithFullStop("Stream read error"), QStringLiteral("Stream read error."));
        QCOMPARE(dialogs::WithFullStop("Done."), QStringLiteral("Done."));
        QCOMPARE(dialogs::WithFullStop("Error reading Wolf file!"), QStringLiteral("Error reading Wolf file!"));
        QCOMPARE(dialogs::WithFullStop("(code 5)"), QStringLiteral("(code 5)"));
        QCOMPARE(dialogs::WithFullStop(""), QString());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
