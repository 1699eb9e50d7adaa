// What several wolftool commands share: argument parsing, choosing a page and a text
// encoding.
#pragma once

#include "BookEncoding.h"
#include "BookSession.h"
#include "ExtractedBook.h"
#include "uWolfReader.h"

#include <QCommandLineParser>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace wolftool {

// Sets the command's description for --help and its first argument, the book.
void DescribeBookCommand(QCommandLineParser& parser, const QString& description);

// Adds --help, parses args (a command's arguments after "wolftool NAME") and checks the
// number of positional arguments. Returns false after printing the help; raises
// ECommandFailure on a usage error. synopsis is the usage line after "wolftool ".
bool ParseCommandLine(QCommandLineParser& parser, const QStringList& args, const QString& synopsis,
                      qsizetype positionalCount);
// The same for commands that take at least minimumCount positional arguments.
bool ParseCommandLineAtLeast(QCommandLineParser& parser, const QStringList& args, const QString& synopsis,
                             qsizetype minimumCount);

// JSON names of the nine description fields, in field order (info prints them, describe sets
// them, extract writes them into book.json and make reads them back).
using making::DescriptionKeys;

// The description as a JSON object under those names (info prints it, extract writes it).
QJsonObject DescriptionToJson(const wolf::TWolfDescription& description, const platform::TBookEncoding& encoding);

// "cover" or a page number from 1 to the page count, as the session's index: -1 the cover,
// from 0 a page.
int SelectPage(const session::TBookSession& book, const QString& argument);

// A page that cannot be shown: exit code 3 with the viewer's message.
[[noreturn]] void FailInvalidPage();

void AddEncodingOption(QCommandLineParser& parser);
// The name given with --encoding, "auto" when none was.
QByteArray EncodingName(const QCommandLineParser& parser);
// The book's encoding, refusing an --encoding name that no codec knows.
const platform::TBookEncoding& KnownEncoding(const QCommandLineParser& parser, const session::TBookSession& book);

// Writes UTF-8 bytes to stdout, raising ECommandFailure when they cannot be written.
void WriteOut(const QByteArray& bytes);

}  // namespace wolftool
