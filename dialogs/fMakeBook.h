// The book maker window: sources in, a device's screen and the processing options, a live
// preview of one page, the description and contents, and the conversion with its progress.
#pragma once

#include "BookPlan.h"
#include "Settings.h"
#include "uMakeJobs.h"
#include "uMakeOptionControls.h"

#include <QDialog>
#include <functional>
#include <optional>

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
    // Asks for the password of an encrypted PDF (again when the last one failed); an empty
    // answer gives up. Tests replace it.
    std::function<QString(const QString& path, bool wrongPassword)> AskPassword;
    // Starts making the book, asking where to put it.
    void MakeBook();
    bool IsConverting() const { return FConversion.IsRunning(); }
    bool IsPreviewing() const { return FPreview.IsBusy(); }
    const TPreview& Preview() const { return FShownPreview; }
    // The control of an option, by its name on the command line ("bits", "pages").
    QWidget* OptionControl(const char* name) const { return FOptions.Control(name); }

    QListWidget* lstSources;
    QSpinBox* spnPreviewPage;
    QLabel* imgSource;
    QLabel* imgProcessed;
    QLineEdit* edtFields[wolf::TWolfDescription::FieldCount];
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
    void OptionsChanged(bool sources);
    QStringList Sources() const;
    // What the window asks for; with the user's fields when they replace the sources'.
    making::TPlanRequest Request(bool withFields) const;
    // The plan, asking for a PDF's password while one is needed and the user gives one.
    making::TBookPlan PlanAskingForPassword(making::TPlanRequest request);
    // Plans the book again from the sources: their pages, the description and contents they suggest.
    void SourcesChanged();
    void MoveSource(int step);
    void RequestPreview();
    void ShowPreview(const TPreview& preview);
    void ShowContents();
    void ChooseContentsFile();
    void ConversionProgress(int done, int total, qint64 msecondsLeft);
    void ConversionFinished(const QString& path, const TConversionEnd& end);
    void ShowProgress(int done, int total);
    void SetStatus(const QString& text, bool failure = false);

    settings::TSettings& FSettings;
    TMakeOptionControls FOptions;
    // The plan shown: its pages in the preview, its contents in the Contents tab. A fresh plan
    // is made for the conversion, as pages of an archive share its reader.
    making::TBookPlan FPlan;
    QString FSuggestedTitle;  // the title the sources gave, replaced while the user keeps it
    QString FContentsFile;    // a catalog file in place of the sources' contents
    QString FPdfPassword;     // the last one the user gave, tried on every encrypted PDF
    TPreview FShownPreview;
    TPreviewWorker FPreview;
    TBookConversion FConversion;
};

}  // namespace dialogs
