#pragma once

#include "device/portrecord.h"

#include <QString>

// How the transfer controller asks for the serial port: the window answers
// with its port dialog, tests from a script.
class PortPrompt
{
public:
    virtual ~PortPrompt() = default;
    // The port chosen for the transfer called `title`, `proposed` offered
    // first; an empty record when the user cancelled.
    virtual PortRecord choosePort(const QString &title, const PortRecord &proposed) = 0;
};
