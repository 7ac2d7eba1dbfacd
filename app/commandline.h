#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace getalveld {

// What the command line asks for. The program itself takes no arguments; it answers --help
// and --version and leaves the toolkit's own options (-platform, -style, ...) to Qt.
struct CommandLineAnswer {
    enum class Action { Start, Help, Version, Error };
    Action action = Action::Start;
    QString text; // what to print: help and version on standard output, errors on standard error
    int exitStatus = 0;
};

// Reads the arguments after the program's name. language is the user's message locale
// ("nl_NL.UTF-8", "C", ...): Dutch locales get the help in Dutch, all others in English.
CommandLineAnswer readCommandLine(const QStringList &arguments, const QString &language);

// The message locale as the C library would choose it: LC_ALL, else LC_MESSAGES, else LANG.
QString messageLocale();

// Answers --help and --version (and wrong arguments) before any window exists, so that they
// work without a display. Returns the exit status if the program must end at once.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace getalveld
