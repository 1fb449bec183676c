#pragma once

#include "device/framelayer.h"
#include "serial/transfermessages.h"
#include "device/transmitshortfall.h"

#include <QString>

// How one readout or transmit ended, settled once by the transfer driver. The
// front ends (the window, qm47, the benchmark) only show it; none of them
// reads the frame layer's state or judges the outcome anew.
struct TransferResult {
    TransferDirection direction = TransferDirection::Readout;
    TransferOutcome outcome = TransferOutcome::Completed;
    // What the user is told about a failure; empty when the transfer completed.
    QString message;
    // The system's reason when the port could not be opened.
    QString portReason;
    // Buttons stored (readout) or acknowledged by the keypad (transmit).
    int buttonsDone = 0;
    // Transmit: buttons whose frame reached the line, acknowledged or not,
    // so buttons 1 to this number may now hold the new configuration. A
    // transfer that ends early leaves one more than was acknowledged when a
    // button was on its way: the keypad stores it before it answers. 0 for
    // a readout.
    int buttonsMaybeStored = 0;
    // The counts the keypad reported; 0 when it never answered them.
    int keypadButtonCount = 0;
    int keypadMaxEntries = 0;
    // After a completed transmit: what the keypad had no room for.
    TransmitShortfall shortfall;
    // From the wake-up byte to the last acknowledgement or answer.
    qint64 transferMs = 0;

    bool succeeded() const { return outcome == TransferOutcome::Completed; }
    // The port was opened and the keypad asked: false when the transfer
    // failed before anything reached the keypad.
    bool keypadAsked() const
    {
        return outcome != TransferOutcome::PortInUse && outcome != TransferOutcome::PortNotOpen;
    }
    // The keypad may hold buttons of this transmit: what "changed" means to
    // a script.
    bool keypadMayHaveChanged() const { return buttonsMaybeStored > 0; }
    // The buttons an early end left behind: on the keypad (transmit, those
    // that may be stored) or in the table (readout).
    int buttonsLeftBehind() const
    {
        return direction == TransferDirection::Transmit ? buttonsMaybeStored : buttonsDone;
    }
    // Broke off after some buttons were stored or written.
    bool partial() const { return !succeeded() && buttonsLeftBehind() > 0; }
    // The message followed by what an early end left behind.
    QString fullMessage() const
    {
        const QString note = partialResultNote(outcome, direction, buttonsLeftBehind());
        return note.isEmpty() ? message : message + QLatin1Char('\n') + note;
    }
};
