#include "TextDecoding.h"

#include "MakeFailure.h"
#include "TextGuess.h"

namespace making {
namespace {

bool IsGuess(const QString& encoding)
{
    return encoding.trimmed().isEmpty() || encoding.trimmed() == QLatin1String("auto");
}

QString WithoutZeros(QString text)
{
    return text.remove(QChar(0));
}

}  // namespace

QString DecodeTextFile(const QByteArray& bytes, const QString& path, const QString& encoding)
{
    const std::string_view all(bytes.constData(), size_t(bytes.size()));
    const platform::TTextGuess guess = platform::GuessTextEncoding(all);
    if (guess.MarkBytes == 0 && !IsGuess(encoding)) {
        const QByteArray name = encoding.trimmed().toLatin1();
        if (const std::optional<platform::TDecodedText> decoded = platform::DecodeText(all, name))
            return WithoutZeros(decoded->Text);
        throw EMakeFailure(
            QStringLiteral("The encoding \"%1\" named for the text file \"%2\" is not one this system knows")
                .arg(encoding, path));
    }
    const std::string_view text = all.substr(size_t(guess.MarkBytes));
    for (const QByteArray& candidate : guess.Candidates) {
        const std::optional<platform::TDecodedText> decoded = platform::DecodeText(text, candidate);
        if (decoded && (decoded->Clean || guess.Certain)) return WithoutZeros(decoded->Text);
    }
    throw EUnrecognisedEncoding(path, QString::fromLatin1(guess.Candidates.join(", ")));
}

bool IsTextEncodingChoice(const QString& encoding)
{
    return IsGuess(encoding) || platform::CanDecodeText(encoding.trimmed().toLatin1());
}

}  // namespace making
