#include "DecoderWarnings.h"

#include <QtGlobal>
#include <cstdio>
#include <mutex>

namespace making {

void HoldMessage(const QString& message);

namespace {

thread_local TDecoderWarnings* Current = nullptr;
QtMessageHandler Previous = nullptr;

void PassToPrevious(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (Previous)
        Previous(type, context, message);
    else
        fprintf(stderr, "%s\n", qPrintable(message));
}

void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (Current && type != QtFatalMsg)
        HoldMessage(message);
    else
        PassToPrevious(type, context, message);
}

}  // namespace

void HoldMessage(const QString& message)
{
    Current->FMessages << message;
}

TDecoderWarnings::TDecoderWarnings() : FOuter(Current)
{
    static std::once_flag installed;
    std::call_once(installed, [] { Previous = qInstallMessageHandler(Handle); });
    Current = this;
}

TDecoderWarnings::~TDecoderWarnings()
{
    Current = FOuter;
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
