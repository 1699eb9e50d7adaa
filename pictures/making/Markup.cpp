#include "Markup.h"

#include "BookEncoding.h"

#include <QRegularExpression>
#include <libxml/HTMLparser.h>

namespace making {

QByteArray DeclaredEncoding(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF")) return "utf-8";
    if (bytes.startsWith("\xFF\xFE")) return "utf-16le";
    if (bytes.startsWith("\xFE\xFF")) return "utf-16be";
    // Both stand before any text, in ASCII, so the first kilobyte read as Latin-1 holds them.
    const QString head = QString::fromLatin1(bytes.left(1024));
    static const QRegularExpression xmlDeclaration(
        QStringLiteral("^\\s*<\\?xml[^>]*\\sencoding\\s*=\\s*[\"']([A-Za-z0-9._:-]+)[\"']"));
    static const QRegularExpression metaCharset(QStringLiteral("<meta[^>]*charset\\s*=\\s*[\"']?([A-Za-z0-9._:-]+)"),
                                                QRegularExpression::CaseInsensitiveOption);
    QRegularExpressionMatch match = xmlDeclaration.match(head);
    if (!match.hasMatch()) match = metaCharset.match(head);
    return match.hasMatch() ? match.captured(1).toLatin1().toLower() : QByteArray();
}

bool IsUnicodeEncoding(const QByteArray& name)
{
    const QByteArray bare = name.toLower().replace("-", "").replace("_", "");
    return bare == "utf8" || bare.startsWith("utf16") || bare == "ucs2";
}

std::optional<QString> DecodeFrom(const QByteArray& bytes, const QByteArray& encoding)
{
    const platform::TBookEncoding known(encoding);
    if (known.Name().compare(encoding, Qt::CaseInsensitive) != 0) return std::nullopt;
    return known.Decode(bytes.toStdString());
}

QString HtmlEntity(const QString& name)
{
    const htmlEntityDesc* entity = htmlEntityLookup(reinterpret_cast<const xmlChar*>(name.toUtf8().constData()));
    if (!entity) return {};
    const char32_t code = entity->value;
    return QString::fromUcs4(&code, 1);
}

TMarkupXml::TMarkupXml(const QByteArray& bytes) : Xml(bytes)
{
    Xml.setEntityResolver(&FEntities);
}

TMarkupXml::TMarkupXml(const QString& text) : Xml(text)
{
    Xml.setEntityResolver(&FEntities);
}

bool TMarkupXml::Next()
{
    if (Xml.atEnd() || Xml.hasError()) return false;
    Xml.readNext();
    if (Xml.isStartElement() && ++FDepth > MaxMarkupDepth)
        Xml.raiseError(QStringLiteral("elements nest deeper than %1").arg(MaxMarkupDepth));
    if (Xml.isEndElement()) --FDepth;
    return !Xml.hasError() && !Xml.atEnd();
}

QString TMarkupXml::ElementText()
{
    QString text;
    const int depth = FDepth;
    while (Next() && FDepth >= depth)
        if (Xml.isCharacters()) text += Xml.text();
    return text;
}

void TMarkupXml::Skip()
{
    const int depth = FDepth;
    while (Next() && FDepth >= depth) continue;
}

QString TMarkupXml::Attribute(QStringView localName) const
{
    for (const QXmlStreamAttribute& attribute : Xml.attributes())
        if (attribute.name().compare(localName, Qt::CaseInsensitive) == 0) return attribute.value().toString();
    return {};
}

QString TMarkupXml::ErrorText() const
{
    return QStringLiteral("%1 (line %2)").arg(Xml.errorString()).arg(Xml.lineNumber());
}

}  // namespace making
