#include "TestPdf.h"

#include <functional>

namespace testing_pdf {
namespace {

class TPdfBuilder {
public:
    int Reserve()
    {
        FOffsets.push_back(-1);
        return static_cast<int>(FOffsets.size());
    }

    void Write(int object, const QByteArray& body)
    {
        FOffsets[static_cast<size_t>(object - 1)] = FBytes.size();
        FBytes += QByteArray::number(object) + " 0 obj\n" + body + "\nendobj\n";
    }

    QByteArray Finish(int catalog, int info, int encrypt)
    {
        const qsizetype xref = FBytes.size();
        FBytes += "xref\n0 " + QByteArray::number(FOffsets.size() + 1) + "\n0000000000 65535 f \n";
        for (const qsizetype offset : FOffsets)
            FBytes += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        FBytes += "trailer\n<< /Size " + QByteArray::number(FOffsets.size() + 1) + " /Root " + Ref(catalog);
        if (info) FBytes += " /Info " + Ref(info);
        if (encrypt)
            FBytes += " /Encrypt " + Ref(encrypt) +
                      " /ID [<00112233445566778899aabbccddeeff> <00112233445566778899aabbccddeeff>]";
        FBytes += " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return FBytes;
    }

    static QByteArray Ref(int object) { return QByteArray::number(object) + " 0 R"; }

private:
    QByteArray FBytes = "%PDF-1.4\n";
    std::vector<qsizetype> FOffsets;
};

QByteArray Text(const QString& text)
{
    return "(" + text.toLatin1().replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)") + ")";
}

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

}  // namespace

QByteArray MakePdf(const TPdfContent& plan)
{
    TPdfBuilder pdf;
    const int catalog = pdf.Reserve();
    const int pages = pdf.Reserve();
    const int font = pdf.Reserve();
    std::vector<int> pageObjects;
    QByteArray kids;
    for (size_t i = 0; i < plan.Pages.size(); ++i) {
        const QSizeF size = plan.Pages[i];
        const int page = pdf.Reserve();
        const int content = pdf.Reserve();
        pageObjects.push_back(page);
        kids += TPdfBuilder::Ref(page) + " ";
        const QByteArray drawing = "BT /F1 48 Tf 40 " + Number(size.height() - 100) + " Td " +
                                   Text(QStringLiteral("Page %1").arg(i + 1)) + " Tj ET\n4 w 40 40 " +
                                   Number(size.width() - 80) + " " + Number(size.height() / 2) + " re S\n" +
                                   "0.5 g 80 80 " + Number(size.width() / 3) + " 60 re f\n";
        pdf.Write(page, "<< /Type /Page /Parent " + TPdfBuilder::Ref(pages) + " /MediaBox [0 0 " +
                            Number(size.width()) + " " + Number(size.height()) + "] /Resources << /Font << /F1 " +
                            TPdfBuilder::Ref(font) + " >> >> /Contents " + TPdfBuilder::Ref(content) + " >>");
        pdf.Write(content,
                  "<< /Length " + QByteArray::number(drawing.size()) + " >>\nstream\n" + drawing + "endstream");
    }
    pdf.Write(pages, "<< /Type /Pages /Kids [" + kids + "] /Count " + QByteArray::number(plan.Pages.size()) + " >>");
    pdf.Write(font, "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");

    QByteArray outlineRef;
    if (!plan.Outline.empty()) {
        // Each level's entries are linked to their parent and to each other.
        std::function<std::pair<int, int>(const std::vector<TOutlineEntry>&, int)> writeLevel =
            [&](const std::vector<TOutlineEntry>& entries, int parent) {
                std::vector<int> objects;
                for (size_t i = 0; i < entries.size(); ++i) objects.push_back(pdf.Reserve());
                for (size_t i = 0; i < entries.size(); ++i) {
                    const TOutlineEntry& entry = entries[i];
                    QByteArray body = "<< /Title " + Text(entry.Title) + " /Parent " + TPdfBuilder::Ref(parent) +
                                      " /Dest [" +
                                      TPdfBuilder::Ref(pageObjects.at(static_cast<size_t>(entry.Page - 1))) + " /Fit]";
                    if (i > 0) body += " /Prev " + TPdfBuilder::Ref(objects[i - 1]);
                    if (i + 1 < entries.size()) body += " /Next " + TPdfBuilder::Ref(objects[i + 1]);
                    if (!entry.Children.empty()) {
                        const auto [first, last] = writeLevel(entry.Children, objects[i]);
                        body += " /First " + TPdfBuilder::Ref(first) + " /Last " + TPdfBuilder::Ref(last) + " /Count " +
                                QByteArray::number(entry.Children.size());
                    }
                    pdf.Write(objects[i], body + " >>");
                }
                return std::pair{objects.front(), objects.back()};
            };
        const int root = pdf.Reserve();
        const auto [first, last] = writeLevel(plan.Outline, root);
        pdf.Write(root, "<< /Type /Outlines /First " + TPdfBuilder::Ref(first) + " /Last " + TPdfBuilder::Ref(last) +
                            " /Count " + QByteArray::number(plan.Outline.size()) + " >>");
        outlineRef = " /Outlines " + TPdfBuilder::Ref(root);
    }
    pdf.Write(catalog, "<< /Type /Catalog /Pages " + TPdfBuilder::Ref(pages) + outlineRef + " >>");

    int encrypt = 0;
    if (plan.Encrypted) {
        // Password checks that no empty password passes: only the right one opens it.
        encrypt = pdf.Reserve();
        const QByteArray hash = "<" + QByteArray(64, 'a') + ">";
        pdf.Write(encrypt, "<< /Filter /Standard /V 1 /R 2 /O " + hash + " /U " + hash + " /P -4 >>");
    }
    int info = 0;
    if (!plan.Title.isEmpty() || !plan.Author.isEmpty()) {
        info = pdf.Reserve();
        pdf.Write(info, "<< /Title " + Text(plan.Title) + " /Author " + Text(plan.Author) + " >>");
    }
    return pdf.Finish(catalog, info, encrypt);
}

}  // namespace testing_pdf
