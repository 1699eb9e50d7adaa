// What the readers of e-books' XML and HTML files share: the character set a file declares,
// how deep its elements may nest, and the strict XML reader with both bounds in place.
#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamReader>
#include <optional>

namespace making {

// Real books nest a few dozen elements deep; deeper ones are refused before the parser's own
// stack of open elements fills the memory.
constexpr int MaxMarkupDepth = 1024;

// In lower case: a byte-order mark's ("utf-8", "utf-16le", "utf-16be"), else the XML
// declaration's encoding, else an HTML meta charset near the start; empty when none says.
QByteArray DeclaredEncoding(const QByteArray& bytes);

// UTF-8 or UTF-16 under any of their names, which the parsers read themselves.
bool IsUnicodeEncoding(const QByteArray& name);

// The bytes as text in the named encoding; nullopt when the system knows no such encoding.
std::optional<QString> DecodeFrom(const QByteArray& bytes, const QByteArray& encoding);

// The character an HTML named entity ("nbsp", "mdash") stands for; empty for an unknown name.
QString HtmlEntity(const QString& name);

// Qt's strict XML reader that also knows HTML's named entities, which e-books use without
// declaring them, and stops with an error past MaxMarkupDepth open elements.
class TMarkupXml {
public:
    explicit TMarkupXml(const QByteArray& bytes);  // in the encoding they declare
    explicit TMarkupXml(const QString& text);
    TMarkupXml(const TMarkupXml&) = delete;
    TMarkupXml& operator=(const TMarkupXml&) = delete;

    // Steps to the next token; false at the end or at an error.
    bool Next();
    // At a start element: the text inside it, its children's included, up to its end element.
    QString ElementText();
    // At a start element: steps past its end element.
    void Skip();
    // At a start element: the attribute of that local name, in any case, whatever its prefix.
    QString Attribute(QStringView localName) const;
    // "NAME (line N)", for messages.
    QString ErrorText() const;

    QXmlStreamReader Xml;

private:
    class TEntities : public QXmlStreamEntityResolver {
    public:
        QString resolveUndeclaredEntity(const QString& name) override { return HtmlEntity(name); }
    };

    TEntities FEntities;
    int FDepth = 0;
};

}  // namespace making
