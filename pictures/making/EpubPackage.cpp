#include "EpubPackage.h"

#include "DescriptionValues.h"
#include "HtmlText.h"
#include "MakeFailure.h"
#include "Markup.h"

#include <QDir>
#include <QSet>
#include <QUrl>

namespace making {
namespace {

// A metadata element, with what EPUB 2 says of it in attributes and EPUB 3 in refining metas.
struct TMetadataEntry {
    QString Element;  // "title", "creator", ...
    QString Text;
    QString Id;
    std::map<QString, QString> Properties;  // "role", "scheme", "event", "identifier-type"
};

class TMetadata {
public:
    void Add(TMetadataEntry entry) { FEntries.push_back(std::move(entry)); }
    void Refine(const QString& id, const QString& property, const QString& value)
    {
        FRefinements[id].emplace(property.section(u':', -1).toLower(), value.trimmed());
    }

    // book labels messages.
    TToldFields Description(const QString& book) const
    {
        using wolf::TWolfDescription;
        TToldFields fields;
        const auto set = [&](TWolfDescription::TField field, const QStringList& values) {
            if (!values.isEmpty()) fields[field] = values.join(QStringLiteral(", "));
        };
        set(TWolfDescription::Title, Texts(u"title").mid(0, 1));
        QStringList authors = WithRole(u"creator", {"", "aut"});
        if (authors.isEmpty()) authors = WithRole(u"creator", {}, {"trl", "adp"});
        set(TWolfDescription::Author, authors);
        set(TWolfDescription::Translator, WithRole(u"creator", {"trl"}) + WithRole(u"contributor", {"trl"}));
        set(TWolfDescription::Adapter, WithRole(u"creator", {"adp"}) + WithRole(u"contributor", {"adp"}));
        set(TWolfDescription::Publisher, Texts(u"publisher").mid(0, 1));
        fields[TWolfDescription::PublishTime] = PublicationDate();
        fields[TWolfDescription::ISBN] = Isbn();
        const QStringList descriptions = Texts(u"description");
        if (!descriptions.isEmpty())
            fields[TWolfDescription::Introduction] =
                descriptions.first().contains(u'<') ? HtmlPlainText(descriptions.first(), book) : descriptions.first();
        fields[TWolfDescription::Subject] =
            FirstThatFit(Texts(u"subject"), TWolfDescription::Limits[TWolfDescription::Subject]);
        for (std::optional<QString>& field : fields)
            if (field && field->isEmpty()) field.reset();
        return fields;
    }

private:
    QString Property(const TMetadataEntry& entry, const QString& name) const
    {
        const auto own = entry.Properties.find(name);
        if (own != entry.Properties.end() && !own->second.isEmpty()) return own->second.toLower();
        const auto refined = FRefinements.find(entry.Id);
        if (entry.Id.isEmpty() || refined == FRefinements.end()) return {};
        const auto value = refined->second.find(name);
        return value == refined->second.end() ? QString() : value->second.toLower();
    }

    QStringList Texts(QStringView element) const
    {
        QStringList texts;
        for (const TMetadataEntry& entry : FEntries)
            if (entry.Element == element && !entry.Text.isEmpty()) texts << entry.Text;
        return texts;
    }

    // Names of the element's entries whose role is one of roles (any, when empty) and none of excluded.
    QStringList WithRole(QStringView element, const QStringList& roles, const QStringList& excluded = {}) const
    {
        QStringList names;
        for (const TMetadataEntry& entry : FEntries) {
            const QString role = Property(entry, QStringLiteral("role"));
            if (entry.Element == element && !entry.Text.isEmpty() && (roles.isEmpty() || roles.contains(role)) &&
                !excluded.contains(role))
                names << entry.Text.simplified();
        }
        return names;
    }

    // EPUB 2 may list the dates of creation and modification beside the publication's.
    std::optional<QString> PublicationDate() const
    {
        std::optional<QString> other;
        for (const TMetadataEntry& entry : FEntries) {
            if (entry.Element != u"date") continue;
            const QString event = Property(entry, QStringLiteral("event"));
            if (event.isEmpty() || event == u"publication") return PublishDate(entry.Text);
            if (!other) other = PublishDate(entry.Text);
        }
        return other;
    }

    std::optional<QString> Isbn() const
    {
        for (const TMetadataEntry& entry : FEntries) {
            if (entry.Element != u"identifier") continue;
            // ONIX code list 5: 02 is ISBN-10, 15 ISBN-13.
            const QString type = Property(entry, QStringLiteral("identifier-type"));
            const bool saysIsbn = Property(entry, QStringLiteral("scheme")) == u"isbn" || type == u"02" ||
                                  type == u"15" ||
                                  entry.Text.startsWith(QLatin1String("urn:isbn:"), Qt::CaseInsensitive);
            if (std::optional<QString> isbn = IsbnIn(entry.Text, saysIsbn)) return isbn;
        }
        return std::nullopt;
    }

    std::vector<TMetadataEntry> FEntries;
    std::map<QString, std::map<QString, QString>> FRefinements;  // by the refined entry's id
};

bool IsMetadataElement(QStringView name)
{
    static const QStringList names{"title", "creator", "contributor", "publisher",
                                   "date",  "subject", "description", "identifier"};
    return names.contains(name);
}

}  // namespace

QString TEpubReference::Key() const
{
    // Some books name their files in another case here and there.
    const QString path = Path.toLower();
    return Fragment.isEmpty() || Path.isEmpty() ? path : path + u'#' + Fragment;
}

TEpubReference ResolveReference(const QString& fromFile, const QString& href)
{
    const QUrl url(href.trimmed());
    if (!url.isValid() || !url.scheme().isEmpty() || !url.host().isEmpty()) return {};
    const QString path = url.path(QUrl::FullyDecoded);
    const qsizetype slash = fromFile.lastIndexOf(u'/');
    QString resolved = path.isEmpty()          ? fromFile
                       : path.startsWith(u'/') ? path.mid(1)
                                               : fromFile.left(slash + 1) + path;
    resolved = QDir::cleanPath(resolved);
    if (resolved.startsWith(QLatin1String("./"))) resolved = resolved.mid(2);
    if (resolved == u".." || resolved.startsWith(QLatin1String("../")) || resolved.startsWith(u'/')) return {};
    return {resolved, url.fragment(QUrl::FullyDecoded)};
}

const TEpubItem* TEpubPackage::Item(const QString& id) const
{
    const auto item = Manifest.find(id);
    return item == Manifest.end() ? nullptr : &item->second;
}

const TEpubItem* TEpubPackage::ItemWith(const QString& property) const
{
    for (const auto& [id, item] : Manifest)
        if (item.Properties.contains(property)) return &item;
    return nullptr;
}

QString PackagePath(const QByteArray& container, const QString& book)
{
    TMarkupXml xml(container);
    QString path;
    while (xml.Next()) {
        if (xml.Xml.isStartElement() && xml.Xml.name() == u"rootfile" && path.isEmpty()) {
            const QString type = xml.Attribute(u"media-type");
            if (type.isEmpty() || type == u"application/oebps-package+xml")
                path = ResolveReference(QString(), xml.Attribute(u"full-path")).Path;
        }
    }
    if (xml.Xml.hasError())
        throw EMakeFailure(
            QStringLiteral("The EPUB \"%1\" has a damaged META-INF/container.xml: %2").arg(book, xml.ErrorText()));
    if (path.isEmpty())
        throw EMakeFailure(QStringLiteral("The EPUB \"%1\" names no package file in META-INF/container.xml").arg(book));
    return path;
}

TEpubPackage ReadPackage(const QByteArray& opf, const QString& opfPath, const QString& book)
{
    TEpubPackage package;
    TMetadata metadata;
    TMarkupXml xml(opf);
    bool inMetadata = false;
    QSet<QString> inSpine;
    while (xml.Next()) {
        const QString name = xml.Xml.name().toString().toLower();
        if (xml.Xml.isEndElement() && name == u"metadata") inMetadata = false;
        if (!xml.Xml.isStartElement()) continue;
        if (name == u"metadata") {
            inMetadata = true;
        } else if (name == u"item") {
            package.Manifest[xml.Attribute(u"id")] = {ResolveReference(opfPath, xml.Attribute(u"href")).Path,
                                                      xml.Attribute(u"media-type"),
                                                      xml.Attribute(u"properties").split(u' ', Qt::SkipEmptyParts)};
        } else if (name == u"spine") {
            package.NcxId = xml.Attribute(u"toc");
        } else if (name == u"itemref") {
            // Each document is read once, however often a damaged spine names it.
            const QString id = xml.Attribute(u"idref");
            if (!inSpine.contains(id)) package.Spine << id;
            inSpine.insert(id);
        } else if (inMetadata && name == u"meta") {
            const QString refines = xml.Attribute(u"refines");
            const QString property = xml.Attribute(u"property");
            if (xml.Attribute(u"name") == u"cover") package.CoverId = xml.Attribute(u"content");
            if (refines.startsWith(u'#')) metadata.Refine(refines.mid(1), property, xml.ElementText());
        } else if (inMetadata && IsMetadataElement(name)) {
            TMetadataEntry entry{name, {}, xml.Attribute(u"id"), {}};
            for (const QString& property : {QStringLiteral("role"), QStringLiteral("scheme"), QStringLiteral("event")})
                entry.Properties[property] = xml.Attribute(property);
            entry.Text = xml.ElementText().trimmed();
            metadata.Add(std::move(entry));
        }
    }
    if (xml.Xml.hasError())
        throw EMakeFailure(QStringLiteral("The EPUB \"%1\" has a damaged package file \"%2\": %3")
                               .arg(book, opfPath, xml.ErrorText()));
    if (package.Spine.isEmpty())
        throw EMakeFailure(QStringLiteral("The EPUB \"%1\" has no reading order (spine) in \"%2\"").arg(book, opfPath));
    package.Description = metadata.Description(book);
    return package;
}

}  // namespace making
