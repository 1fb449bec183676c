#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>

struct PortResult;

// Writes `document` as one line of compact JSON to standard output. Where
// several documents follow each other (one per port), each is a line of its
// own, so that a script can read them one by one.
void printJson(const QJsonObject &document);

// A text, or null where there is none.
QJsonValue textOrNull(const QString &text);

// The JSON document of one port's result: the fields every transfer command
// shares, then the result's own details.
QJsonObject portResultJson(const QString &command, const PortResult &result);
