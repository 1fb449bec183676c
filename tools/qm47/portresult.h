#pragma once

#include "command.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// What one port's part of a command came to, for the human and the JSON
// output alike.
struct PortResult {
    QString port;       // as the command line named it
    QString location;   // the device opened
    QString stableName; // a name of it that survives renumbering, if any
    // "read", "written", "unchanged", "same", "different" or "failed".
    QString outcome;
    QString message; // on failure: what the user is told
    QString reason;  // on failure: the system's words, where it gave any
    int buttons = 0; // buttons transferred (written, or read)
    int entries = 0; // entries in those buttons
    qint64 elapsedMs = 0;
    int status = ExitSuccess;
    QStringList lines;   // the result for standard output
    QJsonObject details; // further fields of the JSON document

    void fail(const QString &text, const QString &systemReason = QString())
    {
        outcome = QStringLiteral("failed");
        if (message.isEmpty())
            message = text;
        if (reason.isEmpty())
            reason = systemReason;
        status = ExitFailure;
    }
};
