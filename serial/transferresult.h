#pragma once

#include "device/framelayer.h"
#include "serial/transfermessages.h"
#include "device/transmitshortfall.h"

#include <QString>

// How one readout or transmit ended, settled once by the transfer driver. The
// front ends (the window, qm47, the benchmark) only show it; none of them
// reads the frame layer's flags.
struct TransferResult {
    TransferDirection direction = TransferDirection::Readout;
    TransferOutcome outcome = TransferOutcome::Completed;
    // What the user is told about a failure; empty when the transfer completed.
    QString message;
    // The system's reason when the port could not be opened.
    QString portReason;
    // Buttons stored (readout) or acknowledged by the keypad (transmit).
    int buttonsDone = 0;
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
    // Broke off after some buttons were stored or written.
    bool partial() const { return !succeeded() && buttonsDone > 0; }
    // The message followed by what an early end left behind on the keypad
    // (transmit) or in the table (readout).
    QString fullMessage() const
    {
        const QString note = partialResultNote(outcome, direction, buttonsDone);
        return note.isEmpty() ? message : message + QLatin1Char('\n') + note;
    }
};
