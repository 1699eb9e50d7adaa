#include "TestPdf.h"

#include <QCryptographicHash>
#include <array>
#include <functional>
#include <optional>

namespace testing_pdf {
namespace {

QByteArray Md5(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Md5);
}

QByteArray Rc4(const QByteArray& key, const QByteArray& data)
{
    std::array<unsigned char, 256> state;
    for (int i = 0; i < 256; ++i) state[size_t(i)] = static_cast<unsigned char>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + state[size_t(i)] + static_cast<unsigned char>(key[i % key.size()])) % 256;
        std::swap(state[size_t(i)], state[size_t(j)]);
    }
    QByteArray out = data;
    for (int n = 0, i = 0, j = 0; n < out.size(); ++n) {
        i = (i + 1) % 256;
        j = (j + state[size_t(i)]) % 256;
        std::swap(state[size_t(i)], state[size_t(j)]);
        out[n] = static_cast<char>(out[n] ^ state[size_t((state[size_t(i)] + state[size_t(j)]) % 256)]);
    }
    return out;
}

// The standard security handler, revision 2: what a reader needs to check the password and
// the key that encrypts every string and stream.
struct TEncryption {
    static constexpr int Permissions = -4;

    explicit TEncryption(const QByteArray& password)
    {
        static const QByteArray Padding =
            QByteArray::fromHex("28BF4E5E4E758A4164004E56FFFA01082E2E00B6D0683E802F0CA9FE6453697A");
        const QByteArray padded = (password + Padding).left(32);
        Owner = Rc4(Md5(padded).left(5), padded);
        QByteArray permissions(4, 0);
        for (int i = 0; i < 4; ++i) permissions[i] = static_cast<char>((Permissions >> (8 * i)) & 0xFF);
        Key = Md5(padded + Owner + permissions + Id).left(5);
        User = Rc4(Key, Padding);
    }

    QByteArray ObjectKey(int object) const
    {
        QByteArray salt(5, 0);
        for (int i = 0; i < 3; ++i) salt[i] = static_cast<char>((object >> (8 * i)) & 0xFF);
        return Md5(Key + salt).left(10);
    }

    inline static const QByteArray Id = QByteArray::fromHex("00112233445566778899aabbccddeeff");
    QByteArray Owner, User, Key;
};

class TPdfBuilder {
public:
    explicit TPdfBuilder(const QByteArray& password)
    {
        if (!password.isEmpty()) FEncryption.emplace(password);
    }

    // Bytes of a string or a stream of that object, encrypted when the document is.
    QByteArray Protect(int object, const QByteArray& bytes) const
    {
        return FEncryption ? Rc4(FEncryption->ObjectKey(object), bytes) : bytes;
    }

    // A text string of that object.
    QByteArray Text(int object, const QString& text) const
    {
        return "<" + Protect(object, text.toLatin1()).toHex() + ">";
    }

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

    QByteArray Finish(int catalog, int info)
    {
        int encrypt = 0;
        if (FEncryption) {
            encrypt = Reserve();
            Write(encrypt, "<< /Filter /Standard /V 1 /R 2 /O <" + FEncryption->Owner.toHex() + "> /U <" +
                               FEncryption->User.toHex() + "> /P " + QByteArray::number(TEncryption::Permissions) +
                               " >>");
        }
        const qsizetype xref = FBytes.size();
        FBytes += "xref\n0 " + QByteArray::number(FOffsets.size() + 1) + "\n0000000000 65535 f \n";
        for (const qsizetype offset : FOffsets)
            FBytes += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
        FBytes += "trailer\n<< /Size " + QByteArray::number(FOffsets.size() + 1) + " /Root " + Ref(catalog);
        if (info) FBytes += " /Info " + Ref(info);
        if (encrypt)
            FBytes += " /Encrypt " + Ref(encrypt) + " /ID [<" + TEncryption::Id.toHex() + "> <" +
                      TEncryption::Id.toHex() + ">]";
        FBytes += " >>\nstartxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return FBytes;
    }

    static QByteArray Ref(int object) { return QByteArray::number(object) + " 0 R"; }

private:
    QByteArray FBytes = "%PDF-1.4\n";
    std::vector<qsizetype> FOffsets;
    std::optional<TEncryption> FEncryption;
};

QByteArray Number(double value)
{
    return QByteArray::number(value, 'f', 2);
}

}  // namespace

QByteArray MakePdf(const TPdfContent& plan)
{
    TPdfBuilder pdf(plan.Password);
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
        const QByteArray drawing = "BT /F1 48 Tf 40 " + Number(size.height() - 100) + " Td (Page " +
                                   QByteArray::number(i + 1) + ") Tj ET\n4 w 40 40 " + Number(size.width() - 80) + " " +
                                   Number(size.height() / 2) + " re S\n" + "0.5 g 80 80 " + Number(size.width() / 3) +
                                   " 60 re f\n";
        pdf.Write(page, "<< /Type /Page /Parent " + TPdfBuilder::Ref(pages) + " /MediaBox [0 0 " +
                            Number(size.width()) + " " + Number(size.height()) + "] /Resources << /Font << /F1 " +
                            TPdfBuilder::Ref(font) + " >> >> /Contents " + TPdfBuilder::Ref(content) + " >>");
        pdf.Write(content, "<< /Length " + QByteArray::number(drawing.size()) + " >>\nstream\n" +
                               pdf.Protect(content, drawing) + "\nendstream");
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
                    QByteArray body = "<< /Title " + pdf.Text(objects[i], entry.Title) + " /Parent " +
                                      TPdfBuilder::Ref(parent) + " /Dest [" +
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

    int info = 0;
    if (!plan.Title.isEmpty() || !plan.Author.isEmpty()) {
        info = pdf.Reserve();
        pdf.Write(info, "<< /Title " + pdf.Text(info, plan.Title) + " /Author " + pdf.Text(info, plan.Author) + " >>");
    }
    return pdf.Finish(catalog, info);
}

}  // namespace testing_pdf
