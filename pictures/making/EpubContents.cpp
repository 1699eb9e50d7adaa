#include "EpubContents.h"

#include "EpubPackage.h"
#include "HtmlReader.h"
#include "MakeFailure.h"
#include "Markup.h"

namespace making {
namespace {

// Nested lists in the toc nav; each entry's label is a link, or a span heading a group of links.
class TNavVisitor : public THtmlVisitor {
public:
    explicit TNavVisitor(const QString& navPath) : FNavPath(navPath) {}

    void StartElement(const QString& name, const THtmlAttributes& attributes) override
    {
        if (name == u"nav") {
            if (FNavDepth > 0 || attributes.Value(u"epub:type").split(u' ').contains(u"toc")) ++FNavDepth;
            return;
        }
        if (FNavDepth == 0) return;
        if (FLabel) {
            ++FLabel->Depth;
            // A span around the link.
            if (name == u"a" && FLabel->Heading.Target.isEmpty() && !attributes.Value(u"href").isEmpty())
                FLabel->Heading.Target = ResolveReference(FNavPath, attributes.Value(u"href")).Key();
        } else if (name == u"ol" || name == u"ul") {
            ++FLists;
        } else if (name == u"a" || name == u"span") {
            const QString href = attributes.Value(u"href");
            FLabel = TLabel{name, 0, {FLists, {}, href.isEmpty() ? QString() : ResolveReference(FNavPath, href).Key()}};
        }
    }

    void EndElement(const QString& name) override
    {
        if (FNavDepth == 0) return;
        if (FLabel) {
            if (FLabel->Depth > 0) {
                --FLabel->Depth;
            } else if (name == FLabel->Element) {
                Headings.push_back(FLabel->Heading);
                FLabel.reset();
            }
        } else if (name == u"ol" || name == u"ul") {
            --FLists;
        } else if (name == u"nav") {
            --FNavDepth;
        }
    }

    void Text(QStringView text) override
    {
        if (FLabel) FLabel->Heading.Title += text;
    }

    std::vector<TFlowHeading> Headings;

private:
    struct TLabel {
        QString Element;
        int Depth;  // of elements inside it
        TFlowHeading Heading;
    };

    const QString& FNavPath;
    int FNavDepth = 0;
    int FLists = 0;
    std::optional<TLabel> FLabel;
};

// A heading without a link of its own starts where its first entry below it does.
void TargetGroupHeadings(std::vector<TFlowHeading>& headings)
{
    for (size_t i = 0; i < headings.size(); ++i)
        for (size_t below = i + 1; headings[i].Target.isEmpty() && below < headings.size(); ++below) {
            if (headings[below].Level <= headings[i].Level) break;
            headings[i].Target = headings[below].Target;
        }
    std::erase_if(headings, [](const TFlowHeading& heading) { return heading.Target.isEmpty(); });
}

}  // namespace

std::vector<TFlowHeading> NavHeadings(const QByteArray& nav, const QString& navPath, const QString& book)
{
    TNavVisitor visitor(navPath);
    try {
        ReadHtml(nav, book + QStringLiteral(": ") + navPath, visitor);
    } catch (const EMakeFailure&) {
        // Too deep to read on: the entries so far.
    }
    TargetGroupHeadings(visitor.Headings);
    return std::move(visitor.Headings);
}

std::vector<TFlowHeading> NcxHeadings(const QByteArray& ncx, const QString& ncxPath)
{
    std::vector<TFlowHeading> headings;
    TMarkupXml reader(ncx);
    const QXmlStreamReader& xml = reader.Xml;
    bool inNavMap = false;
    int level = 0;
    QString title;
    while (reader.Next()) {
        const QStringView name = xml.name();
        if (xml.isEndElement()) {
            if (name == u"navMap") inNavMap = false;
            if (name == u"navPoint" && level > 0) --level;
        }
        if (!xml.isStartElement()) continue;
        if (name == u"navMap") {
            inNavMap = true;
        } else if (inNavMap && name == u"navPoint") {
            ++level;
            title.clear();
        } else if (level > 0 && name == u"text" && title.isEmpty()) {
            title = reader.ElementText();
        } else if (level > 0 && name == u"content") {
            const QString target = ResolveReference(ncxPath, reader.Attribute(u"src")).Key();
            if (!target.isEmpty()) headings.push_back({level, title, target});
        }
    }
    return headings;
}

}  // namespace making
