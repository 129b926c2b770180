#pragma once

// Qt
#include <QString>
#include <QStringList>

namespace i18n {
class Translation;
}

// The game's command line. It is read before any application object exists,
// so --help, --version and a mistyped option are answered without a display.
namespace cli {

enum class Action { Play, ShowHelp, ShowVersion, Refuse };

struct Outcome {
    Action action = Action::Play;
    // What to print: the help, the version line or the complaint; empty for Play.
    QString text;
    int exitStatus = 0;
    // The language asked for with --language; empty when the option is not given.
    QString language;
};

// Exit status of a command line the game does not understand.
inline constexpr int usageError = 2;

// The arguments as the program received them, the program's name first.
QStringList argumentsOf(int argc, const char* const* argv);

// Decides what the arguments ask for, the texts in English. Qt's own options
// (-platform, -style, -reverse, ...) pass through to the application unchanged.
Outcome parse(const QStringList& arguments);
// The same, with the help and the complaints in the translation's language.
Outcome parse(const QStringList& arguments, const i18n::Translation& translation);

// Prints the outcome's text (the complaint on standard error, the rest on
// standard output) and returns its exit status.
int report(const Outcome& outcome);

} // namespace cli
