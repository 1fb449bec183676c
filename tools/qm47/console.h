#pragma once

#include <QString>
#include <QTextStream>

class QIODevice;

// Standard output (results) and standard error (messages, progress).
QTextStream &out();
QTextStream &err();

// Standard output for bytes (a configuration file written to "-"). Shares its
// record of failures with out(); write text through out() only.
QIODevice &standardOutput();

// Flushes standard output and closes it, and gives the exit status: `status`
// when all that was written got there, else ExitFailure after the reason on
// standard error (a full disk, a closed pipe). A reader that went away while
// more was to come (as in "qm47 show | head") ends it quietly.
int finishStandardOutput(int status);

// Makes standard input and output carry bytes unchanged (configuration files
// pass through them); text output stays readable.
void useBinaryStandardStreams();

// A progress bar on standard error, drawn only when standard error is a
// terminal, so that logs and pipes get no control characters.
class ProgressBar
{
public:
    explicit ProgressBar(const QString &label);
    ~ProgressBar();

    void show(int done, int total);
    // Ends the bar's line, if one was drawn.
    void finish();

private:
    QString label_;
    bool enabled_ = false;
    bool drawn_ = false;
};
