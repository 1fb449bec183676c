#pragma once

#include <QString>
#include <QTextStream>

// Standard output (results) and standard error (messages, progress).
QTextStream &out();
QTextStream &err();

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
