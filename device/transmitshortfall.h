#pragma once

#include <QList>
#include <QString>
#include <QStringList>

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

// What the keypad cannot hold, one sentence per cause, buttons numbered from
// 1 with runs as ranges ("Buttons the keypad does not have: 6-23."). Every
// front end names a shortfall with these sentences; empty when there is none.
QStringList shortfallLines(const TransmitShortfall &shortfall);

// The window's message: the keypad's counts, shortfallLines(), and that the
// configuration itself is unchanged.
QString shortfallMessage(const TransmitShortfall &shortfall);
