// Turns a book's bytes into display text and back. Books carry no character-set
// information; the user may name one, otherwise it is guessed from the book's texts.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class TBookEncoding {
public:
    // An empty name or "auto" means: decide with Detect over the book's texts.
    static constexpr const char* Automatic = "auto";

    // A named codec ("GB18030", "windows-1251", "latin1", "UTF-8", ...). Invalid names
    // fall back to latin1 (every byte its own code point), which never loses a byte.
    explicit TBookEncoding(const QByteArray& name = "latin1");

    // Valid UTF-8 is UTF-8; otherwise the system's 8-bit code page where there is one;
    // otherwise a detector's verdict over the samples (description and titles).
    static TBookEncoding Detect(const std::vector<std::string>& samples);
    // The named encoding, or Detect when the name is empty or "auto".
    static TBookEncoding Choose(const QByteArray& name, const std::vector<std::string>& samples);

    QByteArray Name() const { return FName; }
    QString Decode(const std::string& bytes) const;
    // nullopt when the text holds a character the encoding cannot hold.
    std::optional<std::string> Encode(const QString& text) const;
    // The text cut to at most maxBytes without splitting a character; nullopt as Encode.
    std::optional<std::string> EncodeWithin(const QString& text, size_t maxBytes) const;

    // Names the user can choose from, "auto" first.
    static QStringList KnownNames();

private:
    QByteArray FName;
};

}  // namespace platform
