#include "app/commandline.h"

#include <cstdio>
#include <cstdlib>

namespace getalveld {

namespace {

const QString program = QStringLiteral("getalveld");

// Options Qt takes itself, with one dash or two; the first group needs a value after it.
const QStringList toolkitOptionsWithValue = {
    QStringLiteral("platform"), QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
    QStringLiteral("plugin"), QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
    QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("display"),
    QStringLiteral("geometry"), QStringLiteral("style"), QStringLiteral("stylesheet"),
    QStringLiteral("name"), QStringLiteral("title"), QStringLiteral("visual")};
const QStringList toolkitFlags = {QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                                  QStringLiteral("nograb"), QStringLiteral("dograb"), QStringLiteral("sync"),
                                  QStringLiteral("qmljsdebugger")};

QString helpText(bool dutch)
{
    if (dutch)
        return QStringLiteral(
                   "Gebruik: %1 [OPTIE]...\n"
                   "Oefen getalbegrip op het tabulon (het honderdveld) en op het duizendveld.\n"
                   "\n"
                   "  -h, --help     deze hulp tonen en stoppen\n"
                   "      --version  versie-informatie tonen en stoppen\n"
                   "\n"
                   "Zonder opties start het programma. Het kent ook de gewone opties van Qt,\n"
                   "zoals -platform en -style. Het leest en bewaart geen bestanden en gebruikt\n"
                   "geen netwerk. Het stopt na het slotscherm (de knop om te eindigen op het\n"
                   "keuzebord) of wanneer het hoofdvenster gesloten wordt.\n")
            .arg(program);
    return QStringLiteral("Usage: %1 [OPTION]...\n"
                          "Practise number sense on the hundred chart and the thousand field\n"
                          "(Dutch user interface).\n"
                          "\n"
                          "  -h, --help     display this help and exit\n"
                          "      --version  output version information and exit\n"
                          "\n"
                          "Without options the program starts. It also takes Qt's standard options,\n"
                          "such as -platform and -style. It reads and writes no files and uses no\n"
                          "network. It ends after its closing screen (the end button on the choice\n"
                          "board) or when its main window is closed.\n")
        .arg(program);
}

QString versionText()
{
    return QStringLiteral("%1 %2\n"
                          "Copyright (C) 2026 the getalveld developers\n"
                          "License GPLv3+: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n")
        .arg(program, QStringLiteral(GETALVELD_VERSION));
}

CommandLineAnswer usageError(const QString &problem, bool dutch)
{
    const QString hint = dutch ? QStringLiteral("Probeer '%1 --help' voor meer informatie.\n")
                               : QStringLiteral("Try '%1 --help' for more information.\n");
    return {CommandLineAnswer::Action::Error, program + QStringLiteral(": ") + problem + QLatin1Char('\n') + hint.arg(program),
            2};
}

CommandLineAnswer takesNoOperands(const QString &operand, bool dutch)
{
    return usageError((dutch ? QStringLiteral("neemt geen bestanden of andere argumenten: '%1'")
                             : QStringLiteral("takes no files or other arguments: '%1'"))
                          .arg(operand),
                      dutch);
}

} // namespace

CommandLineAnswer readCommandLine(const QStringList &arguments, const QString &language)
{
    const bool dutch = language.startsWith(QLatin1String("nl"));
    // The first of --help and --version wins, as with most programs; a wrong argument before
    // them is still reported.
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return {CommandLineAnswer::Action::Help, helpText(dutch), 0};
        if (arg == QLatin1String("--version"))
            return {CommandLineAnswer::Action::Version, versionText(), 0};
        if (arg == QLatin1String("--")) {
            // Everything after "--" is an operand, and the program takes none.
            if (i + 1 < arguments.size())
                return takesNoOperands(arguments[i + 1], dutch);
            break;
        }
        if (!arg.startsWith(QLatin1Char('-')) || arg.size() == 1)
            return takesNoOperands(arg, dutch);
        QString name = arg.mid(arg.startsWith(QLatin1String("--")) ? 2 : 1);
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        if (equals >= 0)
            name.truncate(equals);
        if (toolkitFlags.contains(name) || (equals >= 0 && toolkitOptionsWithValue.contains(name)))
            continue;
        if (toolkitOptionsWithValue.contains(name)) {
            if (i + 1 >= arguments.size())
                return usageError((dutch ? QStringLiteral("optie '%1' heeft een waarde nodig")
                                         : QStringLiteral("option '%1' requires an argument"))
                                      .arg(arg),
                                  dutch);
            ++i;
            continue;
        }
        return usageError(
            (dutch ? QStringLiteral("onbekende optie '%1'") : QStringLiteral("unrecognized option '%1'")).arg(arg),
            dutch);
    }
    return {};
}

QString messageLocale()
{
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = QString::fromLocal8Bit(qgetenv(variable));
        if (!value.isEmpty())
            return value;
    }
    return QStringLiteral("C");
}

std::optional<int> answerCommandLine(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLineAnswer answer = readCommandLine(arguments, messageLocale());
    if (answer.action == CommandLineAnswer::Action::Start)
        return std::nullopt;
    std::FILE *stream = answer.action == CommandLineAnswer::Action::Error ? stderr : stdout;
    const QByteArray text = answer.text.toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
    // A full disk or a closed pipe must not pass for success.
    if (std::fflush(stream) != 0 || std::ferror(stream))
        return answer.exitStatus == 0 ? 1 : answer.exitStatus;
    return answer.exitStatus;
}

} // namespace getalveld
