#pragma once

#include "config/buttontable.h"
#include "controllers/editorstate.h"
#include "keyboard/keynames.h"

#include <QList>
#include <QObject>
#include <QString>

class ConfigDocument;
class UserPrompts;

// What the content list shows after a command: rows added to its selection
// and the row kept in sight.
struct ListFocus {
    QList<int> select;
    int inSight = -1;
    bool toEnd = false;  // the end of the list in sight instead
    bool takeFocus = false; // the list takes the keyboard focus
};

// The editing commands on the active button's script: move up and down,
// delete, insert a delay, cut, copy, paste and type text, and which button
// is active. Rows come in as the list's selection and go out as a ListFocus;
// every change is one step of the document. Asks the user only through
// UserPrompts.
class EditController : public QObject
{
    Q_OBJECT

public:
    EditController(ConfigDocument &document, UserPrompts &prompts, QObject *parent = nullptr);

    const EditorState &state() const { return state_; }
    const ConfigDocument &document() const { return document_; }

    // Makes `index` the active button; refused (false) for the active one and
    // while keys are captured.
    bool selectButton(int index);
    // No button active any more (after the whole table was replaced).
    void clearActiveButton();
    // Set by the recording controller.
    void setCapture(Capture capture);
    void setButtonFull(bool full) { state_.buttonFull = full; }

    // The selection with the partner of every selected delay half added (a
    // delay is moved, deleted and copied whole).
    QList<int> completeDelays(const QList<int> &rows) const;

    ListFocus move(const QList<int> &selectedRows, int direction);
    ListFocus deleteEntries(const QList<int> &selectedRows);
    ListFocus insertDelay(const QList<int> &selectedRows);
    ListFocus cut(const QList<int> &selectedRows);
    void copy(const QList<int> &selectedRows);
    ListFocus paste(const QList<int> &selectedRows);
    // Room for typed text, or 0 after telling the user there is none.
    int roomForText();
    // Inserts the entries that type `text` with `names` behind the
    // selection. `accepted` is false, and nothing inserted, after telling the
    // user that a character cannot be typed or the entries do not fit.
    ListFocus typeText(const QList<int> &selectedRows, const QString &text, NameTable names,
                       bool *accepted);

    // Undo and redo, refused while keys are captured.
    void undo();
    void redo();

    // The undo step of the recording running, which a delete or a delay
    // during it joins.
    void setRecordingStep(int joinKey, const QString &stepName);

Q_SIGNALS:
    // The active button changed from `previous` to `current` (NoButton: none).
    void activeButtonChanged(int previous, int current);
    // Something the enabled controls depend on changed.
    void stateChanged();

private:
    ListFocus insertBehind(const QList<int> &selectedRows, const QList<ContentEntry> &entries,
                           const QString &stepName);
    const ButtonContent *activeContent() const;

    ConfigDocument &document_;
    UserPrompts &prompts_;
    EditorState state_;
    int recordingStep_ = 0;
    QString recordingStepName_;
};
