// HTML and XHTML read as a stream of elements and text by libxml2's forgiving HTML parser:
// e-books hold HTML named entities and tag soup that a strict XML reader refuses. Nothing is
// fetched, no external entity is read, and no tree is built, so a document of any size or
// depth takes no more memory than its visitor keeps.
#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace making {

struct THtmlAttributes {
    std::vector<std::pair<QString, QString>> Values;  // names in lower case, as "epub:type"

    // The value of the first attribute so named, or of one whose name ends in ":" + name
    // ("xlink:href" for "href") when none is; empty when there is neither.
    QString Value(QStringView name) const;
};

class THtmlVisitor {
public:
    virtual ~THtmlVisitor() = default;
    // Element names in lower case ("h1", "svg:image").
    virtual void StartElement(const QString& name, const THtmlAttributes& attributes) = 0;
    virtual void EndElement(const QString& name) = 0;
    // Entities decoded; the text of scripts and styles too, which visitors leave out.
    virtual void Text(QStringView text) = 0;
};

// The document's events in order. Bytes in UTF-8 or UTF-16 (with a byte-order mark) are read
// as they are; other bytes in the encoding they declare, or as UTF-8 with the faults replaced.
// EMakeFailure naming the document (name) when its elements nest deeper than MaxMarkupDepth;
// what the visitor raises comes through as it is.
void ReadHtml(const QByteArray& bytes, const QString& name, THtmlVisitor& visitor);

}  // namespace making
