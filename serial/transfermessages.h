#pragma once

#include "device/framelayer.h"
#include "serial/portaccess.h"

#include <QString>

// How a transfer ended, and what the user is told about it. The configurator
// and the command-line tool say the same thing for the same outcome.
enum class TransferOutcome {
    Completed,
    PortInUse,         // the port could not be opened or configured
    PortNotOpen,       // the wake-up byte could not be written
    ConnectTimeout,    // the keypad did not acknowledge the wake-up byte
    CommunicationError, // time-out, retry limit or broken line during the transfer
    Interrupted         // stopped by the user (a signal, closing the window)
};

// The message shown for an outcome (empty for Completed). Translated in the
// main window's context. For PortInUse, `failure` says why the port could not
// be opened: a port that another program holds is "in use"; any other cause
// is named with the system's reason, and on Linux a port this user may not
// open comes with how to get access.
QString transferMessage(TransferOutcome outcome, const PortFailure &failure = {});

// What a transfer that ended early left behind, said under the outcome's
// message: a transmit may have left the keypad with part of the new
// configuration, a readout the table with some buttons from the keypad. Empty
// when the transfer completed or nothing was written or stored. `buttons`
// counts from button 1: those that may be stored, or those read.
QString partialResultNote(TransferOutcome outcome, TransferDirection direction, int buttons);

