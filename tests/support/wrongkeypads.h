#pragma once

#include "keypadengine.h"

#include <QList>
#include <QStringList>

// Keypads that answer wrongly, for the frame layer's own bench and for the
// simulator program alike: the simulator's options and the same faults for
// an engine in the test, with how each direction must end. Requests are
// counted from 1 after the wake-up byte: 1 the button count, 2 the maximum,
// 3 the first button.
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
    // A readout takes a wrong Ack on trust once the right answer follows; a
    // transmit has nothing but the Ack and waits for the right one in vain.
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
