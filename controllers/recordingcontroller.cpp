#include "controllers/recordingcontroller.h"

#include "controllers/userprompts.h"
#include "document/configdocument.h"

#include <algorithm>

RecordingController::RecordingController(ConfigDocument &document, EditController &edits,
                                         UserPrompts &prompts, QObject *parent)
    : QObject(parent)
    , document_(document)
    , edits_(edits)
    , prompts_(prompts)
{
}

// Entries the active button may hold: the limit in force, and never more than
// its buffer has room for, whatever a device announced.
int RecordingController::entryLimit() const
{
    return std::min<int>(document_.table().maxEntries, ButtonContent::Capacity);
}

bool RecordingController::start()
{
    const EditorState &state = edits_.state();
    if (!state.hasActiveButton()) {
        prompts_.tell(tr("Information"), tr("Please activate a button first!"));
        return false;
    }
    if (state.capturing())
        return false; // a capture already runs: its hook and grab stay as they are
    if (document_.table().content(state.activeButton).length >= entryLimit()) {
        prompts_.tell(tr("Information"), tr("Max. number of keys for this button recorded!"));
        return false;
    }
    // Everything recorded until Stop is one undo step.
    edits_.setRecordingStep(++recordingStep_, tr("Recording"));
    heldKeys_.clear();
    setCapture(Capture::Recording);
    return true;
}

bool RecordingController::insertKey()
{
    const EditorState &state = edits_.state();
    if (!state.hasActiveButton() || state.capturing())
        return false;
    // No room for a press and its release.
    if (document_.table().content(state.activeButton).length >= entryLimit() - 1) {
        prompts_.tell(tr("Information"), tr("Max. number of Keys recorded!"));
        stop();
        return false;
    }
    setCapture(Capture::KeyInsert);
    return true;
}

void RecordingController::stop()
{
    setCapture(Capture::None);
}

bool RecordingController::stopForClose()
{
    if (edits_.state().capturing()) {
        UserPrompts::Question question;
        question.title = tr("Information");
        question.text = tr("Recording aktiv, press OK to stop recording und close the application!")
                        + QStringLiteral("\r\n") + tr("Press cancel to continue recording!");
        question.buttons = UserPrompts::Ok | UserPrompts::Cancel;
        question.defaultButton = UserPrompts::Cancel;
        if (prompts_.ask(question) != UserPrompts::Ok)
            return false;
    }
    stop();
    return true;
}

void RecordingController::setCapture(Capture capture)
{
    edits_.setCapture(capture);
    Q_EMIT captureChanged(capture);
}

ListFocus RecordingController::keyPressed(uint8_t code, int lastSelectedRow)
{
    switch (edits_.state().capture) {
    case Capture::Recording:
        // A key already held is an auto-repeat: nothing new to record. With
        // the list of held keys full, a further key is recorded but not
        // remembered.
        if (heldKeys_.contains(code))
            return {};
        heldKeys_.add(code);
        return addEntry(code, ActionPress, lastSelectedRow);
    case Capture::KeyInsert:
        // The key's release comes after the capture has ended and is never seen.
        setCapture(Capture::None);
        return addEntry(code, ActionPressRelease, lastSelectedRow);
    case Capture::None:
        break;
    }
    return {};
}

ListFocus RecordingController::keyReleased(uint8_t code, int lastSelectedRow)
{
    if (edits_.state().capture != Capture::Recording)
        return {};
    // Recorded also without a recorded press: a key that was down before Start.
    heldKeys_.remove(code);
    return addEntry(code, ActionRelease, lastSelectedRow);
}

ListFocus RecordingController::addEntry(uint8_t key, uint8_t request, int lastSelectedRow)
{
    const uint8_t button = edits_.state().activeButton;
    if (button == NoButton)
        return {};
    const int length = document_.table().content(button).length;
    const int lastSelected = std::min(lastSelectedRow, length - 1);
    // New entries go behind the last selected row, or at the end.
    const int position = lastSelected >= 0 ? lastSelected : length;

    int inserted = 0;
    if (request == ActionPressRelease) {
        if (length + 2 <= entryLimit()) {
            document_.insertEntries(button, position,
                                    {{ActionPress, key}, {ActionRelease, key}},
                                    tr("Insert one key"));
            inserted = 2;
        } else {
            edits_.setButtonFull(true);
            QMetaObject::invokeMethod(this, &RecordingController::reportLimit,
                                      Qt::QueuedConnection);
        }
    } else if (length < entryLimit()) {
        document_.insertEntries(button, position, {{request, key}}, tr("Recording"),
                                recordingStep_);
        inserted = 1;
    } else {
        // The button is full: the recording ends here, and the user is told
        // once the key has been handled.
        edits_.setButtonFull(true);
        QMetaObject::invokeMethod(this, &RecordingController::reportLimit, Qt::QueuedConnection);
        stop();
    }

    // Every insertion resets the list and with it the selection: the newest
    // entry becomes the only selected row, and the next entry goes directly
    // behind it.
    ListFocus focus;
    focus.takeFocus = true;
    if (lastSelected >= 0) {
        focus.select = {lastSelected + inserted};
        focus.inSight = lastSelected + inserted;
    } else {
        focus.toEnd = true;
    }
    return focus;
}

void RecordingController::reportLimit()
{
    if (!edits_.state().buttonFull)
        return;
    edits_.setButtonFull(false);
    prompts_.tell(tr("Information"), tr("Max. number of Keys recorded!"));
}
