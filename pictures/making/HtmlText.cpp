#include "HtmlText.h"

#include "HtmlReader.h"

#include <QSet>

namespace making {
namespace {

// Elements whose content is not read: the document's head, scripts, styles, and the like.
bool IsLeftOut(const QString& name)
{
    static const QSet<QString> names{"head", "title", "script", "style", "template", "noscript", "svg:title", "desc"};
    return names.contains(name);
}

// Elements that stand as paragraphs of their own.
bool IsBlock(const QString& name)
{
    static const QSet<QString> names{"address", "article", "aside",   "blockquote", "body",     "caption",    "center",
                                     "dd",      "div",     "dl",      "dt",         "fieldset", "figcaption", "figure",
                                     "footer",  "form",    "h1",      "h2",         "h3",       "h4",         "h5",
                                     "h6",      "header",  "hr",      "li",         "main",     "nav",        "ol",
                                     "p",       "pre",     "section", "table",      "tr",       "ul",         "html"};
    return names.contains(name);
}

class TContentVisitor : public THtmlVisitor {
public:
    TContentVisitor(const QString& key, const TPictureLookup& picture, TBookFlow& flow)
        : FKey(key), FPicture(picture), FFlow(flow)
    {
    }

    void StartElement(const QString& name, const THtmlAttributes& attributes) override
    {
        if (FLeftOut > 0 || IsLeftOut(name)) {
            ++FLeftOut;
            return;
        }
        for (const QString& id : {attributes.Value(u"id"), name == u"a" ? attributes.Value(u"name") : QString()})
            if (!id.isEmpty()) FFlow.MarkAnchor(FKey + u'#' + id);
        if (IsBlock(name)) FFlow.EndParagraph();
        if (name == u"pre") ++FPreformatted;
        if (name == u"br") FFlow.BreakLine();
        if (name == u"td" || name == u"th") FFlow.AddText(u" ");
        if (name == u"img") AddPicture(attributes.Value(u"src"), attributes.Value(u"alt"));
        if (name == u"image" || name == u"svg:image") AddPicture(attributes.Value(u"href"), {});
    }

    void EndElement(const QString& name) override
    {
        if (FLeftOut > 0) {
            --FLeftOut;
            return;
        }
        if (name == u"pre" && FPreformatted > 0) --FPreformatted;
        if (IsBlock(name)) FFlow.EndParagraph();
    }

    void Text(QStringView text) override
    {
        if (FLeftOut == 0) FFlow.AddText(text, FPreformatted > 0);
    }

private:
    void AddPicture(const QString& reference, const QString& alternative)
    {
        std::optional<TFlowPicture> picture = FPicture && !reference.isEmpty() ? FPicture(reference) : std::nullopt;
        if (picture)
            FFlow.AddPicture(*std::move(picture));
        else
            FFlow.AddText(alternative);
    }

    const QString& FKey;
    const TPictureLookup& FPicture;
    TBookFlow& FFlow;
    int FLeftOut = 0;  // depth inside an element that is left out
    int FPreformatted = 0;
};

}  // namespace

void AddHtmlDocument(const QByteArray& bytes, const QString& name, const QString& key, const TPictureLookup& picture,
                     TBookFlow& flow)
{
    flow.MarkAnchor(key);
    TContentVisitor visitor(key, picture, flow);
    ReadHtml(bytes, name, visitor);
    flow.EndParagraph();
}

QString HtmlPlainText(const QString& html, const QString& name)
{
    TBookFlow flow(name);
    const TPictureLookup none;
    AddHtmlDocument(html.toUtf8(), name, QString(), none, flow);
    return flow.PlainText();
}

}  // namespace making
