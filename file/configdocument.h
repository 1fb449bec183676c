#pragma once

#include "file/edithistory.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>
#include <optional>

class ButtonTable;
struct FileState;

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
// as last read or written here is kept with them (FileState::onDisk).
//
// The window is its view: it asks the document, shows the result and follows
// its signals. No widgets here.
class ConfigDocument : public QObject
{
    Q_OBJECT

public:
    // Which buttons an editing step keeps a copy of.
    enum class Scope { ActiveButton, WholeTable };

    // Enough for a working session; a step of the whole table is at most a
    // few kilobytes.
    static constexpr int HistoryLimit = 200;

    ConfigDocument(ButtonTable &table, FileState &files, QObject *parent = nullptr);
    ~ConfigDocument() override;

    ButtonTable &table() const { return table_; }
    FileState &files() const { return files_; }

    // The file last opened or saved; empty for an unnamed configuration.
    QString filePath() const;
    // What the window names the configuration by: its path, or "QM47_File".
    QString shownName() const;
    bool isModified() const { return !history_.isClean(); }

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

    // Takes over what a readout left in `readout` (a copy of this table that
    // the keypad's answers were written into) as one undo step. With no
    // button stored nothing changes; otherwise the table takes the readout's
    // counts and buttons and is no longer the open file's.
    void takeOverReadout(const ButtonTable &readout, int buttonsStored);

    // An editing step: everything changed from beginEdit() to endEdit() is
    // undone at once. Steps begun inside a running one (a delete during a
    // recording) join it. A step that changed nothing is not kept.
    void beginEdit(const QString &text, Scope scope);
    void endEdit();
    // The change made by `change` as one step.
    void applyEdit(const QString &text, Scope scope, const std::function<void()> &change);

    bool canUndo() const { return history_.canUndo(); }
    bool canRedo() const { return history_.canRedo(); }
    QString undoText() const { return history_.undoText(); }
    QString redoText() const { return history_.redoText(); }
    void undo();
    void redo();

Q_SIGNALS:
    // The history moved: a step was kept, undone or redone.
    void changed();
    // An undo or redo wrote `buttons` back (every button for a whole-table
    // step) and wants `activeButton` active again (NoButton: none).
    void restored(const QList<int> &buttons, bool wholeTable, int activeButton);
    void modifiedChanged(bool modified);
    void fileChanged(const QString &shownName);

private:
    struct PendingStep {
        QString text;
        Scope scope = Scope::ActiveButton;
        QList<int> buttons;
        EditState before;
    };

    PendingStep startStep(const QString &text, Scope scope) const;
    void closeStep(const PendingStep &step);
    EditState currentState(Scope scope, const QList<int> &buttons) const;
    void restore(const EditState &state);
    FileResult write(const QString &path);
    void setFileFacts(const QString &path, const QString &name);

    ButtonTable &table_;
    FileState &files_;
    QUndoStack history_;
    std::optional<PendingStep> editStep_;
    int editDepth_ = 0;
};
