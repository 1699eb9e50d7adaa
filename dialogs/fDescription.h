// The book's description, shown read-only or edited on a copy.
#pragma once

#include "BookEncoding.h"
#include "uWolfDefs.h"

#include <QDialog>
#include <array>
#include <string>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace dialogs {

class TfrmDescription : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDescription(QWidget* parent = nullptr);

    // View mode; changes nothing. Returns the modal result.
    int ShowDescription(const wolf::TWolfDescription& description, const platform::TBookEncoding& encoding);
    // Edit mode. Only on Save are the texts written into description (and true returned).
    bool EditDescription(wolf::TWolfDescription& description, const platform::TBookEncoding& encoding);

    QLineEdit* edtTitle;
    QLineEdit* edtAuthor;
    QLineEdit* edtSubject;
    QLineEdit* edtAdapter;
    QLineEdit* edtTranslator;
    QLineEdit* edtPublisher;
    QLineEdit* edtPublishTime;
    QLineEdit* edtISBN;
    QPlainTextEdit* memAnnotation;
    QPushButton* btnCancel;
    QPushButton* btnSave;

    static constexpr wolf::TWolfDescription::TField AnnotationIndex = wolf::TWolfDescription::Introduction;
    static constexpr int AnnotationLimit = wolf::TWolfDescription::Limits[AnnotationIndex] - 1;

private:
    struct TLineField {
        QLineEdit* Edit;
        wolf::TWolfDescription::TField Index;
        int Limit;
    };

    void SetEditable(bool editable);
    void LoadControls(const wolf::TWolfDescription& description);
    void btnSaveClick();
    void memAnnotationChange();
    QString AnnotationText() const;

    std::array<TLineField, 8> FLineFields;
    const platform::TBookEncoding* FEncoding = nullptr;
    std::array<std::string, wolf::TWolfDescription::FieldCount> FOriginal;  // as shown
    std::array<std::string, wolf::TWolfDescription::FieldCount> FEdited;    // as confirmed
    int FAnnotationLength = 0;
};

}  // namespace dialogs
