#pragma once

#include "device/extraports.h"
#include "keypadengine.h"
#include "keypadline.h"

#include <QString>

#include <memory>

// A simulated keypad on a pseudo-terminal, added to the port list through
// QM47_EXTRA_PORTS so that a transfer finds it as a user would.
struct SimulatedKeypad {
    std::unique_ptr<KeypadEngine> engine;
    std::unique_ptr<KeypadLine> line;

    // Starts the keypad with `memory` and `faults`; false with the reason in
    // `error` when its line could not be opened.
    bool start(const ButtonTable &memory, const KeypadFaults &faults, QString *error)
    {
        engine = std::make_unique<KeypadEngine>(memory);
        engine->setFaults(faults);
        line = std::make_unique<KeypadLine>(*engine);
        if (!line->open(error))
            return false;
        qputenv(ExtraPortsVariable, line->slavePath().toLocal8Bit());
        return true;
    }

    void stop()
    {
        line.reset();
        engine.reset();
    }
};
