// Answers the program's message boxes while it lives, without showing them, and keeps what
// each one said. One at a time: its end gives the boxes back to the screen.
#pragma once

#include "ErrorReport.h"

#include <QList>
#include <QStringList>

class TMessageAnswers {
public:
    explicit TMessageAnswers(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~TMessageAnswers();
    TMessageAnswers(const TMessageAnswers&) = delete;
    TMessageAnswers& operator=(const TMessageAnswers&) = delete;

    struct TMessage {
        QMessageBox::Icon Icon;
        QString Text;
        QMessageBox::StandardButtons Buttons;
        QWidget* Parent;
    };

    // The button that closes the following boxes; a box that does not offer it is closed
    // with no button at all, which no caller takes for a yes.
    QMessageBox::StandardButton Answer;
    QList<TMessage> Shown;

    QStringList Texts() const;
};
