// What several wolftool commands share: argument parsing, opening a book, choosing a
// page and a text encoding.
#pragma once

#include "BookEncoding.h"
#include "BookPath.h"
#include "WolfStream.h"
#include "uWolfReader.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <memory>

namespace wolftool {

// Sets the command's description for --help and its first argument, the book.
void DescribeBookCommand(QCommandLineParser& parser, const QString& description);

// Adds --help, parses args (a command's arguments after "wolftool NAME") and checks the
// number of positional arguments. Returns false after printing the help; raises
// ECommandFailure on a usage error. synopsis is the usage line after "wolftool ".
bool ParseCommandLine(QCommandLineParser& parser, const QStringList& args, const QString& synopsis,
                      qsizetype positionalCount);

// JSON names of the nine description fields, in field order (info prints them, describe sets them).
extern const char* const DescriptionKeys[wolf::TWolfDescription::FieldCount];

// A book opened read-only and read with the whole open sequence.
class TOpenBook {
public:
    explicit TOpenBook(const QString& path);

    wolf::TStream& Stream() { return *FStream; }
    wolf::TWolfReader Reader;
    bool FromSubcatalog = false;

private:
    std::unique_ptr<wolf::TFileStream> FStream;
};

// "cover" or a page number from 1 to the page count.
wolf::TWolfPageItem& SelectPage(wolf::TWolfReader& reader, const QString& argument);

// A page that cannot be shown: exit code 3 with the viewer's message.
[[noreturn]] void FailInvalidPage();

void AddEncodingOption(QCommandLineParser& parser);
// The --encoding choice, or the one guessed from the description and the titles.
platform::TBookEncoding ChooseEncoding(const QCommandLineParser& parser, const wolf::TWolfReader& reader);

// Writes UTF-8 bytes to stdout, raising ECommandFailure when they cannot be written.
void WriteOut(const QByteArray& bytes);

}  // namespace wolftool
