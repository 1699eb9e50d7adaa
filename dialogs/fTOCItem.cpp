#include "fTOCItem.h"

#include "uDigitKeyFilter.h"
#include "uEncodedText.h"
#include "uFixedFrame.h"
#include "uWolfDefs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace dialogs {

TfrmTOCItem::TfrmTOCItem(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(tr("TOC Item"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Name:"), this));
    edtItemName = new QLineEdit(this);
    edtItemName->setMaxLength(MaxNameLength);
    layout->addWidget(edtItemName);
    lblPageNum = new QLabel(this);
    layout->addWidget(lblPageNum);
    edtPageNum = new QLineEdit(this);
    layout->addWidget(edtPageNum);
    new TDigitKeyFilter(edtPageNum, [this](const QString& text) {
        bool ok = false;
        const int value = text.toInt(&ok);
        return ok && value <= FPageCount;
    });

    auto* buttons = new QDialogButtonBox(this);
    btnOK = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    btnCancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    btnOK->setDefault(true);
    layout->addWidget(buttons);
    connect(btnOK, &QPushButton::clicked, this, &TfrmTOCItem::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    FixFrameSize(this, {321, 145});
}

bool TfrmTOCItem::AskItem(const platform::TBookEncoding& encoding, int pageCount, std::string& name, int& page)
{
    FPageCount = pageCount;
    FEncoding = &encoding;
    FOriginalName = name;
    page = std::clamp(page, 1, std::max(pageCount, 1));
    edtItemName->setText(encoding.Decode(name));
    lblPageNum->setText(tr("Page (1..%1):").arg(pageCount));
    edtPageNum->setText(QString::number(page));
    edtItemName->setFocus();
    const bool confirmed = exec() == QDialog::Accepted;
    FEncoding = nullptr;
    if (!confirmed) return false;
    name = FName;
    bool ok = false;
    const int typed = edtPageNum->text().toInt(&ok);
    if (!ok || typed <= 0 || typed > pageCount) return false;
    page = typed;
    return true;
}

// The name is checked before the dialog closes, so that a character the book cannot
// store is reported while the user can still change it.
void TfrmTOCItem::btnOKClick()
{
    const std::optional<std::string> bytes =
        EncodeEdited(*FEncoding, FOriginalName, edtItemName->text(), MaxNameLength);
    if (!bytes) {
        RefuseUnstorableText(tr("The name holds characters that the book's encoding (%1) cannot store."), *FEncoding,
                             edtItemName);
        return;
    }
    FName = wolf::Trim(*bytes);
    if (FName.empty()) FName = "(empty)";
    accept();
}

}  // namespace dialogs
