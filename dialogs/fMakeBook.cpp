#include "fMakeBook.h"

#include "BookEncoding.h"
#include "CatalogContents.h"
#include "ContentsFromChapters.h"
#include "ErrorTexts.h"
#include "PdfSource.h"
#include "ScreenProfiles.h"
#include "Sources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QDragEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
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

const char* const FieldLabels[9] = {QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Title"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Subject"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Author"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Adapter"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Translator"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Publisher"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Publish time"),
                                    QT_TRANSLATE_NOOP("dialogs::TfrmMakeBook", "Introduction"),
                                    "ISBN"};
constexpr int TitleField = 0, SubjectField = 1, AuthorField = 2;

// The books this window makes keep their texts in UTF-8, which holds every character.
const platform::TBookEncoding& BookEncoding()
{
    static const platform::TBookEncoding encoding("UTF-8");
    return encoding;
}

std::optional<std::string> Encode(const QString& text)
{
    return BookEncoding().Encode(text);
}

QString TimeText(qint64 mseconds)
{
    const qint64 seconds = (mseconds + 999) / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QCheckBox* CheckBox(const QString& text, const QString& hint)
{
    auto* box = new QCheckBox(text);
    box->setToolTip(hint);
    return box;
}

QComboBox* ComboBox(const QStringList& items, const QString& hint)
{
    auto* box = new QComboBox;
    box->addItems(items);
    box->setToolTip(hint);
    return box;
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

TfrmMakeBook::TfrmMakeBook(settings::TSettings& settings, QWidget* parent) : QDialog(parent), FSettings(settings)
{
    setWindowTitle(tr("Make Book"));
    setAcceptDrops(true);
    AskOutputPath = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save Book As"), suggested, tr("Wolf books (*.wol)"));
    };

    auto* tabs = new QTabWidget;
    tabs->addTab(CreateSourcesPage(), tr("Sources"));
    tabs->addTab(CreateOptionsPage(), tr("Pages"));
    tabs->addTab(CreateDescriptionPage(), tr("Description"));
    tabs->addTab(CreateContentsPage(), tr("Contents"));

    prbProgress = new QProgressBar;
    lblStatus = new QLabel(tr("Add pictures, folders, comic archives, PDFs or text files, or drop them here."));
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

    LoadOptions();
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
        AddSources(QFileDialog::getOpenFileNames(
            this, tr("Add Files"), QString(),
            tr("Books' sources (%1);;All files (*)")
                .arg(QStringLiteral("*.pdf *.png *.jpg *.jpeg *.bmp *.gif *.tif *.tiff *.webp *.cbz *.zip *.cbr *.rar "
                                    "*.cb7 *.7z *.tar *.txt"))));
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

    edtPdfPages = new QLineEdit;
    edtPdfPages->setPlaceholderText(tr("all"));
    edtPdfPages->setToolTip(tr("The pages of each PDF to take, as 3-120; empty takes all."));
    connect(edtPdfPages, &QLineEdit::editingFinished, this, &TfrmMakeBook::SourcesChanged);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnAddFiles, btnAddFolder, btnRemove, btnUp, btnDown}) buttons->addWidget(button);
    buttons->addStretch();
    auto* list = new QHBoxLayout;
    list->addWidget(lstSources, 1);
    list->addLayout(buttons);
    auto* pages = new QFormLayout;
    pages->addRow(tr("PDF pages:"), edtPdfPages);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(list, 1);
    layout->addLayout(pages);
    return page;
}

QWidget* TfrmMakeBook::CreateOptionsPage()
{
    auto* page = new QWidget;
    cmbScreen = new QComboBox;
    for (const making::TScreenProfile& profile : making::ScreenProfiles())
        cmbScreen->addItem(
            tr("%1-inch screen, %2 x %3").arg(profile.Inches).arg(profile.Size.width()).arg(profile.Size.height()),
            QLatin1String(profile.Name));
    cmbScreen->setToolTip(tr("The reading device's screen: pages are made at its size."));
    chbCrop = CheckBox(tr("Crop blank margins"),
                       tr("Cuts white margins, ignoring specks and page numbers, so the text is larger."));
    cmbSpread = ComboBox({tr("Split into two pages"), tr("Turn a quarter"), tr("Both"), tr("Keep as it is")},
                         tr("What becomes of a landscape page, usually two facing pages."));
    chbRightToLeft = CheckBox(tr("Right to left"),
                              tr("For books read right to left (manga): the right half of a spread comes first."));
    spnGamma = new QDoubleSpinBox;
    spnGamma->setRange(0.1, 10);
    spnGamma->setSingleStep(0.1);
    spnGamma->setToolTip(tr("Above 1 darkens the mid-tones; below 1 lightens them."));
    chbAutoContrast = CheckBox(tr("Stretch contrast"), tr("Makes the darkest part black and the paper white."));
    cmbBits = ComboBox({tr("Four greys (2 bits)"), tr("Black and white (1 bit)")},
                       tr("Four greys look better; black and white makes smaller books."));
    cmbDither = ComboBox({tr("Error diffusion"), tr("Ordered pattern"), tr("Nearest grey")},
                         tr("How the greys in between are drawn: error diffusion keeps detail, a pattern suits "
                            "drawings, nearest grey keeps text crisp."));
    chbStretch = CheckBox(tr("Fill the screen"), tr("Stretches pages to the whole screen, ignoring their shape."));
    chbUpscale = CheckBox(tr("Enlarge small pictures"), tr("Pictures smaller than the screen are enlarged to fit it."));

    auto* form = new QFormLayout(page);
    form->addRow(tr("Screen:"), cmbScreen);
    form->addRow(QString(), chbCrop);
    form->addRow(tr("Landscape pages:"), cmbSpread);
    form->addRow(QString(), chbRightToLeft);
    form->addRow(tr("Gamma:"), spnGamma);
    form->addRow(QString(), chbAutoContrast);
    form->addRow(tr("Greys:"), cmbBits);
    form->addRow(tr("Shading:"), cmbDither);
    form->addRow(QString(), chbStretch);
    form->addRow(QString(), chbUpscale);
    auto* hint = new QLabel(tr("Hold the mouse over an option to see what it does."));
    hint->setWordWrap(true);
    form->addRow(hint);
    return page;
}

QWidget* TfrmMakeBook::CreateDescriptionPage()
{
    auto* page = new QWidget;
    auto* form = new QFormLayout(page);
    for (int i = 0; i < 9; ++i) {
        edtFields[i] = new QLineEdit;
        form->addRow(tr("%1:").arg(tr(FieldLabels[i])), edtFields[i]);
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
    btnSources->setToolTip(tr("The PDFs' outlines and the folders' names."));
    connect(btnFile, &QPushButton::clicked, this, &TfrmMakeBook::ChooseContentsFile);
    connect(btnSources, &QPushButton::clicked, this, [this] {
        FContentsFile.clear();
        ShowContents();
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

void TfrmMakeBook::LoadOptions()
{
    const settings::TSettingValues& values = FSettings.Values();
    cmbScreen->setCurrentIndex(std::max(0, cmbScreen->findData(QString::fromLatin1(values.MakeScreen))));
    chbCrop->setChecked(values.MakeCrop);
    cmbSpread->setCurrentIndex(values.MakeSpread);
    chbRightToLeft->setChecked(values.MakeRightToLeft);
    spnGamma->setValue(values.MakeGamma / 100.0);
    chbAutoContrast->setChecked(values.MakeAutoContrast);
    cmbBits->setCurrentIndex(2 - values.MakeBits);
    cmbDither->setCurrentIndex(values.MakeDither);
    chbStretch->setChecked(values.MakeStretch);
    chbUpscale->setChecked(values.MakeUpscale);
    for (QCheckBox* box : {chbCrop, chbRightToLeft, chbAutoContrast, chbStretch, chbUpscale})
        connect(box, &QCheckBox::toggled, this, &TfrmMakeBook::OptionsChanged);
    for (QComboBox* box : {cmbScreen, cmbSpread, cmbBits, cmbDither})
        connect(box, &QComboBox::currentIndexChanged, this, &TfrmMakeBook::OptionsChanged);
    connect(spnGamma, &QDoubleSpinBox::valueChanged, this, &TfrmMakeBook::OptionsChanged);
}

making::TProcessOptions TfrmMakeBook::Options() const
{
    making::TProcessOptions options;
    options.Screen = making::ScreenProfiles().at(static_cast<size_t>(std::max(0, cmbScreen->currentIndex()))).Size;
    options.CropMargins = chbCrop->isChecked();
    options.Spread = static_cast<making::TSpreadMode>(cmbSpread->currentIndex());
    options.RightToLeft = chbRightToLeft->isChecked();
    options.Gamma = spnGamma->value();
    options.AutoContrast = chbAutoContrast->isChecked();
    options.Bits = 2 - cmbBits->currentIndex();
    options.Dither = static_cast<making::TDitherMethod>(cmbDither->currentIndex());
    options.Stretch = chbStretch->isChecked();
    options.Upscale = chbUpscale->isChecked();
    return options;
}

void TfrmMakeBook::OptionsChanged()
{
    settings::TSettingValues values = FSettings.Values();
    const making::TProcessOptions options = Options();
    values.MakeScreen = cmbScreen->currentData().toString().toLatin1();
    values.MakeCrop = options.CropMargins;
    values.MakeSpread = static_cast<int>(options.Spread);
    values.MakeRightToLeft = options.RightToLeft;
    values.MakeGamma = qRound(options.Gamma * 100);
    values.MakeAutoContrast = options.AutoContrast;
    values.MakeBits = options.Bits;
    values.MakeDither = static_cast<int>(options.Dither);
    values.MakeStretch = options.Stretch;
    values.MakeUpscale = options.Upscale;
    FSettings.SetValues(values);
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

std::vector<making::TSourcePage> TfrmMakeBook::CollectPages() const
{
    const QStringList sources = Sources();
    if (sources.isEmpty()) return {};
    const making::TPageRange range = making::ParsePageRange(edtPdfPages->text()).value_or(making::TPageRange{});
    return making::CollectPages(sources, Options().Screen, range);
}

void TfrmMakeBook::SourcesChanged()
{
    const QStringList sources = Sources();
    FPages.clear();
    SetStatus(QString());
    QString title = sources.isEmpty() ? QString() : making::SourceTitle(sources.front());
    making::TPdfDescription pdf;
    try {
        if (!edtPdfPages->text().trimmed().isEmpty() && !making::ParsePageRange(edtPdfPages->text()))
            SetStatus(tr("PDF pages: give FIRST-LAST, counted from 1, such as 3-120."), true);
        FPages = CollectPages();
        if (!sources.isEmpty() && making::IsPdfName(sources.front())) pdf = making::ReadPdfDescription(sources.front());
    } catch (const std::exception& error) {
        SetStatus(QString::fromUtf8(error.what()), true);
    }
    // The description follows the sources until the user writes one.
    if (!pdf.Title.isEmpty()) title = pdf.Title;
    if (edtFields[TitleField]->text() == FSuggestedTitle) edtFields[TitleField]->setText(title);
    FSuggestedTitle = title;
    if (edtFields[AuthorField]->text().isEmpty()) edtFields[AuthorField]->setText(pdf.Author);
    if (edtFields[SubjectField]->text().isEmpty()) edtFields[SubjectField]->setText(pdf.Subject);

    spnPreviewPage->blockSignals(true);
    spnPreviewPage->setRange(FPages.empty() ? 0 : 1, static_cast<int>(FPages.size()));
    spnPreviewPage->setSuffix(tr(" of %1").arg(FPages.size()));
    spnPreviewPage->blockSignals(false);
    RequestPreview();
    ShowContents();
}

void TfrmMakeBook::RequestPreview()
{
    const int index = spnPreviewPage->value() - 1;
    if (index < 0 || index >= static_cast<int>(FPages.size())) {
        ShowPreview({{}, {}, QString()});
        return;
    }
    FPreview.Request(FPages[static_cast<size_t>(index)], Options());
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
    wolf::TWolfTOCList contents;
    const auto encode = [](const QString& text) { return Encode(text).value_or(std::string()); };
    if (!FContentsFile.isEmpty()) {
        try {
            making::TBookPlan plan;
            plan.Encode = Encode;
            contents = making::ReadCatalogContents(plan, FContentsFile);
        } catch (const std::exception& error) {
            SetStatus(QString::fromUtf8(error.what()), true);
            FContentsFile.clear();
        }
    }
    // From the sources, entries name source pages: splitting spreads moves the book's pages on.
    if (FContentsFile.isEmpty()) {
        making::TChapterContents chapters(encode);
        for (size_t i = 0; i < FPages.size(); ++i) {
            chapters.Enter(FPages[i].Chapters, static_cast<int>(i));
            for (const making::TSourceHeading& heading : FPages[i].Headings)
                chapters.AddHeading(heading.Level, heading.Title, static_cast<int>(i));
        }
        contents = chapters.Contents();
    }
    tvContents->headerItem()->setText(1, FContentsFile.isEmpty() ? tr("Source page") : tr("Page"));
    QTreeWidgetItem* parents[3] = {};
    for (int i = 0; i < contents.Count(); ++i) {
        const wolf::TWolfTOCItem& item = contents[i];
        const int level = std::clamp(static_cast<int>(item.Level()), 1, 3);
        QTreeWidgetItem* parent = level > 1 ? parents[level - 2] : nullptr;
        const QStringList columns{QString::fromStdString(item.Title()), QString::number(item.PageIndex + 1)};
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
    ShowContents();
}

void TfrmMakeBook::MakeBook()
{
    if (FConversion.IsRunning()) return;
    if (FPages.empty()) {
        SetStatus(tr("Add the pages' sources first."), true);
        return;
    }
    const QString title = edtFields[TitleField]->text().trimmed();
    QString path = AskOutputPath(title.isEmpty() ? QStringLiteral("book.wol") : title + QStringLiteral(".wol"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".wol");

    making::TBookPlan plan;
    plan.Options = Options();
    plan.Encode = Encode;
    plan.EncodingName = QString::fromLatin1(BookEncoding().Name());
    plan.OutputPath = path;
    plan.ReplaceExisting = true;  // the save dialog asked
    try {
        plan.Pages = CollectPages();
        for (int i = 0; i < 9; ++i)
            plan.Description.SetField(i, making::EncodeOrFail(plan, edtFields[i]->text(), tr(FieldLabels[i])));
        if (!FContentsFile.isEmpty()) plan.Contents = making::ReadCatalogContents(plan, FContentsFile);
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

void TfrmMakeBook::ConversionFinished(const QString& path, const QString& failure, bool cancelled)
{
    btnMake->setEnabled(true);
    btnCancel->setEnabled(false);
    if (cancelled || !failure.isEmpty()) {
        prbProgress->setValue(0);
        SetStatus(cancelled ? tr("Stopped; no book was written.") : failure, !cancelled);
        return;
    }
    SetStatus(tr("Made \"%1\".").arg(QDir::toNativeSeparators(path)));
    emit BookMade(path);
    accept();
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
