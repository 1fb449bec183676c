#pragma once

#include "keypadengine.h"

#include <QList>
#include <QStringList>
#include <QtTest>

// Keypads that answer wrongly, as simulator options and as the same faults
// for an engine in the test, with whether each direction completes.
struct WrongKeypad {
    const char *name;
    QStringList options;
    KeypadFaults faults;
    bool readoutCompletes;
    bool transmitCompletes;
};

inline QList<WrongKeypad> wrongKeypads()
{
    QList<WrongKeypad> cases;
    const auto add = [&](const char *name, const QString &option, int value, int KeypadFaults::*field,
                         bool readout, bool transmit) {
        WrongKeypad c{name, {option, QString::number(value)}, {}, readout, transmit};
        c.faults.*field = value;
        cases.append(c);
    };
    // Requests count from 1 after the wake-up byte: 5 is the third button.
    add("Ack naming another command", "--wrong-ack", 5, &KeypadFaults::wrongAckAt, true, false);
    add("count answer to a button request", "--foreign-answer", 5, &KeypadFaults::foreignAnswerAt,
        false, false);
    add("maximum answer to the count request", "--foreign-answer", 1,
        &KeypadFaults::foreignAnswerAt, false, false);
    add("Ack of the other direction", "--cross-ack", 5, &KeypadFaults::crossAckAt, true, false);
    add("answer for another button", "--wrong-index", 5, &KeypadFaults::wrongIndexAt, false, true);
    add("stray wake-up Ack", "--stray-wakeup-ack", 4, &KeypadFaults::strayWakeUpAckAt, true, true);
    add("a little chatter", "--chatter", 1, &KeypadFaults::chatterFrames, true, true);
    add("endless chatter", "--chatter", 10, &KeypadFaults::chatterFrames, false, false);
    return cases;
}

Q_DECLARE_METATYPE(KeypadFaults)

// Test data: every wrong keypad in each direction.
inline void addWrongKeypadRows()
{
    QTest::addColumn<bool>("transmit");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<KeypadFaults>("faults");
    QTest::addColumn<bool>("completes");
    for (const WrongKeypad &k : wrongKeypads())
        for (bool transmit : {false, true})
            QTest::addRow("%s, %s", transmit ? "transmit" : "readout", k.name)
                << transmit << k.options << k.faults
                << (transmit ? k.transmitCompletes : k.readoutCompletes);
}
