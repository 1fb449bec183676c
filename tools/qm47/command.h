#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// Exit statuses of every command.
enum ExitStatus {
    ExitSuccess = 0,
    ExitFailure = 1, // a refused file, a failed check or a failed transfer
    ExitUsage = 2,   // the command line was wrong
};

// An option of a command: a flag, or an option that takes a value when
// valueName is set ("--layout de" or "--layout=de").
struct OptionSpec {
    QString name;
    QString valueName;
    QString description;
};

// A command line as a command sees it, after its options were checked.
struct Invocation {
    QStringList arguments;          // the positional arguments, in order
    QHash<QString, QString> options; // options given, with their values ("" for flags)

    bool isSet(const QString &name) const { return options.contains(name); }
    QString value(const QString &name) const { return options.value(name); }
};

// One command of the program, as the command table lists it.
struct Command {
    QString name;
    QString synopsis;    // arguments after the name, e.g. "PORT FILE.tkf"
    QString summary;     // one line for the program's help
    QString description; // the body of the command's own help
    QList<OptionSpec> options;
    int minArguments = 0;
    int maxArguments = 0;
    int (*run)(const Invocation &) = nullptr;
};

// The commands, one function each in its own file.
Command portsCommand();
Command readCommand();
Command writeCommand();
Command diffCommand();
Command showCommand();
Command checkCommand();
Command convertCommand();
Command overviewCommand();
