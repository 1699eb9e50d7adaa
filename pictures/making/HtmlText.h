// The text and pictures of an e-book's XHTML or HTML documents, as a flow of paragraphs.
#pragma once

#include "BookFlow.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace making {

// The picture a document's reference names ("../images/a.png", as written), or nullopt when
// the book holds none there.
using TPictureLookup = std::function<std::optional<TFlowPicture>(const QString& reference)>;

// Adds a content document to the flow: paragraphs, headings, list items and line breaks kept,
// pictures in place (an absent one by its alternative text), markup, styles and scripts left
// out. The document's start becomes the anchor key, each element's id the anchor "key#id";
// name labels messages.
void AddHtmlDocument(const QByteArray& bytes, const QString& name, const QString& key, const TPictureLookup& picture,
                     TBookFlow& flow);

// HTML markup (a description that holds some) as plain text, a paragraph a line.
QString HtmlPlainText(const QString& html, const QString& name);

}  // namespace making
