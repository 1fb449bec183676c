#pragma once

#include <QList>
#include <QString>

class ButtonTable;

// What of a configuration a transmit leaves behind on a keypad that holds
// fewer buttons, or fewer entries per button, than the configuration uses.
// Buttons are counted by index (0 = button 1).
struct TransmitShortfall {
    int keypadButtons = 0;
    int keypadMaxEntries = 0;
    QList<int> notSent; // buttons with entries beyond the keypad's buttons
    QList<int> cut;     // buttons sent with more entries than the keypad keeps

    bool isEmpty() const { return notSent.isEmpty() && cut.isEmpty(); }
};

// Compares `table` with the counts a keypad reported during a transmit.
TransmitShortfall transmitShortfall(const ButtonTable &table, int keypadButtons,
                                    int keypadMaxEntries);

// One message naming everything the keypad did not take, for the window.
QString shortfallMessage(const TransmitShortfall &shortfall);
