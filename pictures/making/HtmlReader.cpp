#include "HtmlReader.h"

#include "MakeFailure.h"
#include "Markup.h"
#include "Utf8Check.h"

#include <QStringDecoder>
#include <exception>
#include <libxml/HTMLparser.h>
#include <libxml/parserInternals.h>
#include <memory>
#include <mutex>
#include <new>

namespace making {
namespace {

QString FromXml(const xmlChar* text)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(text));
}

// The visitor and what it raised: an exception must not unwind through the parser's C code.
struct TParse {
    THtmlVisitor& Visitor;
    const QString& Name;
    htmlParserCtxtPtr Context = nullptr;
    std::exception_ptr Failure;
    int Depth = 0;
};

template <typename Event>
void Deliver(void* context, Event event)
{
    TParse& parse = *static_cast<TParse*>(static_cast<htmlParserCtxtPtr>(context)->_private);
    if (parse.Failure) return;
    try {
        event(parse);
    } catch (...) {
        parse.Failure = std::current_exception();
        xmlStopParser(parse.Context);
    }
}

void OnStart(void* context, const xmlChar* name, const xmlChar** attributes)
{
    Deliver(context, [&](TParse& parse) {
        if (++parse.Depth > MaxMarkupDepth)
            throw EMakeFailure(
                QStringLiteral("\"%1\" nests its elements deeper than %2").arg(parse.Name).arg(MaxMarkupDepth));
        THtmlAttributes values;
        for (const xmlChar** attribute = attributes; attribute && attribute[0]; attribute += 2)
            values.Values.emplace_back(FromXml(attribute[0]).toLower(),
                                       attribute[1] ? FromXml(attribute[1]) : QString());
        parse.Visitor.StartElement(FromXml(name).toLower(), values);
    });
}

void OnEnd(void* context, const xmlChar* name)
{
    Deliver(context, [&](TParse& parse) {
        --parse.Depth;
        parse.Visitor.EndElement(FromXml(name).toLower());
    });
}

void OnText(void* context, const xmlChar* text, int length)
{
    Deliver(context,
            [&](TParse& parse) { parse.Visitor.Text(QString::fromUtf8(reinterpret_cast<const char*>(text), length)); });
}

// The bytes as valid UTF-8 for the parser, which otherwise switches to Latin-1 at the first fault.
QByteArray AsUtf8(const QByteArray& bytes)
{
    const QByteArray encoding = DeclaredEncoding(bytes);
    if (encoding == "utf-16le" || encoding == "utf-16be") {
        QStringDecoder decoder(encoding == "utf-16le" ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return QString(decoder.decode(QByteArrayView(bytes).sliced(2))).toUtf8();
    }
    QByteArray text = encoding == "utf-8" && bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    // Valid UTF-8 is UTF-8 whatever an old meta element claims; EPUB holds nothing else.
    if (platform::IsStrictUtf8(std::string_view(text.constData(), static_cast<size_t>(text.size())))) return text;
    if (!encoding.isEmpty() && !IsUnicodeEncoding(encoding))
        if (const std::optional<QString> decoded = DecodeFrom(text, encoding)) return decoded->toUtf8();
    return QString::fromUtf8(text).toUtf8();
}

struct TContextFree {
    void operator()(htmlParserCtxtPtr context) const { htmlFreeParserCtxt(context); }
};

}  // namespace

QString THtmlAttributes::Value(QStringView name) const
{
    for (const auto& [key, value] : Values)
        if (key == name) return value;
    for (const auto& [key, value] : Values)
        if (key.endsWith(name) && key.size() > name.size() && key[key.size() - name.size() - 1] == u':') return value;
    return {};
}

void ReadHtml(const QByteArray& bytes, const QString& name, THtmlVisitor& visitor)
{
    static std::once_flag initialised;
    std::call_once(initialised, xmlInitParser);
    const QByteArray utf8 = AsUtf8(bytes);
    if (utf8.isEmpty()) return;
    const std::unique_ptr<htmlParserCtxt, TContextFree> context(
        htmlCreateMemoryParserCtxt(utf8.constData(), static_cast<int>(utf8.size())));  // sources are far below 2 GB
    if (!context) throw std::bad_alloc();
    htmlSAXHandler handler{};
    handler.startElement = OnStart;
    handler.endElement = OnEnd;
    handler.characters = OnText;
    handler.cdataBlock = OnText;
    // Without an error handler the parser reports nothing: a damaged page gives what it holds.
    *context->sax = handler;
    TParse parse{visitor, name, context.get(), {}};
    context->userData = context.get();
    context->_private = &parse;
    htmlCtxtUseOptions(context.get(), HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR |
                                          HTML_PARSE_NOWARNING | HTML_PARSE_IGNORE_ENC);
    xmlSwitchEncoding(context.get(), XML_CHAR_ENCODING_UTF8);
    htmlParseDocument(context.get());
    if (parse.Failure) std::rethrow_exception(parse.Failure);
}

}  // namespace making
