// What the making library raises. Messages say what is wrong; each front end adds how to put
// it right in its own terms (a command-line flag, a question in the window).
#pragma once

#include <QString>
#include <stdexcept>

namespace making {

// A picture, a source or a book that cannot be made into pages; the message names it.
class EMakeFailure : public std::runtime_error {
public:
    explicit EMakeFailure(const QString& message) : std::runtime_error(message.toStdString()) {}
};

// A picture page that cannot be read (damaged, cut off, no picture at all), where the book is
// not made past such pictures; the message names the source and the page.
class EBadPicture : public EMakeFailure {
public:
    using EMakeFailure::EMakeFailure;
};

// The user stopped the work.
class ECancelled : public EMakeFailure {
public:
    ECancelled() : EMakeFailure(QStringLiteral("Stopped; no book was written")) {}
};

// The book to write exists already and the plan does not say to replace it.
class EOutputExists : public EMakeFailure {
public:
    explicit EOutputExists(const QString& path) : EMakeFailure(QStringLiteral("\"%1\" exists already").arg(path)) {}
};

// A text file without a byte-order mark, in no encoding the user named, that none of the
// encodings tried reads cleanly.
class EUnrecognisedEncoding : public EMakeFailure {
public:
    EUnrecognisedEncoding(const QString& path, const QString& tried)
        : EMakeFailure(QStringLiteral("The text file \"%1\" is in an encoding that was not recognised (tried %2)")
                           .arg(path, tried))
    {
    }
};

// A PDF that only opens with a password, and none or a wrong one was given.
class ENeedsPassword : public EMakeFailure {
public:
    ENeedsPassword(const QString& path, bool passwordGiven)
        : EMakeFailure(passwordGiven
                           ? QStringLiteral("\"%1\" is encrypted, and the password given does not open it").arg(path)
                           : QStringLiteral("\"%1\" is encrypted and needs a password").arg(path)),
          Path(path),
          PasswordGiven(passwordGiven)
    {
    }
    QString Path;
    bool PasswordGiven;
};

}  // namespace making
