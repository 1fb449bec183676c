#pragma once

#include "controllers/editcontroller.h"
#include "controllers/editorstate.h"
#include "keyboard/heldkeys.h"

#include <QObject>

class ConfigDocument;
class UserPrompts;

// Recording into the active button: Start records every key press and
// release until Stop (one undo step), Insert one key takes the next key
// press as one complete key stroke. Keeps the keys held down, so that an
// auto-repeat records nothing, and the entry limit: a recording that fills
// the button ends and the user is told once the key has been handled.
//
// Key events arrive as key codes with the last selected row of the list;
// new entries go behind it (or at the end), and the newest becomes the
// selected row. Asks the user only through UserPrompts.
class RecordingController : public QObject
{
    Q_OBJECT

public:
    RecordingController(ConfigDocument &document, EditController &edits, UserPrompts &prompts,
                        QObject *parent = nullptr);

    // True when a capture began.
    bool start();
    bool insertKey();
    // Ends whatever is captured; the window lets go of the keyboard.
    void stop();
    // Before the window closes: a capture under way ends only if the user
    // agrees. True when nothing is captured any more.
    bool stopForClose();

    ListFocus keyPressed(uint8_t code, int lastSelectedRow);
    ListFocus keyReleased(uint8_t code, int lastSelectedRow);

    const HeldKeys &heldKeys() const { return heldKeys_; }

Q_SIGNALS:
    // A capture began (the window takes the keyboard) or ended (it lets go).
    void captureChanged(Capture capture);

private:
    ListFocus addEntry(uint8_t key, uint8_t request, int lastSelectedRow);
    void setCapture(Capture capture);
    // Tells the user that the button is full, from the event loop.
    void reportLimit();
    int entryLimit() const;

    ConfigDocument &document_;
    EditController &edits_;
    UserPrompts &prompts_;
    HeldKeys heldKeys_;
    int recordingStep_ = 0;
};
