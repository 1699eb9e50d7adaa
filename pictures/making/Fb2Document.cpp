#include "Fb2Document.h"

#include "DescriptionValues.h"
#include "MakeFailure.h"
#include "Markup.h"

#include <QSet>
#include <QStringDecoder>
#include <map>
#include <memory>

namespace making {
namespace {

using TBinaries = std::map<QString, QByteArray>;

// Qt reads the encoding the file declares where it has a codec for it (FB2 files are often
// windows-1251); where it has none (a build without ICU), the system's conversion decodes it here.
std::unique_ptr<TMarkupXml> OpenXml(const QByteArray& bytes, const QString& name)
{
    const QByteArray encoding = DeclaredEncoding(bytes);
    if (encoding.isEmpty() || IsUnicodeEncoding(encoding) || QStringDecoder(encoding.constData()).isValid())
        return std::make_unique<TMarkupXml>(bytes);
    if (const std::optional<QString> text = DecodeFrom(bytes, encoding)) return std::make_unique<TMarkupXml>(*text);
    throw EMakeFailure(QStringLiteral("The FB2 book \"%1\" is in the encoding %2, which cannot be read here")
                           .arg(name, QString::fromLatin1(encoding)));
}

[[noreturn]] void FailDamaged(const TMarkupXml& xml, const QString& name)
{
    throw EMakeFailure(QStringLiteral("The FB2 book \"%1\" is damaged: %2").arg(name, xml.ErrorText()));
}

// The pictures come after the text that shows them, so they are read first.
std::shared_ptr<const TBinaries> ReadBinaries(const QByteArray& bytes, const QString& name)
{
    auto binaries = std::make_shared<TBinaries>();
    const std::unique_ptr<TMarkupXml> xml = OpenXml(bytes, name);
    while (xml->Next())
        if (xml->Xml.isStartElement() && xml->Xml.name() == u"binary") {
            const QString id = xml->Attribute(u"id");
            const QByteArray data = QByteArray::fromBase64(xml->ElementText().toLatin1());
            if (!id.isEmpty()) binaries->emplace(id, data);
        }
    if (xml->Xml.hasError()) FailDamaged(*xml, name);
    return binaries;
}

bool IsBlock(QStringView name)
{
    static const QSet<QString> names{"p",       "v",     "subtitle", "text-author", "stanza",
                                     "poem",    "cite",  "epigraph", "annotation",  "title",
                                     "section", "table", "tr",       "empty-line",  "body"};
    return names.contains(name.toString());
}

class TFb2Reader {
public:
    TFb2Reader(const QString& name, std::shared_ptr<const TBinaries> binaries)
        : FName(name), FBinaries(std::move(binaries)), FAnnotation(name)
    {
    }

    TEbook Read(TMarkupXml& xml)
    {
        while (xml.Next()) {
            if (xml.Xml.isStartElement())
                Start(xml);
            else if (xml.Xml.isEndElement())
                End(xml.Xml.name().toString());
            else if (xml.Xml.isCharacters())
                Text(xml.Xml.text());
        }
        if (xml.Xml.hasError()) FailDamaged(xml, FName);
        FBook.Description = Description();
        return std::move(FBook);
    }

private:
    struct TSection {
        QString Key;  // of its anchor
        bool Titled = false;
    };

    QString Parent(qsizetype up = 0) const { return FOpen.size() > up ? FOpen[FOpen.size() - 1 - up] : QString(); }

    void Start(TMarkupXml& xml)
    {
        const QString name = xml.Xml.name().toString();
        const QString parent = Parent();
        if (name == u"binary") return xml.Skip();
        if (parent == u"title-info" || parent == u"publish-info") {
            if (ReadField(name, xml)) return;
        }
        if ((parent == u"author" || parent == u"translator") && Parent(1) == u"title-info") {
            FPerson[name] = xml.ElementText().simplified();
            return;
        }
        if (name == u"image" && parent == u"coverpage") FBook.Cover = Picture(xml.Attribute(u"href"));
        if (name == u"annotation" && parent == u"title-info") FInAnnotation = true;
        if (name == u"body") StartBody(xml.Attribute(u"name"));
        if (name == u"section" && FInBody) StartSection();
        if (name == u"title" && FInBody && (parent == u"section" || parent == u"body")) FTitle = QString();
        if (name == u"p" && FTitle && !FTitle->isEmpty()) *FTitle += u' ';
        if (TBookFlow* sink = Sink()) {
            if (IsBlock(name)) sink->EndParagraph();
            if (name == u"td" || name == u"th") sink->AddText(u" ");
            if (name == u"image" && FInBody)
                if (std::optional<TFlowPicture> picture = Picture(xml.Attribute(u"href")))
                    sink->AddPicture(*std::move(picture));
        }
        FOpen << name;
    }

    // The description's fields that are text of their own; false for the others.
    bool ReadField(const QString& name, TMarkupXml& xml)
    {
        std::optional<QString>* field = name == u"book-title"  ? &FTitleInfo
                                        : name == u"publisher" ? &FPublisher
                                        : name == u"year"      ? &FYear
                                        : name == u"isbn"      ? &FIsbn
                                                               : nullptr;
        if (name == u"genre") {
            FGenres << xml.ElementText().simplified();
        } else if (name == u"date" && Parent() == u"title-info") {
            const QString value = xml.Attribute(u"value");
            const QString text = xml.ElementText();
            FDate = value.isEmpty() ? text : value;
        } else if (field) {
            *field = xml.ElementText().simplified();
        } else {
            return false;
        }
        return true;
    }

    void StartBody(const QString& bodyName)
    {
        FInBody = true;
        ++FBodies;
        FBook.Flow.BreakPage();
        // Bodies after the first hold notes and comments: one entry each, at their start.
        if (FBodies > 1) {
            FBodyKey = QStringLiteral("body %1").arg(FBodies);
            FBook.Flow.MarkAnchor(FBodyKey);
            FBodyName = bodyName;
        }
    }

    void StartSection()
    {
        if (FBodies == 1 && FSections.empty()) FBook.Flow.BreakPage();
        const QString key = QStringLiteral("section %1").arg(++FSectionCount);
        FBook.Flow.MarkAnchor(key);
        FSections.push_back({key});
    }

    void End(const QString& name)
    {
        if (!FOpen.isEmpty()) FOpen.removeLast();
        if (TBookFlow* sink = Sink(); sink && IsBlock(name)) sink->EndParagraph();
        if (name == u"title" && FTitle) EndTitle();
        if (name == u"section" && !FSections.empty()) FSections.pop_back();
        if (name == u"annotation" && Parent() == u"title-info") FInAnnotation = false;
        if ((name == u"author" || name == u"translator") && Parent() == u"title-info") EndPerson(name);
        if (name == u"body") {
            if (FBodies > 1 && !FBodyName.isEmpty()) FBook.Headings.push_back({1, FBodyName, FBodyKey});
            FInBody = false;
        }
    }

    void EndTitle()
    {
        const QString title = FTitle->simplified();
        FTitle.reset();
        if (FBodies > 1 && FSections.empty()) {
            FBook.Headings.push_back({1, title, FBodyKey});
            FBodyName.clear();
        } else if (FBodies == 1 && !FSections.empty() && !FSections.back().Titled) {
            const auto titled = std::count_if(FSections.begin(), FSections.end() - 1,
                                              [](const TSection& section) { return section.Titled; });
            FBook.Headings.push_back({static_cast<int>(titled) + 1, title, FSections.back().Key});
            FSections.back().Titled = true;
        }
    }

    void EndPerson(const QString& role)
    {
        QStringList parts{FPerson[QStringLiteral("first-name")], FPerson[QStringLiteral("middle-name")],
                          FPerson[QStringLiteral("last-name")]};
        parts.removeAll(QString());
        const QString person = parts.isEmpty() ? FPerson[QStringLiteral("nickname")] : parts.join(u' ');
        if (!person.isEmpty()) (role == u"author" ? FAuthors : FTranslators) << person;
        FPerson.clear();
    }

    void Text(QStringView text)
    {
        if (TBookFlow* sink = Sink()) sink->AddText(text);
        if (FTitle) *FTitle += text;
    }

    TBookFlow* Sink() { return FInBody ? &FBook.Flow : FInAnnotation ? &FAnnotation : nullptr; }

    std::optional<TFlowPicture> Picture(const QString& href) const
    {
        if (!href.startsWith(u'#') || !FBinaries->count(href.mid(1))) return std::nullopt;
        const QString label = FName + QStringLiteral(": ") + href.mid(1);
        return TFlowPicture{label, [binaries = FBinaries, id = href.mid(1)] { return binaries->at(id); }};
    }

    TToldFields Description() const
    {
        using wolf::TWolfDescription;
        TToldFields fields;
        const auto text = [](const QString& value) { return value.isEmpty() ? std::nullopt : std::optional(value); };
        fields[TWolfDescription::Title] = FTitleInfo;
        fields[TWolfDescription::Author] = text(FAuthors.join(QStringLiteral(", ")));
        fields[TWolfDescription::Translator] = text(FTranslators.join(QStringLiteral(", ")));
        fields[TWolfDescription::Publisher] = FPublisher;
        fields[TWolfDescription::PublishTime] = PublishDate(FYear.value_or(QString()));
        if (!fields[TWolfDescription::PublishTime]) fields[TWolfDescription::PublishTime] = PublishDate(FDate);
        fields[TWolfDescription::ISBN] = IsbnIn(FIsbn.value_or(QString()), true);
        fields[TWolfDescription::Introduction] = text(FAnnotation.PlainText());
        fields[TWolfDescription::Subject] = FirstThatFit(FGenres, TWolfDescription::Limits[TWolfDescription::Subject]);
        for (std::optional<QString>& field : fields)
            if (field && field->isEmpty()) field.reset();
        return fields;
    }

    const QString& FName;
    const std::shared_ptr<const TBinaries> FBinaries;
    TEbook FBook{TBookFlow(FName), {}, {}, {}};
    QStringList FOpen;  // the open elements' names, outermost first
    bool FInBody = false;
    bool FInAnnotation = false;
    int FBodies = 0;
    QString FBodyKey;
    QString FBodyName;
    std::vector<TSection> FSections;
    int FSectionCount = 0;
    std::optional<QString> FTitle;  // of the section or body being read
    TBookFlow FAnnotation;
    std::map<QString, QString> FPerson;  // the author's or translator's name parts
    QStringList FAuthors;
    QStringList FTranslators;
    QStringList FGenres;
    std::optional<QString> FTitleInfo;
    std::optional<QString> FPublisher;
    std::optional<QString> FYear;
    std::optional<QString> FIsbn;
    QString FDate;
};

}  // namespace

TEbook ReadFb2(const QByteArray& bytes, const QString& name)
{
    TFb2Reader reader(name, ReadBinaries(bytes, name));
    const std::unique_ptr<TMarkupXml> xml = OpenXml(bytes, name);
    return reader.Read(*xml);
}

}  // namespace making
