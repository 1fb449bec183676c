#pragma once

#include "command.h"

#include <QStringList>

// The command table and the reading of a command line.

const QList<Command> &commandTable();

// The help of the program, listing every command.
QString programHelp();
// The help of one command: usage, description, options.
QString commandHelp(const Command &command);

// A command's words (everything after the command's name) read against its
// options. `error` is set for a line the command cannot take.
struct ParsedLine {
    Invocation invocation;
    bool helpRequested = false;
    QString error;
};
ParsedLine parseCommandLine(const Command &command, const QStringList &words);

// Runs the program for the words after its own name; returns the exit status.
int runProgram(const QStringList &words);
