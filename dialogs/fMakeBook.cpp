#include "fMakeBook.h"

#include "ErrorTexts.h"
#include "MakeFailure.h"
#include "SourceKinds.h"
#include "uDescriptionLabels.h"

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace dialogs {
namespace {

using wolf::TWolfDescription;

QString TimeText(qint64 mseconds)
{
    const qint64 seconds = (mseconds + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QLabel* PreviewLabel()
{
    auto* label = new QLabel;
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(240, 320);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::StyledPanel);
    return label;
}

}  // namespace

TfrmMakeBook::TfrmMakeBook(settings::TSettings& settings, QWidget* parent)
    : QDialog(parent), FSettings(settings), FOptions(this)
{
    setWindowTitle(tr("Make Book"));
    setAcceptDrops(true);
    AskOutputPath = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save Book As"), suggested, tr("Wolf books (*.wol)"));
    };
    AskPassword = [this](const QString& path, bool wrongPassword) {
        const QString name = QDir::toNativeSeparators(path);
        return QInputDialog::getText(this, tr("PDF Password"),
                                     wrongPassword ? tr("The password does not open \"%1\". Try another:").arg(name)
                                                   : tr("\"%1\" is encrypted. Its password:").arg(name),
                                     QLineEdit::Password);
    };

    auto* tabs = new QTabWidget;
    tabs->addTab(CreateSourcesPage(), tr("Sources"));
    tabs->addTab(CreateOptionsPage(), tr("Pages"));
    tabs->addTab(CreateDescriptionPage(), tr("Description"));
    tabs->addTab(CreateContentsPage(), tr("Contents"));

    prbProgress = new QProgressBar;
    lblStatus = new QLabel(
        tr("Add pictures, folders, comic archives, PDFs, e-books (EPUB, FB2) or text files, or drop them here."));
    lblStatus->setWordWrap(true);
    btnMake = new QPushButton(tr("Make Book..."));
    btnCancel = new QPushButton(tr("Stop"));
    btnCancel->setEnabled(false);
    auto* btnClose = new QPushButton(tr("Close"));
    connect(btnMake, &QPushButton::clicked, this, &TfrmMakeBook::MakeBook);
    connect(btnCancel, &QPushButton::clicked, &FConversion, &TBookConversion::Cancel);
    connect(btnClose, &QPushButton::clicked, this, &TfrmMakeBook::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(tabs, 1);
    top->addWidget(CreatePreview(), 2);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(prbProgress, 1);
    bottom->addWidget(btnMake);
    bottom->addWidget(btnCancel);
    bottom->addWidget(btnClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(lblStatus);
    layout->addLayout(bottom);

    FOptions.Load(FSettings.Values());
    connect(&FOptions, &TMakeOptionControls::Changed, this, &TfrmMakeBook::OptionsChanged);
    connect(&FPreview, &TPreviewWorker::Ready, this, &TfrmMakeBook::ShowPreview);
    connect(&FConversion, &TBookConversion::Progress, this, &TfrmMakeBook::ConversionProgress);
    connect(&FConversion, &TBookConversion::Finished, this, &TfrmMakeBook::ConversionFinished);
}

TfrmMakeBook::~TfrmMakeBook() = default;

QWidget* TfrmMakeBook::CreateSourcesPage()
{
    auto* page = new QWidget;
    lstSources = new QListWidget;
    lstSources->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* btnAddFiles = new QPushButton(tr("Add Files..."));
    auto* btnAddFolder = new QPushButton(tr("Add Folder..."));
    auto* btnRemove = new QPushButton(tr("Remove"));
    auto* btnUp = new QPushButton(tr("Up"));
    auto* btnDown = new QPushButton(tr("Down"));
    connect(btnAddFiles, &QPushButton::clicked, this, [this] {
        AddSources(
            QFileDialog::getOpenFileNames(this, tr("Add Files"), QString(),
                                          tr("Books' sources (%1);;All files (*)").arg(making::SourceFilePatterns())));
    });
    connect(btnAddFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, tr("Add Folder"));
        if (!folder.isEmpty()) AddSources({folder});
    });
    connect(btnRemove, &QPushButton::clicked, this, [this] {
        delete lstSources->currentItem();
        SourcesChanged();
    });
    connect(btnUp, &QPushButton::clicked, this, [this] { MoveSource(-1); });
    connect(btnDown, &QPushButton::clicked, this, [this] { MoveSource(1); });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnAddFiles, btnAddFolder, btnRemove, btnUp, btnDown}) buttons->addWidget(button);
    buttons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(lstSources, 1);
    list->addLayout(buttons);
    auto* options = new QFormLayout;
    FOptions.AddRows(options, making::TOptionPage::Sources);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(list, 1);
    layout->addLayout(options);
    return page;
}

QWidget* TfrmMakeBook::CreateOptionsPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    FOptions.AddRows(form, making::TOptionPage::Pages);
    auto* hint = new QLabel(tr("Hold the mouse over an option to see what it does."));
    hint->setWordWrap(true);
    form->addRow(hint);
    return page;
}

QWidget* TfrmMakeBook::CreateDescriptionPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (int i = 0; i < TWolfDescription::FieldCount; ++i) {
        edtFields[i] = new QLineEdit;
        // Typing stops one byte short of what the field keeps; the plan cuts longer texts in
        // the book's encoding.
        edtFields[i]->setMaxLength(TWolfDescription::Limits[i] - 1);
        form->addRow(tr("%1:").arg(DescriptionFieldLabel(TWolfDescription::TField(i))), edtFields[i]);
    }
    return page;
}

QWidget* TfrmMakeBook::CreateContentsPage()
{
    auto* page = new QWidget;
    tvContents = new QTreeWidget;
    tvContents->setHeaderLabels({tr("Title", "a chapter's"), tr("Page")});
    auto* btnFile = new QPushButton(tr("From File..."));
    btnFile->setToolTip(tr("A table of contents in catalog text (UTF-8), with the new book's page numbers."));
    auto* btnSources = new QPushButton(tr("From Sources"));
    btnSources->setToolTip(tr("The PDFs' outlines, the e-books' own contents and the folders' names."));
    connect(btnFile, &QPushButton::clicked, this, &TfrmMakeBook::ChooseContentsFile);
    connect(btnSources, &QPushButton::clicked, this, [this] {
        FContentsFile.clear();
        SourcesChanged();
    });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnFile);
    buttons->addWidget(btnSources);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(tvContents, 1);
    layout->addLayout(buttons);
    return page;
}

QWidget* TfrmMakeBook::CreatePreview()
{
    auto* preview = new QWidget;
    spnPreviewPage = new QSpinBox;
    spnPreviewPage->setRange(0, 0);
    spnPreviewPage->setToolTip(tr("The source page to preview."));
    connect(spnPreviewPage, &QSpinBox::valueChanged, this, &TfrmMakeBook::RequestPreview);
    imgSource = PreviewLabel();
    imgProcessed = PreviewLabel();
    auto* pictures = new QHBoxLayout;
    pictures->addWidget(imgSource);
    pictures->addWidget(imgProcessed);
    auto* page = new QFormLayout;
    page->addRow(tr("Preview of page:"), spnPreviewPage);
    auto* layout = new QVBoxLayout(preview);
    layout->addLayout(page);
    layout->addLayout(pictures, 1);
    return preview;
}

void TfrmMakeBook::OptionsChanged(bool sources)
{
    settings::TSettingValues values = FSettings.Values();
    FOptions.Store(values);
    FSettings.SetValues(values);
    if (sources)
        SourcesChanged();
    else
        RequestPreview();
}

void TfrmMakeBook::AddSources(const QStringList& paths)
{
    for (const QString& path : paths) lstSources->addItem(QDir::toNativeSeparators(path));
    SourcesChanged();
}

void TfrmMakeBook::MoveSource(int step)
{
    const int row = lstSources->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= lstSources->count()) return;
    lstSources->insertItem(target, lstSources->takeItem(row));
    lstSources->setCurrentRow(target);
    SourcesChanged();
}

QStringList TfrmMakeBook::Sources() const
{
    QStringList sources;
    for (int i = 0; i < lstSources->count(); ++i) sources << QDir::fromNativeSeparators(lstSources->item(i)->text());
    return sources;
}

making::TPlanRequest TfrmMakeBook::Request(bool withFields) const
{
    making::TPlanRequest request;
    request.Sources = Sources();
    request.Options = FOptions.Options();
    request.ContentsPath = FContentsFile;
    // The books this window makes keep their texts in UTF-8, which holds every character.
    request.Encoding = platform::TBookEncoding("UTF-8");
    if (withFields)
        for (int i = 0; i < TWolfDescription::FieldCount; ++i) request.Description[size_t(i)] = edtFields[i]->text();
    return request;
}

making::TBookPlan TfrmMakeBook::PlanAskingForPassword(making::TPlanRequest request)
{
    for (;;) {
        request.Options.PdfPassword = FPdfPassword;
        try {
            return making::MakePlan(request);
        } catch (const making::ENeedsPassword& locked) {
            const QString password = AskPassword(locked.Path, locked.PasswordGiven);
            if (password.isEmpty()) throw;
            FPdfPassword = password;
        }
    }
}

void TfrmMakeBook::SourcesChanged()
{
    FPlan = {};
    SetStatus(QString());
    const QString problem = FOptions.Problem();
    if (!problem.isEmpty()) SetStatus(problem, true);
    if (!Sources().isEmpty()) {
        try {
            FPlan = PlanAskingForPassword(Request(false));
        } catch (const std::exception& error) {
            SetStatus(QString::fromUtf8(error.what()), true);
            // A catalog file that cannot be used gives way to the sources' contents.
            if (!FContentsFile.isEmpty()) {
                FContentsFile.clear();
                try {
                    FPlan = PlanAskingForPassword(Request(false));
                } catch (const std::exception&) {
                }
            }
        }
    }
    // The description follows the sources until the user writes one.
    const QString title = FPlan.DescriptionTexts[TWolfDescription::Title];
    if (edtFields[TWolfDescription::Title]->text() == FSuggestedTitle)
        edtFields[TWolfDescription::Title]->setText(title);
    FSuggestedTitle = title;
    for (int i = 0; i < TWolfDescription::FieldCount; ++i)
        if (i != TWolfDescription::Title && edtFields[i]->text().isEmpty())
            edtFields[i]->setText(FPlan.DescriptionTexts[size_t(i)]);

    const int count = static_cast<int>(FPlan.Pages.size());
    spnPreviewPage->blockSignals(true);
    spnPreviewPage->setRange(count == 0 ? 0 : 1, count);
    spnPreviewPage->setSuffix(tr(" of %1").arg(count));
    spnPreviewPage->blockSignals(false);
    RequestPreview();
    ShowContents();
}

void TfrmMakeBook::RequestPreview()
{
    const int index = spnPreviewPage->value() - 1;
    if (index < 0 || index >= static_cast<int>(FPlan.Pages.size())) {
        ShowPreview({{}, {}, QString()});
        return;
    }
    FPreview.Request(FPlan.Pages[static_cast<size_t>(index)], FOptions.Options().Pictures);
}

void TfrmMakeBook::ShowPreview(const TPreview& preview)
{
    FShownPreview = preview;
    const auto show = [](QLabel* label, const QImage& picture, const QString& message) {
        if (picture.isNull()) {
            label->setPixmap({});
            label->setText(message);
        } else {
            label->setPixmap(
                QPixmap::fromImage(picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        }
    };
    show(imgSource, preview.Source, TranslatedErrorText(preview.Message));
    show(imgProcessed, preview.Processed, QString());
}

void TfrmMakeBook::ShowContents()
{
    tvContents->clear();
    const wolf::TWolfTOCList& contents = FPlan.Contents.Entries;
    // From the sources, entries name source pages: splitting spreads moves the book's pages on.
    tvContents->headerItem()->setText(1, FPlan.Contents.BySourcePage ? tr("Source page") : tr("Page"));
    QTreeWidgetItem* parents[3] = {};
    for (int i = 0; i < contents.Count(); ++i) {
        const wolf::TWolfTOCItem& item = contents[i];
        const int level = std::clamp(static_cast<int>(item.Level()), 1, 3);
        QTreeWidgetItem* parent = level > 1 ? parents[level - 2] : nullptr;
        const QStringList columns{FPlan.Encoding.Decode(item.Title()), QString::number(item.PageIndex + 1)};
        auto* entry = parent ? new QTreeWidgetItem(parent, columns) : new QTreeWidgetItem(tvContents, columns);
        parents[level - 1] = entry;
    }
    tvContents->expandAll();
}

void TfrmMakeBook::ChooseContentsFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Table of Contents"), QString(),
                                                      tr("Catalog text (*.cat *.txt);;All files (*)"));
    if (path.isEmpty()) return;
    FContentsFile = path;
    SourcesChanged();
}

void TfrmMakeBook::MakeBook()
{
    if (FConversion.IsRunning()) return;
    if (FPlan.Pages.empty()) {
        SetStatus(tr("Add the pages' sources first."), true);
        return;
    }
    if (const QString problem = FOptions.Problem(); !problem.isEmpty()) {
        SetStatus(problem, true);
        return;
    }
    const QString title = edtFields[TWolfDescription::Title]->text().trimmed();
    QString path = AskOutputPath(title.isEmpty() ? QStringLiteral("book.wol") : title + QStringLiteral(".wol"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".wol");

    making::TPlanRequest request = Request(true);
    request.OutputPath = path;
    request.ReplaceExisting = true;  // the save dialog asked
    making::TBookPlan plan;
    try {
        plan = PlanAskingForPassword(request);
    } catch (const std::exception& error) {
        SetStatus(QString::fromUtf8(error.what()), true);
        return;
    }
    ShowProgress(0, static_cast<int>(plan.Pages.size()));
    btnMake->setEnabled(false);
    btnCancel->setEnabled(true);
    SetStatus(tr("Making \"%1\"...").arg(QDir::toNativeSeparators(path)));
    FConversion.Start(std::move(plan));
}

void TfrmMakeBook::ConversionProgress(int done, int total, qint64 msecondsLeft)
{
    if (!FConversion.IsRunning()) return;  // news that came after the end
    ShowProgress(done, total);
    if (msecondsLeft >= 0)
        SetStatus(tr("%1 of %n pages done, %2 left", nullptr, total).arg(done).arg(TimeText(msecondsLeft)));
}

void TfrmMakeBook::ConversionFinished(const QString& path, const TConversionEnd& end)
{
    btnMake->setEnabled(true);
    btnCancel->setEnabled(false);
    if (end.Cancelled || !end.Failure.isEmpty()) {
        prbProgress->setValue(0);
        SetStatus(end.Cancelled ? tr("Stopped; no book was written.") : end.Failure, !end.Cancelled);
        if (end.BadPicture && !end.Cancelled)
            if (const auto* skip = qobject_cast<QCheckBox*>(FOptions.Control("skip-bad")))
                lblStatus->setText(lblStatus->text() + u'\n' +
                                   tr("Check \"%1\" to go on past such pictures.").arg(skip->text()));
        return;
    }
    emit BookMade(path);
    if (end.LeftOut.isEmpty()) {
        SetStatus(tr("Made \"%1\".").arg(QDir::toNativeSeparators(path)));
        accept();
        return;
    }
    // The window stays open for the list to be read.
    QStringList named;
    for (const QString& picture : end.LeftOut) named << TranslatedErrorText(picture);
    SetStatus(
        tr("Made \"%1\"; %n pictures that cannot be read were left out:", nullptr, static_cast<int>(end.LeftOut.size()))
            .arg(QDir::toNativeSeparators(path)) +
        u'\n' + named.join(u'\n'));
}

void TfrmMakeBook::ShowProgress(int done, int total)
{
    prbProgress->setRange(0, total);
    prbProgress->setValue(done);
    prbProgress->setFormat(tr("%v of %n pages", nullptr, total));
}

void TfrmMakeBook::SetStatus(const QString& text, bool failure)
{
    // Failures mostly come from the making library, in English.
    lblStatus->setText(failure ? TranslatedErrorText(text) : text);
    lblStatus->setStyleSheet(failure ? QStringLiteral("color: #b00000") : QString());
}

void TfrmMakeBook::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TfrmMakeBook::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    AddSources(paths);
    event->acceptProposedAction();
}

void TfrmMakeBook::reject()
{
    // Closing stops the conversion; its unfinished book goes with it.
    FConversion.Cancel();
    FConversion.Wait();
    QDialog::reject();
}

}  // namespace dialogs
