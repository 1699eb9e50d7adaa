// The two edit save flows of the main window on real book files: what the user edits in
// the dialogs lands on disk exactly as the rewriter makes it, and a failed save loses nothing.
#include "ModalAnswer.h"
#include "TestBooks.h"

#include "fDescription.h"
#include "fMain.h"
#include "fTOC.h"
#include "uTOCTree.h"
#include "uWolfReplacer.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

// A book of three chapters open in a main window with its own settings, on a page.
struct TOpenBook {
    explicit TOpenBook(int page)
    {
        window.OpenBook(path);
        window.GoToPage(page);
    }
    testbooks::TSandbox sandbox;
    QString path = sandbox.Write("tale.wol", testbooks::ThreeChapterBook());
    std::string before = testbooks::ReadAll(path);
    TfrmMain window;
};

QTreeWidgetItem* Chapter(dialogs::TfrmTOC* window, int index)
{
    return window->tvwTOC->topLevelItem(0)->child(index);
}

}  // namespace

class SaveFlowTest : public QObject {
    Q_OBJECT
private slots:
    void DescriptionSaveWritesTheRewrittenBook()
    {
        TOpenBook book(3);
        auto& [sandbox, path, before, window] = book;

        WhenModal<dialogs::TfrmDescription>([](dialogs::TfrmDescription* shown) {
            shown->edtTitle->setText(QStringLiteral("A Longer Tale"));
            shown->btnSave->click();
        });
        testbooks::Idle();  // where the window enables its commands
        window.Common().actEditDescription->trigger();

        wolf::TWolfDescription expected;
        expected.FromText("<title>Tale\r\n<author>Ann\r\n");
        expected.SetField(0, "A Longer Tale");
        wolf::TMemoryStream source(before), destination;
        wolf::ReplaceDescription(source, destination, expected);
        QCOMPARE(testbooks::ReadAll(path), destination.Data());
        QCOMPARE(testbooks::ReadAll(path + ".bak"), before);
        QCOMPARE(sandbox.Boxes.Texts(), QStringList(QStringLiteral("Current Wolf file will be changed!\r\nContinue?")));
        QCOMPARE(window.PageIndex(), 3);
        // The book opened again names its new title.
        QCOMPARE(window.findChild<dialogs::TfrmTOC*>()->tvwTOC->topLevelItem(0)->text(0),
                 QStringLiteral("A Longer Tale"));
    }

    void TOCSaveWritesTheRewrittenBookAndReopensIt()
    {
        TOpenBook book(2);
        auto& [sandbox, path, before, window] = book;
        auto* toc = window.findChild<dialogs::TfrmTOC*>();

        WhenModal<dialogs::TfrmTOC>([](dialogs::TfrmTOC* editor) {
            editor->tvwTOC->setCurrentItem(Chapter(editor, 1));
            editor->actMoveUp->trigger();
            editor->actSave->trigger();
        });
        testbooks::Idle();  // where the window enables its commands
        window.Common().actEditTOC->trigger();

        wolf::TWolfTOCList expected;
        expected.AddItem(1, 0, 0, "Two", 2);
        expected.AddItem(1, 1, 0, "Two a", 3);
        expected.AddItem(1, 2, 0, "Two b", 4);
        expected.AddItem(2, 0, 0, "One", 0);
        expected.AddItem(2, 1, 0, "One a", 1);
        expected.AddItem(3, 0, 0, "Three", 5);
        wolf::TMemoryStream source(before), destination;
        wolf::TWolfReader reader;
        reader.Open(source);
        wolf::ReplaceTOC(source, destination, reader.Pages, expected);
        QCOMPARE(testbooks::ReadAll(path), destination.Data());
        QCOMPARE(testbooks::ReadAll(path + ".bak"), before);
        QCOMPARE(window.PageIndex(), 2);

        // The book opened again shows the tree as it was saved.
        QCOMPARE(Chapter(toc, 0)->text(0), QStringLiteral("Two [3]"));
        QCOMPARE(Chapter(toc, 0)->child(1)->text(0), QStringLiteral("Two b [5]"));
        QCOMPARE(Chapter(toc, 1)->text(0), QStringLiteral("One [1]"));
        QCOMPARE(toc->InvariantViolation(), QString());
    }

    void CancelledEditsChangeNothing()
    {
        TOpenBook book(-1);
        auto& [sandbox, path, before, window] = book;
        auto* toc = window.findChild<dialogs::TfrmTOC*>();

        WhenModal<dialogs::TfrmTOC>([](dialogs::TfrmTOC* editor) {
            editor->tvwTOC->setCurrentItem(Chapter(editor, 2));
            editor->actDeleteItem->trigger();
            editor->actCancel->trigger();
        });
        testbooks::Idle();  // where the window enables its commands
        window.Common().actEditTOC->trigger();
        QCOMPARE(toc->tvwTOC->topLevelItem(0)->childCount(), 3);  // loaded again from the book

        WhenModal<dialogs::TfrmDescription>([](dialogs::TfrmDescription* shown) {
            shown->edtTitle->setText(QStringLiteral("Changed"));
            shown->btnCancel->click();
        });
        testbooks::Idle();  // where the window enables its commands
        window.Common().actEditDescription->trigger();
        QCOMPARE(testbooks::ReadAll(path), before);
        QVERIFY(!QFile::exists(path + ".bak"));
        QVERIFY(sandbox.Boxes.Texts().isEmpty());
    }

    // The editor stays on top of every other window: its errors must stand over it.
    void ImportErrorsStandOverTheEditor()
    {
        TOpenBook book(0);
        auto& [sandbox, path, before, window] = book;
        auto* toc = window.findChild<dialogs::TfrmTOC*>();
        const QString bad = sandbox.Write("bad.cat", std::string("Broken line\r\n"));
        WhenModal<dialogs::TfrmTOC>([bad, &window](dialogs::TfrmTOC* editor) {
            QApplication::setActiveWindow(&window);  // as after the file dialog under some window managers
            editor->ImportTOC(bad);
            editor->actCancel->trigger();
        });
        testbooks::Idle();  // where the window enables its commands
        window.Common().actEditTOC->trigger();
        QCOMPARE(sandbox.Boxes.Texts(), QStringList(QStringLiteral("Bad TOC item - no page divider on line 1.")));
        QCOMPARE(sandbox.Boxes.Shown.at(0).Parent, static_cast<QWidget*>(toc));
    }

    // Something in the way of the new file: the error is reported and the book stays as
    // it was, open and readable on the page that was shown.
    void FailedSaveKeepsTheBook()
    {
        TOpenBook book(1);
        auto& [sandbox, path, before, window] = book;
        QVERIFY(QDir().mkdir(path + ".saving"));

        WhenModal<dialogs::TfrmTOC>([](dialogs::TfrmTOC* editor) { editor->actSave->trigger(); });
        testbooks::Idle();  // where the window enables its commands
        window.Common().actEditTOC->trigger();
        QCOMPARE(testbooks::ReadAll(path), before);
        QCOMPARE(sandbox.Boxes.Texts().size(), 2);  // the question, then the error
        QCOMPARE(window.PageCount(), 6);
        QCOMPARE(window.PageIndex(), 1);
        window.Common().actShowNext->trigger();
        QCOMPARE(window.PageIndex(), 2);
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    SaveFlowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SaveFlowTest.moc"
