#include "MessageAnswers.h"

TMessageAnswers::TMessageAnswers(QMessageBox::StandardButton answer) : Answer(answer)
{
    dialogs::SetMessageHook(
        [this](QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons, QWidget* parent) {
            Shown.append({icon, text, buttons, parent});
            return buttons.testFlag(Answer) ? Answer : QMessageBox::NoButton;
        });
}

TMessageAnswers::~TMessageAnswers()
{
    dialogs::SetMessageHook({});
}

QStringList TMessageAnswers::Texts() const
{
    QStringList texts;
    for (const TMessage& message : Shown) texts.append(message.Text);
    return texts;
}
