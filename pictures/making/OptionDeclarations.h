// Each option of book making declared once: its command-line flag, its settings key, its
// range or choices, the window's control and tool tip; its default is TMakeOptions'.
// wolftool's parsing and help, the settings' [MakeBook] rows and the maker window's controls
// all come from here, so an option is added by one entry.
#pragma once

#include "ProcessOptions.h"

#include <QString>
#include <QVariant>
#include <functional>
#include <optional>
#include <vector>

namespace making {

enum class TOptionKind {
    Switch,  // on or off: a check box
    Choice,  // one of a few: a drop-down list
    Number,  // a number within a range: a number box
    Text,    // free text: a line edit
    Screen,  // the screen's size: profiles in a drop-down list, or WIDTHxHEIGHT on the command line
};

// The maker window's tab that shows the option; CommandLine ones the window does not show.
enum class TOptionPage { Sources, Pages, CommandLine };

// The context the window translates labels, tool tips and choices in.
constexpr const char* OptionTextContext = "MakeOption";

struct TOptionChoice {
    const char* Name;   // the command line's word
    const char* Label;  // the window's
    int Stored;         // the settings file's number
};

struct TOptionDeclaration {
    TOptionKind Kind = TOptionKind::Switch;
    // --Name. A Switch without Choices is a bare flag: it turns the option on, or off when Negated.
    const char* Name = nullptr;
    const char* Help = nullptr;         // the command line's help; the default is added to it
    const char* ValueName = nullptr;    // --help's placeholder for the value
    const char* SettingsKey = nullptr;  // the key in [MakeBook]; nullptr when the choice is not kept
    TOptionPage Page = TOptionPage::Pages;
    const char* Label = nullptr;  // the check box's text or the row's label
    const char* ToolTip = nullptr;
    // The value: bool (Switch), int (the index of a Choice), double (Number), QString (Text),
    // QSize (Screen).
    std::function<QVariant(const TMakeOptions&)> Get = {};
    std::function<void(TMakeOptions&, const QVariant&)> Set = {};
    std::vector<TOptionChoice> Choices = {};  // Choice, and a Switch spelled as two words, off first
    bool Negated = false;
    double Min = 0, Max = 0, Step = 0;  // Number
    int StoredScale = 1;                // Number: the settings file holds the value times this
    const char* Placeholder = nullptr;  // Text: shown in an empty field
    const char* Hint = nullptr;         // Text: what a value looks like, for messages
    // Text: whether a text is a value (a page range, a pattern); every text is when unset.
    std::function<bool(const QString&)> Accepts = {};
    bool ChangesSources = false;     // the sources' pages are listed again when it changes
    const char* Excludes = nullptr;  // a bare flag: another that says the opposite
};

// In the order of the settings file, the window and --help.
const std::vector<TOptionDeclaration>& OptionDeclarations();

QVariant DefaultValue(const TOptionDeclaration& option);

// The value the command line's text stands for; nullopt when it is none.
std::optional<QVariant> ParseOptionValue(const TOptionDeclaration& option, const QString& text);
// The value as the command line spells it.
QString OptionValueText(const TOptionDeclaration& option, const QVariant& value);
// The command line's help: the declaration's, with the profiles of a Screen and the default.
QString OptionHelp(const TOptionDeclaration& option);
// What the command line takes, for messages: "split|rotate|both|keep", "a number from 0.1 to 10".
QString OptionValuesText(const TOptionDeclaration& option);

// The settings file's text for a value, and the value of such a text: the default for a bad
// one, numbers held to the range.
QString StoredText(const TOptionDeclaration& option, const QVariant& value);
QVariant StoredValue(const TOptionDeclaration& option, const QString& text);

}  // namespace making
