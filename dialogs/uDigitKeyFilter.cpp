#include "uDigitKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace dialogs {

TDigitKeyFilter::TDigitKeyFilter(QLineEdit* edit, std::function<bool(const QString&)> accepts)
    : QObject(edit), FEdit(edit), FAccepts(std::move(accepts))
{
    edit->installEventFilter(this);
}

bool TDigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != FEdit || event->type() != QEvent::KeyPress) return false;
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    // Editing and control keys (backspace, delete, arrows, shortcuts) carry no printable text.
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    if (typed.size() != 1 || typed.at(0) < u'0' || typed.at(0) > u'9') return true;
    if (!FAccepts) return false;
    const QString text = FEdit->text();
    const qsizetype start = FEdit->hasSelectedText() ? FEdit->selectionStart() : FEdit->cursorPosition();
    const qsizetype length = FEdit->hasSelectedText() ? FEdit->selectedText().size() : 0;
    const QString result = text.left(start) + typed + text.mid(start + length);
    return !FAccepts(result);
}

}  // namespace dialogs
