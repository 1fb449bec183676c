#include "commandline.h"

#include "console.h"

#include "qm47version.h"
#include "texts.h"

namespace {

const Command *findCommand(const QString &name)
{
    for (const Command &command : commandTable())
        if (command.name == name)
            return &command;
    return nullptr;
}

// "write [--verify] PORT FILE.tkf"
QString commandLine(const Command &command)
{
    QString line = command.name;
    for (const OptionSpec &option : command.options) {
        line += QStringLiteral(" [--") + option.name;
        if (!option.valueName.isEmpty())
            line += QLatin1Char(' ') + option.valueName;
        line += QLatin1Char(']');
    }
    if (!command.synopsis.isEmpty())
        line += QLatin1Char(' ') + command.synopsis;
    return line;
}

QString usageLine(const Command &command)
{
    return QStringLiteral("qm47 ") + commandLine(command);
}

const OptionSpec *findOption(const Command &command, const QString &name)
{
    for (const OptionSpec &option : command.options)
        if (option.name == name)
            return &option;
    return nullptr;
}

int usageError(const QString &message, const QString &helpHint)
{
    err() << "qm47: " << message << Qt::endl
          << Texts::tr("Run \"%1\" for help.").arg(helpHint) << Qt::endl;
    return ExitUsage;
}

} // namespace

const QList<Command> &commandTable()
{
    static const QList<Command> commands{portsCommand(), readCommand(),  writeCommand(),
                                         diffCommand(),  showCommand(),  checkCommand(),
                                         convertCommand(), overviewCommand()};
    return commands;
}

QString programHelp()
{
    QString text = Texts::tr(
        "Usage: qm47 COMMAND [OPTIONS] [ARGUMENTS]\n"
        "\n"
        "Command-line companion of the QM-47 Button Configurator: reads and writes the\n"
        "keypad's configuration over its serial cable, and shows, checks and converts\n"
        "configuration files (.tkf).\n"
        "\n"
        "Commands:\n");
    for (const Command &command : commandTable()) {
        text += QStringLiteral("  %1\n      %2\n").arg(commandLine(command), command.summary);
    }
    text += Texts::tr(
        "\n"
        "Options:\n"
        "  -h, --help   Show this help.\n"
        "  --version    Show the version of qm47.\n"
        "  --lang CODE  Show the texts in this language: de, fr, es, pt or en\n"
        "               (default: the system's language).\n"
        "\n"
        "Run \"qm47 COMMAND --help\" for the details of a command.\n"
        "Exit status: 0 on success; 1 when a file is refused, a check fails or a\n"
        "transfer fails; 2 when the command line is wrong (diff: 1 when the keypad\n"
        "differs, 2 on trouble); 129, 130 or 143 when SIGHUP, SIGINT or SIGTERM\n"
        "stopped a transfer of read, write or diff.\n");
    return text;
}

QString commandHelp(const Command &command)
{
    QString text = Texts::tr("Usage: %1\n\n%2\n").arg(usageLine(command), command.summary);
    if (!command.description.isEmpty())
        text += QLatin1Char('\n') + command.description;
    text += QLatin1Char('\n') + Texts::tr("Options:") + QLatin1Char('\n');
    for (const OptionSpec &option : command.options) {
        QString head = QStringLiteral("--") + option.name;
        if (!option.valueName.isEmpty())
            head += QLatin1Char(' ') + option.valueName;
        text += QStringLiteral("  %1  %2\n").arg(head, -18).arg(option.description);
    }
    text += QStringLiteral("  %1  %2\n").arg(QStringLiteral("-h, --help"), -18)
                .arg(Texts::tr("Show this help."));
    return text;
}

ParsedLine parseCommandLine(const Command &command, const QStringList &words)
{
    ParsedLine parsed;
    bool optionsEnded = false;
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        if (optionsEnded || word == QLatin1String("-") || !word.startsWith(QLatin1Char('-'))) {
            parsed.invocation.arguments.append(word);
            continue;
        }
        if (word == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (word == QLatin1String("-h") || word == QLatin1String("--help")) {
            parsed.helpRequested = true;
            continue;
        }
        QString name = word.startsWith(QLatin1String("--")) ? word.mid(2) : QString();
        QString value;
        const qsizetype equals = name.indexOf(QLatin1Char('='));
        const bool inlineValue = equals >= 0;
        if (inlineValue) {
            value = name.mid(equals + 1);
            name.truncate(equals);
        }
        const OptionSpec *option = name.isEmpty() ? nullptr : findOption(command, name);
        if (!option) {
            parsed.error = Texts::tr("%1: unknown option %2").arg(command.name, word);
            return parsed;
        }
        if (option->valueName.isEmpty() && inlineValue) {
            parsed.error = Texts::tr("%1: --%2 takes no value").arg(command.name, name);
            return parsed;
        }
        if (!option->valueName.isEmpty() && !inlineValue) {
            if (i + 1 >= words.size()) {
                parsed.error = Texts::tr("%1: --%2 needs a value (%3)")
                                   .arg(command.name, name, option->valueName);
                return parsed;
            }
            value = words.at(++i);
        }
        parsed.invocation.options.insert(name, value);
    }
    if (parsed.helpRequested)
        return parsed;
    const int count = int(parsed.invocation.arguments.size());
    if (count < command.minArguments || count > command.maxArguments)
        parsed.error = Texts::tr("%1 takes %2; usage: %3")
                           .arg(command.name,
                                command.synopsis.isEmpty() ? Texts::tr("no arguments")
                                                           : command.synopsis,
                                usageLine(command));
    return parsed;
}

namespace {

int runWords(const QStringList &words)
{
    if (words.isEmpty()) {
        err() << programHelp();
        return ExitUsage;
    }
    const QString &first = words.first();
    if (first == QLatin1String("--version") && words.size() == 1) {
        out() << "qm47 " << QM47_VERSION << Qt::endl;
        return ExitSuccess;
    }
    if (first == QLatin1String("--help") || first == QLatin1String("-h")
        || first == QLatin1String("help")) {
        if (words.size() > 1) {
            const Command *command = findCommand(words.at(1));
            if (!command)
                return usageError(Texts::tr("unknown command \"%1\"").arg(words.at(1)),
                                  QStringLiteral("qm47 --help"));
            out() << commandHelp(*command);
        } else {
            out() << programHelp();
        }
        return ExitSuccess;
    }
    const Command *command = findCommand(first);
    if (!command)
        return usageError(Texts::tr("unknown command \"%1\"").arg(first),
                          QStringLiteral("qm47 --help"));

    const ParsedLine parsed = parseCommandLine(*command, words.mid(1));
    if (!parsed.error.isEmpty())
        return usageError(parsed.error, QStringLiteral("qm47 %1 --help").arg(command->name));
    if (parsed.helpRequested) {
        out() << commandHelp(*command);
        return ExitSuccess;
    }
    return command->run(parsed.invocation);
}

} // namespace

int runProgram(const QStringList &words)
{
    const int status = finishStandardOutput(runWords(words));
    err().flush();
    return status;
}
