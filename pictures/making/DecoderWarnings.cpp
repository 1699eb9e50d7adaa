#include "DecoderWarnings.h"

#include <QtGlobal>
#include <atomic>
#include <cstdio>
#include <mutex>

namespace making {

namespace {

thread_local QStringList* Held = nullptr;  // the messages of this thread's innermost TDecoderWarnings
// Set once, as messages may already come in on other threads.
std::atomic<QtMessageHandler> Previous = nullptr;

void PassToPrevious(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (const QtMessageHandler previous = Previous.load())
        previous(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (Held && type != QtFatalMsg)
        *Held << message;
    else
        PassToPrevious(type, context, message);
}

}  // namespace

TDecoderWarnings::TDecoderWarnings() : FOuter(Held)
{
    static std::once_flag installed;
    std::call_once(installed, [] { Previous = qInstallMessageHandler(Handle); });
    Held = &FMessages;
}

TDecoderWarnings::~TDecoderWarnings()
{
    Held = FOuter;
}

QString TDecoderWarnings::CutOff() const
{
    // libjpeg's own words for a file that ends early ("Premature end of JPEG file", "Corrupt
    // JPEG data: premature end of data segment"); its other warnings (extraneous bytes before a
    // marker) are common in pictures that show well.
    for (const QString& message : FMessages)
        if (message.contains(QLatin1String("premature end"), Qt::CaseInsensitive)) return message;
    return {};
}

}  // namespace making
