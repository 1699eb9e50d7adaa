#include "ErrorTexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace dialogs {

namespace {

// Every message of the lower layers that can reach the user, with %1, %2 ... where the
// message carries a path, a number or the system's reason.
const char* const Messages[] = {
    QT_TRANSLATE_NOOP("ErrorText", "This is not a Wolf file"),
    QT_TRANSLATE_NOOP("ErrorText", "Bad Wolf page table"),
    QT_TRANSLATE_NOOP("ErrorText", "Bad Wolf page description"),
    QT_TRANSLATE_NOOP("ErrorText", "Bad Wolf catalog"),
    QT_TRANSLATE_NOOP("ErrorText", "Bad Wolf subcatalog"),
    QT_TRANSLATE_NOOP("ErrorText", "Stream read error"),
    QT_TRANSLATE_NOOP("ErrorText", "Stream write error"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot open file \"%1\". %2"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot create file \"%1\". %2"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot link \"%1\". %2"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot rename \"%1\". %2"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot delete \"%1\". %2"),
    QT_TRANSLATE_NOOP("ErrorText", "Can't rename \"%1\".\r\nWrite protected file?"),
    QT_TRANSLATE_NOOP("ErrorText", "Bad TOC item level on line %1"),
    QT_TRANSLATE_NOOP("ErrorText", "Too many TOC items under one parent on line %1"),
    QT_TRANSLATE_NOOP("ErrorText", "Bad TOC item - no page divider on line %1"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is too large for a catalog file"),
    QT_TRANSLATE_NOOP("ErrorText", "The TOC item \"%1\" leads to page %2, but the book has only %3 pages"),
    QT_TRANSLATE_NOOP("ErrorText", "The chapter title \"%1\" must not contain \"%2\""),
    QT_TRANSLATE_NOOP(
        "ErrorText",
        "The table of contents has too many entries: a book holds at most %1 chapters and as many sections"),
    QT_TRANSLATE_NOOP("ErrorText", "The book would grow beyond 4 GB, which its 32-bit offsets cannot address"),
    QT_TRANSLATE_NOOP("ErrorText", "The description's size does not match its text"),
    QT_TRANSLATE_NOOP("ErrorText", "The description is %1 bytes long; a book holds at most 65535"),
    QT_TRANSLATE_NOOP("ErrorText", "A text page must not hold a zero byte: readers end the page there"),
    QT_TRANSLATE_NOOP("ErrorText", "The book \"%1\" could not be written"),
    // The book maker's sources and conversion; the first that matches wins, so a fixed reason
    // comes before the same message with the system's reason.
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" ends before \"%2\""),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" cannot unpack \"%2\": %3"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" cannot be opened: %2"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" is damaged: %2"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" holds \"%2\", which expands beyond %3 MB"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" holds \"%2\", a path outside the archive; it is not used"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" holds no pictures"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" holds no FB2 book"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" is protected by DRM (its content is encrypted) and cannot be read"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" has no META-INF/container.xml"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" names no package file in META-INF/container.xml"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" has a damaged META-INF/container.xml: %2"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" lacks its package file \"%2\""),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" has a damaged package file \"%2\": %3"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" has no reading order (spine) in \"%2\""),
    QT_TRANSLATE_NOOP("ErrorText",
                      "The EPUB \"%1\" names \"%2\" in its reading order, but its manifest has no such item"),
    QT_TRANSLATE_NOOP("ErrorText", "The EPUB \"%1\" lacks \"%2\", a part of its reading order"),
    QT_TRANSLATE_NOOP("ErrorText", "The FB2 book \"%1\" is in the encoding %2, which cannot be read here"),
    QT_TRANSLATE_NOOP("ErrorText", "The FB2 book \"%1\" is damaged: %2"),
    QT_TRANSLATE_NOOP("ErrorText", "The e-book \"%1\" holds more than %2 MB of text"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" nests its elements deeper than %2"),
    QT_TRANSLATE_NOOP("ErrorText",
                      "The archive \"%1\" holds \"%2\", an archive nested deeper than %3 levels; it is not unpacked"),
    QT_TRANSLATE_NOOP("ErrorText", "The archive \"%1\" expands beyond %2 MB in all"),
    QT_TRANSLATE_NOOP("ErrorText", "The catalog \"%1\" is not UTF-8 text"),
    QT_TRANSLATE_NOOP("ErrorText", "The table of contents names page %1, but the book has %2 pages"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is not a JSON object: %2"),
    QT_TRANSLATE_NOOP("ErrorText", "The book folder \"%1\" holds no pages (0001.png, 0002.txt, ...)"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is not a PDF that can be read: it is damaged or cut off"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is encrypted and needs a password"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is encrypted, and the password given does not open it"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot open the cover \"%1\""),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot open \"%1\". No such file or folder"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot open \"%1\". %2"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" has %2 pages; there is no page %3"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is larger than %2 MB"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" is not a picture Karavel can read"),
    QT_TRANSLATE_NOOP("ErrorText", "The picture \"%1\" is too large (%2 x %3 pixels; at most %4 megapixels)"),
    QT_TRANSLATE_NOOP("ErrorText", "Cannot read the picture \"%1\": %2"),
    QT_TRANSLATE_NOOP("ErrorText", "The picture \"%1\" holds %2 pages; at most %3 are taken from one picture"),
    QT_TRANSLATE_NOOP("ErrorText", "None of the %1 pictures could be read"),
    QT_TRANSLATE_NOOP("ErrorText", "\"%1\" holds no pictures or text"),
    QT_TRANSLATE_NOOP("ErrorText", "The text file \"%1\" is larger than %2 MB"),
    QT_TRANSLATE_NOOP("ErrorText", "The text file \"%1\" is in an encoding that was not recognised (tried %2)"),
    QT_TRANSLATE_NOOP("ErrorText", "The encoding \"%1\" named for the text file \"%2\" is not one this system knows"),
    QT_TRANSLATE_NOOP("ErrorText", "Page %1 of this PDF could not be drawn."),
    QT_TRANSLATE_NOOP("ErrorText", "Unable to write to %1"),
    QT_TRANSLATE_NOOP("ErrorText", "Failed to set data for '%1'"),
    QT_TRANSLATE_NOOP("ErrorText", "Invalid data type for '%1'"),
    QT_TRANSLATE_NOOP("ErrorText", "Failed to create key '%1'"),
    QT_TRANSLATE_NOOP("ErrorText", "Missing resource %1"),
    QT_TRANSLATE_NOOP("ErrorText", "Unknown error"),
};

const QRegularExpression& Placeholder()
{
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    return placeholder;
}

// The English text as a pattern: each placeholder matches anything, the rest itself.
QRegularExpression PatternOf(const QString& english)
{
    QString pattern;
    qsizetype from = 0;
    for (auto it = Placeholder().globalMatch(english); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        pattern += QRegularExpression::escape(english.mid(from, match.capturedStart() - from));
        pattern += QStringLiteral("(?<p%1>.*)").arg(match.captured(1));
        from = match.capturedEnd();
    }
    pattern += QRegularExpression::escape(english.mid(from));
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::DotMatchesEverythingOption);
}

}  // namespace

QString TranslatedErrorText(const QString& message)
{
    for (const char* english : Messages) {
        const QRegularExpressionMatch found = PatternOf(QString::fromUtf8(english)).match(message);
        if (!found.hasMatch()) continue;
        // In one pass, so that a path holding "%2" stays as it is.
        const QString translated = QCoreApplication::translate("ErrorText", english);
        QString result;
        qsizetype from = 0;
        for (auto it = Placeholder().globalMatch(translated); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            result += translated.mid(from, match.capturedStart() - from);
            result += found.captured(QStringLiteral("p") + match.captured(1));
            from = match.capturedEnd();
        }
        return result + translated.mid(from);
    }
    return message;
}

}  // namespace dialogs
