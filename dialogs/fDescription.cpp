#include "fDescription.h"

#include "uDescriptionLabels.h"
#include "uEncodedText.h"
#include "uFixedFrame.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace dialogs {

namespace {

// The annotation's length as it is stored: every line break takes CR and LF.
int StoredLength(const QString& text)
{
    return int(text.size() + text.count(u'\n'));
}

}  // namespace

TfrmDescription::TfrmDescription(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(tr(" Description"));
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignRight);
    using wolf::TWolfDescription;
    // Typing stops one byte short of what the field keeps.
    const auto addEdit = [&](TWolfDescription::TField index) {
        const int limit = TWolfDescription::Limits[index] - 1;
        auto* edit = new QLineEdit(this);
        edit->setMaxLength(limit);
        form->addRow(DescriptionFieldLabel(index), edit);
        return TLineField{edit, index, limit};
    };
    FLineFields = {
        addEdit(TWolfDescription::Title),       addEdit(TWolfDescription::Author),
        addEdit(TWolfDescription::Subject),     addEdit(TWolfDescription::Adapter),
        addEdit(TWolfDescription::Translator),  addEdit(TWolfDescription::Publisher),
        addEdit(TWolfDescription::PublishTime), addEdit(TWolfDescription::ISBN),
    };
    edtTitle = FLineFields[0].Edit;
    edtAuthor = FLineFields[1].Edit;
    edtSubject = FLineFields[2].Edit;
    edtAdapter = FLineFields[3].Edit;
    edtTranslator = FLineFields[4].Edit;
    edtPublisher = FLineFields[5].Edit;
    edtPublishTime = FLineFields[6].Edit;
    edtISBN = FLineFields[7].Edit;
    memAnnotation = new QPlainTextEdit(this);
    memAnnotation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memAnnotation->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memAnnotation->setTabChangesFocus(true);
    memAnnotation->setFixedHeight(89);
    form->addRow(DescriptionFieldLabel(TWolfDescription::Introduction), memAnnotation);

    btnSave = new QPushButton(tr("Save"), this);
    btnCancel = new QPushButton(tr("Cancel"), this);
    for (QPushButton* button : {btnSave, btnCancel}) button->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnSave);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setTabOrder(btnCancel, edtTitle);
    QWidget* previous = edtTitle;
    for (size_t i = 1; i < FLineFields.size(); ++i) {
        setTabOrder(previous, FLineFields[i].Edit);
        previous = FLineFields[i].Edit;
    }
    setTabOrder(previous, memAnnotation);
    setTabOrder(memAnnotation, btnSave);

    connect(btnSave, &QPushButton::clicked, this, &TfrmDescription::btnSaveClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(memAnnotation, &QPlainTextEdit::textChanged, this, &TfrmDescription::memAnnotationChange);
    FixFrameSize(this, {401, 345});
}

void TfrmDescription::SetEditable(bool editable)
{
    for (const TLineField& field : FLineFields) field.Edit->setReadOnly(!editable);
    memAnnotation->setReadOnly(!editable);
}

void TfrmDescription::LoadControls(const wolf::TWolfDescription& description)
{
    for (int i = 0; i < wolf::TWolfDescription::FieldCount; ++i) FOriginal[size_t(i)] = description.GetField(i);
    FOriginal[AnnotationIndex] = NormaliseLineBreaks(FOriginal[AnnotationIndex]);
    for (const TLineField& field : FLineFields) {
        const QString text = FEncoding->Decode(FOriginal[size_t(field.Index)]);
        // The limit stops typing only: a longer text from the book is shown whole.
        field.Edit->setMaxLength(std::max(field.Limit, int(text.size())));
        field.Edit->setText(text);
    }
    QString annotation = FEncoding->Decode(FOriginal[AnnotationIndex]);
    annotation.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    FAnnotationLength = StoredLength(annotation);
    memAnnotation->setPlainText(annotation);
}

QString TfrmDescription::AnnotationText() const
{
    return memAnnotation->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

// Typing and pasting stop at the limit: what goes beyond it is cut from the end of the
// text just put in, which ends at the cursor.
void TfrmDescription::memAnnotationChange()
{
    const QString text = memAnnotation->toPlainText();
    const int length = StoredLength(text);
    const int allowed = std::max(AnnotationLimit, FAnnotationLength);
    if (length > allowed && length > FAnnotationLength) {
        QTextCursor cursor = memAnnotation->textCursor();
        const int end = cursor.position();
        int start = end;
        for (int excess = length - allowed; excess > 0 && start > 0;) {
            --start;
            excess -= text.at(start) == u'\n' ? 2 : 1;
            if (start > 0 && text.at(start).isLowSurrogate()) --start;
        }
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();  // comes back here once, then within the limit
        return;
    }
    FAnnotationLength = length;
}

int TfrmDescription::ShowDescription(const wolf::TWolfDescription& description, const platform::TBookEncoding& encoding)
{
    FEncoding = &encoding;
    SetEditable(false);
    LoadControls(description);
    btnSave->hide();
    btnSave->setDefault(false);
    btnCancel->setDefault(true);
    btnCancel->setText(tr("Close"));
    btnCancel->setFocus();
    const int result = exec();
    FEncoding = nullptr;
    return result;
}

bool TfrmDescription::EditDescription(wolf::TWolfDescription& description, const platform::TBookEncoding& encoding)
{
    FEncoding = &encoding;
    SetEditable(true);
    LoadControls(description);
    btnCancel->setDefault(false);
    btnCancel->setText(tr("Cancel"));
    btnSave->show();
    btnSave->setDefault(true);
    edtTitle->setFocus();
    const bool saved = exec() == QDialog::Accepted;
    FEncoding = nullptr;
    if (!saved) return false;
    for (const TLineField& field : FLineFields) description.SetField(field.Index, FEdited[size_t(field.Index)]);
    description.SetField(AnnotationIndex, FEdited[AnnotationIndex]);
    return true;
}

// Every text is put into the book's encoding before the window closes, so that a
// character the book cannot store is reported while the user can still change it.
void TfrmDescription::btnSaveClick()
{
    const auto encode = [this](int index, const QString& text) {
        std::optional<std::string> bytes =
            EncodeEdited(*FEncoding, FOriginal[size_t(index)], text, size_t(wolf::TWolfDescription::Limits[index]));
        if (bytes) FEdited[size_t(index)] = std::move(*bytes);
        return bytes.has_value();
    };
    QWidget* refused = nullptr;
    for (const TLineField& field : FLineFields) {
        if (!encode(field.Index, field.Edit->text()) && !refused) refused = field.Edit;
    }
    if (!encode(AnnotationIndex, AnnotationText()) && !refused) refused = memAnnotation;
    if (refused) {
        RefuseUnstorableText(tr("The description holds characters that the book's encoding (%1) cannot store."),
                             *FEncoding, refused);
        return;
    }
    accept();
}

}  // namespace dialogs
