#pragma once

#include "portresult.h"

#include <QList>
#include <QString>

// Prints the results of the ports in the order the command line named them.
// With `json`: one document per port on standard output, and a failure's
// message on standard error as well. Otherwise with one port: its lines, and
// a failure's message on standard error, as ever. With several: one result
// line per port, led by its name ("PORT: failed: MESSAGE" for a failure),
// any further lines (a difference listing) indented below it. Returns 0
// when every port succeeded, else 1.
int reportResults(const QString &command, const QList<PortResult> &results, bool json);
