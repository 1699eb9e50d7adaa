// Qt's image plug-ins warn through Qt's message handler (a JPEG cut off: "Premature end of JPEG
// file"), naming no file, on whichever thread decodes. While a TDecoderWarnings lives on a
// thread, the messages raised on that thread are held by it instead, for its owner to name.
#pragma once

#include <QString>
#include <QStringList>

namespace making {

class TDecoderWarnings {
public:
    TDecoderWarnings();
    ~TDecoderWarnings();
    TDecoderWarnings(const TDecoderWarnings&) = delete;
    TDecoderWarnings& operator=(const TDecoderWarnings&) = delete;

    // The messages held so far, in order.
    const QStringList& Messages() const { return FMessages; }
    // The first that says the picture's data ends early; empty when none does.
    QString CutOff() const;

private:
    QStringList FMessages;
    QStringList* const FOuter;  // an enclosing one's, held again once this one ends
};

}  // namespace making
