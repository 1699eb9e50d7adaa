// Lets only digits through to a line edit, optionally only those that keep its text
// acceptable. Typed keys only: pasted text is left to whoever reads the edit.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace dialogs {

class TDigitKeyFilter : public QObject {
    Q_OBJECT
public:
    // accepts decides on the text that a typed digit would produce; none accepts all.
    explicit TDigitKeyFilter(QLineEdit* edit, std::function<bool(const QString&)> accepts = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* FEdit;
    std::function<bool(const QString&)> FAccepts;
};

}  // namespace dialogs
