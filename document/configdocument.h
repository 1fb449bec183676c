#pragma once

#include "config/buttontable.h"
#include "config/contentediting.h"
#include "document/edithistory.h"
#include "file/filefingerprint.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

// What a file operation came to, for the window to put into words.
struct FileResult {
    enum Problem {
        NoPath,         // nothing to write to: no file yet, or the save dialog was cancelled
        NotOpened,      // the file could not be opened, or it is no regular file;
                        // `detail` gives the system's reason when one shows
        NotReadable,    // a configuration file with a wrong signature
        CorruptEntry,   // a configuration file with an entry out of range
        CrcMismatch,    // a configuration file whose check sum does not match
        TextNotRead,    // the text form has a mistake at `line`, told in `detail`
        NotWritten,     // the file could not be written; `detail` gives the system's reason
    };

    bool done = false;
    QList<Problem> problems; // in the order they are to be told
    int line = 0;
    QString detail;
    QString path; // the file concerned
};

// The open configuration as one document: the table in hand, the file it came
// from or went to, and the undo history of every change. "Modified" is the
// history standing away from its clean point (the state last opened, saved or
// started afresh), whether or not a file is named. The path and the shown
// name change only when a file was read or written, or when a step that
// replaced the whole table is undone or redone. The fingerprint of the file
// as last read or written here is kept with them.
//
// Every change of the table is one of the operations below, and each is one
// undo step that opens and closes inside the call. Views follow the signals;
// no widgets here.
class ConfigDocument : public QObject
{
    Q_OBJECT

public:
    // Enough for a working session; a step of the whole table is at most a
    // few kilobytes.
    static constexpr int HistoryLimit = 200;

    // What the window names a configuration without a file by.
    static QString defaultName();

    explicit ConfigDocument(QObject *parent = nullptr);
    ~ConfigDocument() override;

    const ButtonTable &table() const { return table_; }

    // The file last opened or saved; empty for an unnamed configuration.
    QString filePath() const { return filePath_; }
    // What the window names the configuration by: its path, or the default name.
    QString shownName() const;
    bool isModified() const { return !history_.isClean(); }
    // The file at the file path as last read or written here.
    const FileFingerprint &fingerprint() const { return onDisk_; }
    // Where the file dialogs start: the folder of the file last read or written.
    QString defaultDirectory() const { return defaultDirectory_; }
    void setDefaultDirectory(const QString &folder) { defaultDirectory_ = folder; }

    // The button the editor shows. An undo or redo of a step brings back the
    // button that was shown when the step was taken (restored()).
    void setShownButton(uint8_t button) { shownButton_ = button; }

    // Reads a configuration file (or the text form, for a path ending in .txt)
    // into the table as one undo step. A refused file leaves the table and the
    // names untouched.
    FileResult open(const QString &path);
    // Writes to the file path; NoPath when there is none.
    FileResult save();
    // Writes to `path`, which becomes the file path only when it was written.
    FileResult saveAs(const QString &path);
    // An empty table of the default size, unnamed and unmodified, as one step.
    void newConfiguration();
    // Takes over what a readout stored in a table of its own, as one step.
    // With no button stored nothing changes; otherwise the configuration is
    // the readout's and no longer the open file's.
    void takeOverReadout(const ButtonTable &readout, int buttonsStored);

    // Editing steps on the script of `button`, each named `stepName` in the
    // history. Steps given the same nonzero `joinKey` one after the other are
    // undone as one (everything recorded between Start and Stop). A step that
    // changes nothing is not kept.

    // Inserts `entries` directly behind `row` (at the end when `row` is the
    // length). False, and nothing changed, when they do not fit.
    bool insertEntries(uint8_t button, int row, const QList<ContentEntry> &entries,
                       const QString &stepName, int joinKey = 0);
    // Removes the rows `rowsAscending`.
    void removeRows(uint8_t button, const QList<int> &rowsAscending, const QString &stepName,
                    int joinKey = 0);
    // Moves the rows as a block one step; the rows they now occupy (empty
    // when nothing moved).
    QList<int> moveRows(uint8_t button, const QList<int> &rowsAscending,
                        MoveDirection direction, const QString &stepName);

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    QString undoText() const { return history_.undoText(); }
    QString redoText() const { return history_.redoText(); }
    void undo();
    void redo();

Q_SIGNALS:
    // Around every write of the table, for views that read it.
    void aboutToChange();
    void tableChanged();
    // The history moved: a step was kept, undone or redone.
    void changed();
    // An undo or redo wrote `buttons` back (every button for a whole-table
    // step) and wants `activeButton` shown again (NoButton: none).
    void restored(const QList<int> &buttons, bool wholeTable, int activeButton);
    void modifiedChanged(bool modified);
    void fileChanged(const QString &shownName);

private:
    enum class Scope { OneButton, WholeTable };

    // Runs `change` on the table as one step of `scope`.
    void step(const QString &text, Scope scope, uint8_t button, int joinKey,
              const std::function<void(ButtonTable &)> &change);
    EditState currentState(Scope scope, uint8_t button) const;
    void restore(const EditState &state);
    FileResult write(const QString &path);
    void setFilePath(const QString &path);

    ButtonTable table_;
    QString filePath_;
    QString defaultDirectory_;
    FileFingerprint onDisk_;
    uint8_t shownButton_ = NoButton;
    QUndoStack history_;
};
