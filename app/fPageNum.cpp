#include "fPageNum.h"

#include "uDigitKeyFilter.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool PageTextAccepted(const QString& text, int pageCount)
{
    bool ok = false;
    const qlonglong value = text.toLongLong(&ok);
    return ok && value <= pageCount;
}

TfrmPageNum::TfrmPageNum(QWidget* parent)
    : QDialog(parent),
      lblPageNum(new QLabel(this)),
      edtPageNum(new QLineEdit(this)),
      btnOK(new QPushButton(tr("OK"), this)),
      btnCancel(new QPushButton(tr("Cancel"), this))
{
    new dialogs::TDigitKeyFilter(edtPageNum,
                                 [this](const QString& text) { return PageTextAccepted(text, FPageCount); });
    setWindowTitle(tr("Go to page..."));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPageNum);
    layout->addWidget(edtPageNum);
    layout->addLayout(buttons);
    setFixedSize(186, 105);
    move(432, 200);
}

bool TfrmPageNum::AskPageNumber(int pageCount, int& page)
{
    lblPageNum->setText(tr("Enter page (1..%1):").arg(pageCount));
    edtPageNum->setMaxLength(static_cast<int>(QString::number(pageCount).size()));
    FPageCount = pageCount;
    edtPageNum->setFocus();
    if (exec() != QDialog::Accepted) return false;
    bool ok = false;
    const int value = edtPageNum->text().trimmed().toInt(&ok);
    if (!ok || value < 1 || value > pageCount) return false;
    page = value;
    return true;
}
