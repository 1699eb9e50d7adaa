#include "MessageAnswers.h"
#include "ModalAnswer.h"

#include "fTOC.h"
#include "fTOCItem.h"
#include "uCatalogText.h"
#include "uTOCTree.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

using dialogs::TfrmTOC;
using dialogs::TfrmTOCItem;
using wolf::TWolfTOCItem;
using wolf::TWolfTOCList;

namespace {

class TFakeHost : public dialogs::TTOCHost {
public:
    int Pages = 120;
    int Shown = -1;
    bool AutoHide = false;
    std::vector<int> WentTo;
    TfrmTOC* Window = nullptr;
    mutable QAction First{QStringLiteral("First")}, Prev{QStringLiteral("Prev")}, Next{QStringLiteral("Next")},
        Last{QStringLiteral("Last")};

    int PageCount() const override { return Pages; }
    int PageIndex() const override { return Shown; }
    void GoToPage(int pageIndex) override
    {
        WentTo.push_back(pageIndex);
        Window->HideAfterJump();
    }
    bool AutoHideTOC() const override { return AutoHide; }
    QAction* PageAction(TPageAction which) const override
    {
        switch (which) {
        case TPageAction::First: return &First;
        case TPageAction::Prev: return &Prev;
        case TPageAction::Next: return &Next;
        case TPageAction::Last: return &Last;
        }
        return nullptr;
    }
    QIcon ActionImage(dialogs::TActionImage) const override
    {
        QPixmap image(16, 16);
        image.fill(Qt::gray);
        return QIcon(image);
    }
    QStringList Errors;
    void ReportError(const std::exception& error) override { Errors << QString::fromUtf8(error.what()); }
};

// The tree as text: one line a node, indented by level, with the entry's numbers.
QString Outline(const QTreeWidget* tree)
{
    QString text;
    std::function<void(const QTreeWidgetItem*, int)> walk = [&](const QTreeWidgetItem* node, int level) {
        const TWolfTOCItem* entry = dialogs::EntryOf(node);
        text += QString(level * 2, u' ');
        if (entry)
            text +=
                QStringLiteral("%1.%2.%3 ").arg(entry->GetNumber(1)).arg(entry->GetNumber(2)).arg(entry->GetNumber(3));
        text += node->text(0) + u'\n';
        for (int i = 0; i < node->childCount(); ++i) walk(node->child(i), level + 1);
    };
    for (int i = 0; i < tree->topLevelItemCount(); ++i) walk(tree->topLevelItem(i), 0);
    return text;
}

// Chapters 1 to 3; chapter 1 has section 1.1, chapter 3 has 3.1 (with 3.1.1) and 3.2.
TWolfTOCList SampleTOC()
{
    TWolfTOCList toc;
    toc.AddItem(3, 2, 0, "Gamma two", 31);
    toc.AddItem(3, 1, 1, "Gamma one one", 30);
    toc.AddItem(1, 0, 0, "Alpha", 0);
    toc.AddItem(2, 0, 0, "Beta", -1);
    toc.AddItem(3, 0, 0, "Gamma", 20);
    toc.AddItem(1, 1, 0, "Alpha one", 4);
    toc.AddItem(3, 1, 0, "Gamma one", 21);
    return toc;
}

QTreeWidgetItem* Node(QTreeWidget* tree, std::initializer_list<int> path)
{
    QTreeWidgetItem* node = tree->topLevelItem(0);
    for (int i : path) node = node->child(i);
    return node;
}

// Answers the item dialog with the given texts, or cancels it when name is null.
void AnswerItem(const QString& name, const QString& page)
{
    WhenModal<TfrmTOCItem>([name, page](TfrmTOCItem* dialog) {
        if (name.isNull()) {
            dialog->btnCancel->click();
            return;
        }
        dialog->edtItemName->setText(name);
        dialog->edtPageNum->setText(page);
        dialog->btnOK->click();
    });
}

}  // namespace

class TOCWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TFakeHost> FHostObject;
    TFakeHost* FHost = nullptr;
    const platform::TBookEncoding FEncoding{"latin1"};
    std::unique_ptr<TfrmTOC> FWindow;

    // Edit mode without the modal run, so that each command can be driven and checked.
    void StartEditing(const TWolfTOCList& toc)
    {
        FWindow->LoadTOC({}, "  The Book ", FEncoding);
        FWindow->BeginEdit(toc);
    }

    void Select(std::initializer_list<int> path) { FWindow->tvwTOC->setCurrentItem(Node(FWindow->tvwTOC, path)); }

private slots:
    void init()
    {
        FHostObject = std::make_unique<TFakeHost>();
        FHost = FHostObject.get();
        FWindow = std::make_unique<TfrmTOC>(*FHost);
        FHost->Window = FWindow.get();
    }
    void cleanup()
    {
        FWindow.reset();
        FHostObject.reset();
    }

    void TreeShowsEntriesByTheirNumbers()
    {
        FWindow->LoadTOC(SampleTOC(), "  The Book ", FEncoding);
        QCOMPARE(Outline(FWindow->tvwTOC), QStringLiteral("The Book\n"
                                                          "  1.0.0 Alpha [1]\n"
                                                          "    1.1.0 Alpha one [5]\n"
                                                          "  2.0.0 Beta [x]\n"
                                                          "  3.0.0 Gamma [21]\n"
                                                          "    3.1.0 Gamma one [22]\n"
                                                          "      3.1.1 Gamma one one [31]\n"
                                                          "    3.2.0 Gamma two [32]\n"));
        QVERIFY(FWindow->tvwTOC->topLevelItem(0)->child(2)->child(0)->isExpanded());
        QCOMPARE(FWindow->InvariantViolation(), QString());

        FWindow->LoadTOC({}, " \t ", FEncoding);
        QCOMPARE(Outline(FWindow->tvwTOC), QStringLiteral("No name\n"));
    }

    // Keys read from a damaged book: gaps, a section without its chapter, a repeated key.
    void DamagedKeysStillGiveAConsistentTree()
    {
        TWolfTOCList toc;
        toc.AddItem(2, 0, 0, "Two", 1);
        toc.AddItem(2, 0, 0, "Two again", 2);
        toc.AddItem(5, 3, 0, "Orphan", 3);
        toc.AddItem(2, 7, 0, "Gap", 4);
        FWindow->LoadTOC(toc, "Book", FEncoding);
        QCOMPARE(Outline(FWindow->tvwTOC), QStringLiteral("Book\n"
                                                          "  1.0.0 Two [2]\n"
                                                          "    1.1.0 Gap [5]\n"
                                                          "  2.0.0 Two again [3]\n"
                                                          "  3.0.0 Orphan [4]\n"));
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void BrowseModeOnlyGoesToPages()
    {
        FWindow->LoadTOC(SampleTOC(), "Book", FEncoding);
        FWindow->ToggleBrowse();
        QVERIFY(FWindow->isVisible());
        QVERIFY(!FWindow->isModal());
        QVERIFY(FWindow->tbrTOCMain->isHidden());
        QVERIFY(FWindow->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        Select({0});
        for (QAction* action : FWindow->tbrTOCMain->actions())
            QVERIFY2(action->isSeparator() || !action->isEnabled(), qPrintable(action->text()));

        const auto doubleClick = [this](QTreeWidgetItem* node) {
            FWindow->tvwTOC->setCurrentItem(node);
            emit FWindow->tvwTOC->itemDoubleClicked(node, 0);
        };
        doubleClick(Node(FWindow->tvwTOC, {}));   // the root
        doubleClick(Node(FWindow->tvwTOC, {1}));  // no page
        QVERIFY(FHost->WentTo.empty());
        doubleClick(Node(FWindow->tvwTOC, {2, 0}));
        QCOMPARE(FHost->WentTo, std::vector<int>{21});
        QVERIFY(FWindow->isVisible());
        FHost->AutoHide = true;
        doubleClick(Node(FWindow->tvwTOC, {0}));
        QCOMPARE(FHost->WentTo.back(), 0);
        QVERIFY(!FWindow->isVisible());

        FWindow->ToggleBrowse();
        QVERIFY(FWindow->isVisible());
        FWindow->ClearView();
        QVERIFY(!FWindow->isVisible());
        QCOMPARE(FWindow->tvwTOC->topLevelItemCount(), 0);
    }

    void ToolbarHoldsTheCommandsInOrder()
    {
        QStringList shown;
        for (const QAction* action : FWindow->tbrTOCMain->actions())
            shown << (action->isSeparator() ? QStringLiteral("|")
                                            : action->text() + u'/' + action->shortcut().toString());
        QCOMPARE(shown.join(u','), QStringLiteral("Import TOC/,Export TOC/,|,New Peer Item/Ins,New Subitem/Ctrl+Ins,"
                                                  "Edit Item/Ctrl+E,Delete Item/Shift+Del,|,Move Up/Ctrl+Up,"
                                                  "Move Down/Ctrl+Down,|,First Page/,Previous Page/Ctrl+Left,"
                                                  "Next Page/Ctrl+Right,Last Page/,|,Save/,Cancel/"));
        QCOMPARE(FWindow->actDeleteItem->toolTip(), QStringLiteral("Delete TOC item"));
    }

    void EnablingFollowsTheSelection()
    {
        StartEditing({});
        QVERIFY(FWindow->actNewSubItem->isEnabled());
        for (QAction* action : {FWindow->actNewPeerItem, FWindow->actEditItem, FWindow->actDeleteItem,
                                FWindow->actMoveUp, FWindow->actMoveDown})
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));

        StartEditing(SampleTOC());
        Select({2, 0, 0});  // level 3
        QVERIFY(!FWindow->actNewSubItem->isEnabled());
        QVERIFY(FWindow->actNewPeerItem->isEnabled());
        Select({0});
        QVERIFY(!FWindow->actMoveUp->isEnabled());
        QVERIFY(FWindow->actMoveDown->isEnabled());
        Select({2});
        QVERIFY(FWindow->actMoveUp->isEnabled());
        QVERIFY(!FWindow->actMoveDown->isEnabled());

        // The borrowed page commands follow the main window's.
        FHost->Next.setEnabled(false);
        QVERIFY(!FWindow->actShowNext->isEnabled());
        FHost->Next.setEnabled(true);
        QVERIFY(FWindow->actShowNext->isEnabled());
        int ran = 0;
        connect(&FHost->Next, &QAction::triggered, this, [&ran] { ++ran; });
        FWindow->actShowNext->trigger();
        QCOMPARE(ran, 1);
    }

    void NoTwoHundredFiftySixthSibling()
    {
        TWolfTOCList toc;
        for (int i = 1; i <= 255; ++i) toc.AddItem(uint8_t(i), 0, 0, "C", 0);
        StartEditing(toc);
        QVERIFY(!FWindow->actNewSubItem->isEnabled());  // on the root
        Select({254});
        QVERIFY(!FWindow->actNewPeerItem->isEnabled());
        QVERIFY(FWindow->actNewSubItem->isEnabled());
    }

    void NewSubitemOnTheRootMakesTheFirstChapter()
    {
        FHost->Shown = 9;
        StartEditing({});
        WhenModal<TfrmTOCItem>([](TfrmTOCItem* dialog) {
            QCOMPARE(dialog->edtItemName->text(), QString());
            QCOMPARE(dialog->edtPageNum->text(), QStringLiteral("10"));  // the page shown
            dialog->edtItemName->setText(QStringLiteral("  Opening  "));
            dialog->btnOK->click();
        });
        FWindow->actNewSubItem->trigger();
        QCOMPARE(Outline(FWindow->tvwTOC), QStringLiteral("The Book\n  1.0.0 Opening [10]\n"));
        QCOMPARE(FWindow->WorkingTOC().Count(), 1);
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void NewEntryIsAppendedAndCancelRemovesIt()
    {
        StartEditing(SampleTOC());
        Select({2, 0});
        AnswerItem(QStringLiteral("Gamma three"), QStringLiteral("40"));
        FWindow->actNewPeerItem->trigger();  // on the first section: still goes last
        QCOMPARE(Node(FWindow->tvwTOC, {2, 2})->text(0), QStringLiteral("Gamma three [40]"));
        QCOMPARE(dialogs::EntryOf(Node(FWindow->tvwTOC, {2, 2}))->Key(), TWolfTOCItem::MakeKey(3, 3, 0));

        const QString before = Outline(FWindow->tvwTOC);
        AnswerItem(QString(), QString());
        FWindow->actNewSubItem->trigger();
        QCOMPARE(Outline(FWindow->tvwTOC), before);
        AnswerItem(QStringLiteral("Zero"), QStringLiteral("0"));  // an invalid page counts as Cancel
        FWindow->actNewSubItem->trigger();
        QCOMPARE(Outline(FWindow->tvwTOC), before);
        QCOMPARE(FWindow->WorkingTOC().Count(), 8);
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void EditGivesAnEntryWithoutPageItsPage()
    {
        StartEditing(SampleTOC());
        Select({1});
        WhenModal<TfrmTOCItem>([](TfrmTOCItem* dialog) {
            QCOMPARE(dialog->edtItemName->text(), QStringLiteral("Beta"));
            QCOMPARE(dialog->edtPageNum->text(), QStringLiteral("1"));
            dialog->edtPageNum->setText(QStringLiteral("4"));
            dialog->edtItemName->setText(QString());
            dialog->btnOK->click();
        });
        FWindow->actEditItem->trigger();
        QCOMPARE(Node(FWindow->tvwTOC, {1})->text(0), QStringLiteral("(empty) [4]"));
        QCOMPARE(dialogs::EntryOf(Node(FWindow->tvwTOC, {1}))->Key(), TWolfTOCItem::MakeKey(2, 0, 0));
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void DeleteRenumbersTheFollowingSiblings()
    {
        StartEditing(SampleTOC());
        Select({1});  // Beta, no children: no question
        FWindow->actDeleteItem->trigger();
        QCOMPARE(Outline(FWindow->tvwTOC), QStringLiteral("The Book\n"
                                                          "  1.0.0 Alpha [1]\n"
                                                          "    1.1.0 Alpha one [5]\n"
                                                          "  2.0.0 Gamma [21]\n"
                                                          "    2.1.0 Gamma one [22]\n"
                                                          "      2.1.1 Gamma one one [31]\n"
                                                          "    2.2.0 Gamma two [32]\n"));
        QCOMPARE(FWindow->tvwTOC->currentItem(), Node(FWindow->tvwTOC, {}));
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void DeleteWithSubitemsAsksFirst()
    {
        StartEditing(SampleTOC());
        const QString before = Outline(FWindow->tvwTOC);
        Select({0});
        TMessageAnswers answers(QMessageBox::Cancel);
        FWindow->actDeleteItem->trigger();
        QCOMPARE(answers.Texts(), QStringList(QStringLiteral("Current item have subitems!\r\nDelete all subitems?")));
        QCOMPARE(answers.Shown.at(0).Icon, QMessageBox::Warning);
        QCOMPARE(answers.Shown.at(0).Buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(Outline(FWindow->tvwTOC), before);

        answers.Answer = QMessageBox::Ok;
        FWindow->actDeleteItem->trigger();
        QCOMPARE(FWindow->WorkingTOC().Count(), 5);
        QCOMPARE(Node(FWindow->tvwTOC, {0})->text(0), QStringLiteral("Beta [x]"));
        QCOMPARE(dialogs::EntryOf(Node(FWindow->tvwTOC, {1, 0, 0}))->Key(), TWolfTOCItem::MakeKey(2, 1, 1));
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void MoveTakesTheSubtreeAlong()
    {
        StartEditing(SampleTOC());
        Select({2});
        FWindow->actMoveUp->trigger();
        QCOMPARE(Outline(FWindow->tvwTOC), QStringLiteral("The Book\n"
                                                          "  1.0.0 Alpha [1]\n"
                                                          "    1.1.0 Alpha one [5]\n"
                                                          "  2.0.0 Gamma [21]\n"
                                                          "    2.1.0 Gamma one [22]\n"
                                                          "      2.1.1 Gamma one one [31]\n"
                                                          "    2.2.0 Gamma two [32]\n"
                                                          "  3.0.0 Beta [x]\n"));
        QCOMPARE(FWindow->tvwTOC->currentItem()->text(0), QStringLiteral("Gamma [21]"));
        QVERIFY(Node(FWindow->tvwTOC, {1, 0})->isExpanded());
        FWindow->actMoveDown->trigger();
        FWindow->actMoveUp->trigger();
        FWindow->actMoveUp->trigger();
        QCOMPARE(Node(FWindow->tvwTOC, {0})->text(0), QStringLiteral("Gamma [21]"));
        QCOMPARE(dialogs::EntryOf(Node(FWindow->tvwTOC, {1, 0}))->Key(), TWolfTOCItem::MakeKey(2, 1, 0));
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void EditTOCHandsBackOnlyWhatWasSaved()
    {
        TWolfTOCList toc = SampleTOC();
        FWindow->LoadTOC(toc, "Book", FEncoding);
        WhenModal<TfrmTOC>([](TfrmTOC* window) {
            QVERIFY(window->tbrTOCMain->isVisible());
            window->tvwTOC->setCurrentItem(window->tvwTOC->topLevelItem(0)->child(1));
            window->actDeleteItem->trigger();
            window->actCancel->trigger();
        });
        QVERIFY(!FWindow->EditTOC(toc));
        QCOMPARE(toc.Count(), 7);
        QVERIFY(!FWindow->isVisible());

        WhenModal<TfrmTOC>([](TfrmTOC* window) {
            window->tvwTOC->setCurrentItem(window->tvwTOC->topLevelItem(0)->child(1));
            window->actDeleteItem->trigger();
            // A double click in the editor never ends the modal run.
            QTreeWidgetItem* alpha = window->tvwTOC->topLevelItem(0)->child(0);
            window->tvwTOC->setCurrentItem(alpha);
            emit window->tvwTOC->itemDoubleClicked(alpha, 0);
            QVERIFY(window->isVisible());
            window->actSave->trigger();
        });
        FHost->AutoHide = true;
        QVERIFY(FWindow->EditTOC(toc));
        QCOMPARE(toc.Count(), 6);
        QCOMPARE(FHost->WentTo, std::vector<int>{0});
        QVERIFY(toc.IndexOfKey(TWolfTOCItem::MakeKey(2, 2, 0)) >= 0);
        QVERIFY(toc.IndexOfKey(TWolfTOCItem::MakeKey(3, 0, 0)) < 0);
    }

    void EveryEditorCommandIsInSightAtTheDefaultSize()
    {
        StartEditing(SampleTOC());
        FWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(FWindow.get()));
        QCOMPARE(FWindow->width(), 360);
        for (QAction* action : FWindow->tbrTOCMain->actions()) {
            if (!action->isSeparator())
                QVERIFY2(FWindow->tbrTOCMain->widgetForAction(action)->isVisible(), qPrintable(action->text()));
        }
    }

    void EscAndTheCloseBoxAskBeforeThrowingEditsAway()
    {
        TWolfTOCList toc = SampleTOC();
        FWindow->LoadTOC(toc, "Book", FEncoding);
        WhenModal<TfrmTOC>([](TfrmTOC* window) { QTest::keyClick(window->tvwTOC, Qt::Key_Escape); });
        QVERIFY(!FWindow->EditTOC(toc));  // nothing changed: no question

        TMessageAnswers answers(QMessageBox::No);
        WhenModal<TfrmTOC>([&answers](TfrmTOC* window) {
            window->tvwTOC->setCurrentItem(window->tvwTOC->topLevelItem(0)->child(1));
            window->actDeleteItem->trigger();
            QTest::keyClick(window->tvwTOC, Qt::Key_Escape);
            QVERIFY(window->isVisible());
            answers.Answer = QMessageBox::Yes;
            window->close();
        });
        QVERIFY(!FWindow->EditTOC(toc));
        const QString question = QStringLiteral("The table of contents was changed.\r\nDiscard the changes?");
        QCOMPARE(answers.Texts(), QStringList({question, question}));
        QCOMPARE(answers.Shown.at(0).Icon, QMessageBox::Question);
        QCOMPARE(answers.Shown.at(0).Buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(toc.Count(), 7);
        QVERIFY(!FWindow->isVisible());
    }

    void ExportAndImportCatalogFiles()
    {
        QTemporaryDir folder;
        const QString good = folder.filePath(QStringLiteral("good.cat"));
        StartEditing(SampleTOC());
        FWindow->ExportTOC(good);
        QCOMPARE(wolf::ReadCatalogFile(good.toStdString()).front(), std::string("Alpha... ...1"));

        StartEditing({});
        FHost->Pages = 31;
        FWindow->ImportTOC(good);
        QCOMPARE(FWindow->WorkingTOC().Count(), 7);
        QCOMPARE(Node(FWindow->tvwTOC, {2, 0, 0})->text(0), QStringLiteral("Gamma one one [31]"));
        QCOMPARE(Node(FWindow->tvwTOC, {2, 1})->text(0), QStringLiteral("Gamma two [x]"));  // past the last page
        QCOMPARE(FWindow->InvariantViolation(), QString());

        // A bad line leaves the table of contents as it was before the import.
        const QString bad = folder.filePath(QStringLiteral("bad.cat"));
        wolf::WriteCatalogFile(bad.toStdString(), {"New... ...1", "Broken line"});
        const QString before = Outline(FWindow->tvwTOC);
        FWindow->ImportTOC(bad);
        QCOMPARE(FHost->Errors, QStringList(QStringLiteral("Bad TOC item - no page divider on line 2")));
        QCOMPARE(Outline(FWindow->tvwTOC), before);
        QCOMPARE(FWindow->WorkingTOC().Count(), 7);
        QCOMPARE(FWindow->InvariantViolation(), QString());
    }

    void ExportDialogAddsTheCatalogSuffix()
    {
        QTemporaryDir folder;
        StartEditing(SampleTOC());
        WhenModal<QFileDialog>([&folder](QFileDialog* dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Export Wolf Catalog"));
            QCOMPARE(dialog->nameFilters(),
                     QStringList({QStringLiteral("Wolf catalog (*.cat)"), QStringLiteral("All Files (*)")}));
            dialog->selectFile(folder.filePath(QStringLiteral("typed")));
            QMetaObject::invokeMethod(dialog, "accept");
        });
        FWindow->actExportTOC->trigger();
        QVERIFY(QFile::exists(folder.filePath(QStringLiteral("typed.cat"))));
    }
};

// The page edit takes digits only while the number stays within the book.
class TOCItemTest : public QObject {
    Q_OBJECT
private slots:
    void PageEditTakesOnlyPagesOfTheBook()
    {
        TfrmTOCItem dialog;
        const platform::TBookEncoding latin1("latin1");
        WhenModal<TfrmTOCItem>([](TfrmTOCItem* window) {
            QCOMPARE(window->windowTitle(), QStringLiteral("TOC Item"));
            QCOMPARE(window->lblPageNum->text(), QStringLiteral("Page (1..120):"));
            QCOMPARE(window->edtPageNum->text(), QStringLiteral("1"));  // page 0 becomes 1
            window->edtPageNum->clear();
            QTest::keyClicks(window->edtPageNum, QStringLiteral("1205a-"));
            QCOMPARE(window->edtPageNum->text(), QStringLiteral("120"));
            QTest::keyClick(window->edtPageNum, Qt::Key_Backspace);
            QTest::keyClicks(window->edtPageNum, QStringLiteral("7"));  // 127: refused
            QTest::keyClick(window->edtPageNum, Qt::Key_Backspace);
            QTest::keyClicks(window->edtPageNum, QStringLiteral("7"));
            QCOMPARE(window->edtPageNum->text(), QStringLiteral("17"));
            window->btnOK->click();
        });
        std::string name = "Old";
        int page = 0;
        QVERIFY(dialog.AskItem(latin1, 120, name, page));
        QCOMPARE(page, 17);
        QCOMPARE(name, std::string("Old"));
    }

    void NameTheBookCannotStoreIsRefused()
    {
        TfrmTOCItem dialog;
        const platform::TBookEncoding cyrillic("windows-1251");
        TMessageAnswers answers;
        WhenModal<TfrmTOCItem>([](TfrmTOCItem* window) {
            window->edtItemName->setText(QStringLiteral("Глава 中"));
            window->btnOK->click();
            QVERIFY(window->isVisible());
            window->edtItemName->setText(QStringLiteral("Глава"));
            window->btnOK->click();
        });
        std::string name;
        int page = 3;
        QVERIFY(dialog.AskItem(cyrillic, 10, name, page));
        QCOMPARE(answers.Shown.size(), 1);
        QVERIFY(answers.Shown.at(0).Text.contains(QStringLiteral("windows-1251")));
        QCOMPARE(answers.Shown.at(0).Parent, static_cast<QWidget*>(&dialog));
        QCOMPARE(name, std::string("\xC3\xEB\xE0\xE2\xE0"));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int failures = 0;
    TOCWindowTest window;
    failures += QTest::qExec(&window, argc, argv);
    TOCItemTest item;
    failures += QTest::qExec(&item, argc, argv);
    return failures;
}

#include "TOCWindowTest.moc"
