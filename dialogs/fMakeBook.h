// The book maker window: sources in, a device's screen and the processing options, a live
// preview of one page, the description and contents, and the conversion with its progress.
#pragma once

#include "Settings.h"
#include "SourcePage.h"
#include "uMakeJobs.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTreeWidget;

namespace dialogs {

class TfrmMakeBook : public QDialog {
    Q_OBJECT
public:
    // Options come from the settings and go back to them as they change.
    explicit TfrmMakeBook(settings::TSettings& settings, QWidget* parent = nullptr);
    ~TfrmMakeBook() override;

    void AddSources(const QStringList& paths);
    // Asks where to save the book; an empty answer makes nothing. Tests replace it.
    std::function<QString(const QString& suggested)> AskOutputPath;
    // Starts making the book, asking where to put it.
    void MakeBook();
    bool IsConverting() const { return FConversion.IsRunning(); }
    bool IsPreviewing() const { return FPreview.IsBusy(); }
    const TPreview& Preview() const { return FShownPreview; }

    QListWidget* lstSources;
    QComboBox* cmbScreen;
    QCheckBox* chbCrop;
    QComboBox* cmbSpread;
    QCheckBox* chbRightToLeft;
    QDoubleSpinBox* spnGamma;
    QCheckBox* chbAutoContrast;
    QComboBox* cmbBits;
    QComboBox* cmbDither;
    QCheckBox* chbStretch;
    QCheckBox* chbUpscale;
    QLineEdit* edtPdfPages;
    QSpinBox* spnPreviewPage;
    QLabel* imgSource;
    QLabel* imgProcessed;
    QLineEdit* edtFields[9];
    QTreeWidget* tvContents;
    QProgressBar* prbProgress;
    QLabel* lblStatus;
    QPushButton* btnMake;
    QPushButton* btnCancel;

signals:
    void BookMade(const QString& path);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void reject() override;

private:
    QWidget* CreateSourcesPage();
    QWidget* CreateOptionsPage();
    QWidget* CreateDescriptionPage();
    QWidget* CreateContentsPage();
    QWidget* CreatePreview();
    void LoadOptions();
    making::TProcessOptions Options() const;
    void OptionsChanged();
    QStringList Sources() const;
    // The sources' pages; a fresh list for each use, as pages of an archive share its reader.
    std::vector<making::TSourcePage> CollectPages() const;
    // Lists the sources' pages again, with the description and contents they suggest.
    void SourcesChanged();
    void MoveSource(int step);
    void RequestPreview();
    void ShowPreview(const TPreview& preview);
    void ShowContents();
    void ChooseContentsFile();
    void ConversionProgress(int done, int total, qint64 msecondsLeft);
    void ConversionFinished(const QString& path, const QString& failure, bool cancelled);
    void ShowProgress(int done, int total);
    void SetStatus(const QString& text, bool failure = false);

    settings::TSettings& FSettings;
    std::vector<making::TSourcePage> FPages;
    QString FSuggestedTitle;  // the title the sources gave, replaced while the user keeps it
    QString FContentsFile;    // a catalog file in place of the sources' contents
    TPreview FShownPreview;
    TPreviewWorker FPreview;
    TBookConversion FConversion;
};

}  // namespace dialogs
