// The go-to-page dialog: what can be typed, and what OK gives.
#include "TestBooks.h"
#include "fMain.h"
#include "fPageNum.h"

#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QtTest>

namespace {
// Types into the dialog once it is shown, then presses Enter or Escape.
void AnswerDialog(TfrmPageNum& dialog, const QString& keys, Qt::Key closeKey = Qt::Key_Return)
{
    QTimer::singleShot(0, &dialog, [&dialog, keys, closeKey] {
        QTest::keyClicks(dialog.Edit(), keys);
        QTest::keyClick(dialog.Edit(), closeKey);
    });
}
}  // namespace

class PageNumTest : public QObject {
    Q_OBJECT
private slots:
    void DigitsPassOnlyUpToThePageCount()
    {
        QVERIFY(PageTextAccepted("250", 250));
        QVERIFY(!PageTextAccepted("251", 250));
        QVERIFY(PageTextAccepted("0", 250));  // a leading zero may be typed
        QVERIFY(PageTextAccepted("007", 250));
        QVERIFY(!PageTextAccepted("2x", 250));
        QVERIFY(!PageTextAccepted("999999999999", 250));
    }

    void TypingIntoTheEntryFollowsTheFilter()
    {
        testbooks::TSandbox sandbox;
        TfrmMain window;
        window.OpenBook(sandbox.Write("many.wol", testbooks::BookWithPages(250, false)));
        testbooks::Idle();
        TfrmPageNum& dialog = *window.PageNumDialog();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Go to page..."));

        AnswerDialog(dialog, "2a51");  // "a" is dropped, and "1" would give 251
        window.Common().actGoToPage->trigger();
        QCOMPARE(dialog.Label()->text(), QStringLiteral("Enter page (1..250):"));
        QCOMPARE(dialog.Edit()->maxLength(), 3);
        QCOMPARE(dialog.Edit()->text(), QStringLiteral("25"));
        QCOMPARE(window.PageIndex(), 24);

        // The entry keeps its text; Escape changes nothing.
        AnswerDialog(dialog, "\b\b7", Qt::Key_Escape);
        window.Common().actGoToPage->trigger();
        QCOMPARE(dialog.Edit()->text(), QStringLiteral("7"));
        QCOMPARE(window.PageIndex(), 24);

        dialog.Edit()->clear();
        AnswerDialog(dialog, "0");
        window.Common().actGoToPage->trigger();
        QCOMPARE(window.PageIndex(), 24);

        dialog.Edit()->clear();
        AnswerDialog(dialog, "7");
        window.Common().actGoToPage->trigger();
        QCOMPARE(window.PageIndex(), 6);

        dialog.Edit()->clear();
        AnswerDialog(dialog, "");
        window.Common().actGoToPage->trigger();
        QCOMPARE(window.PageIndex(), 6);
    }
};

QTEST_MAIN(PageNumTest)
#include "PageNumTest.moc"
