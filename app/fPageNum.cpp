#include "fPageNum.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool PageDigitAccepted(const QString& text, int selectionStart, int selectionLength, QChar digit,
                       int pageCount)
{
    if (digit < u'0' || digit > u'9') return false;
    const QString result = text.left(selectionStart) + digit + text.mid(selectionStart + selectionLength);
    bool ok = false;
    const qlonglong value = result.toLongLong(&ok);
    return ok && value <= pageCount;
}

TPageNumberKeyFilter::TPageNumberKeyFilter(QLineEdit* edit, int pageCount)
    : QObject(edit), FEdit(edit), FPageCount(pageCount)
{
    edit->installEventFilter(this);
}

bool TPageNumberKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FEdit || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Backspace) return false;
    const QString typed = key->text();
    // Navigation keys type nothing, and control characters (Ctrl+V and the like) are
    // commands, not characters.
    if (typed.isEmpty() || typed.at(0).category() == QChar::Other_Control) return false;
    const int start = FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition();
    const int length = FEdit->hasSelectedText() ? FEdit->selectedText().size() : 0;
    const bool accepted = typed.size() == 1 && PageDigitAccepted(FEdit->text(), start, length, typed.at(0), FPageCount);
    return !accepted;
}

TfrmPageNum::TfrmPageNum(QWidget* parent)
    : QDialog(parent)
    , lblPageNum(new QLabel(this))
    , edtPageNum(new QLineEdit(this))
    , btnOK(new QPushButton(QStringLiteral("OK"), this))
    , btnCancel(new QPushButton(QStringLiteral("Cancel"), this))
    , FKeyFilter(new TPageNumberKeyFilter(edtPageNum, 1))
{
    setWindowTitle(QStringLiteral("Go to page..."));
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
    lblPageNum->setText(QStringLiteral("Enter page (1..%1):").arg(pageCount));
    edtPageNum->setMaxLength(static_cast<int>(QString::number(pageCount).size()));
    FKeyFilter->SetPageCount(pageCount);
    edtPageNum->setFocus();
    if (exec() != QDialog::Accepted) return false;
    bool ok = false;
    const int value = edtPageNum->text().trimmed().toInt(&ok);
    if (!ok || value < 1 || value > pageCount) return false;
    page = value;
    return true;
}
