#pragma once

#include "config/tablesnapshot.h"

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <optional>

// The names of the configuration in hand, as the steps that replace the whole
// configuration (Open, New, a readout) change them.
struct FileFacts {
    QString filePath;
    QString fileName;

    bool operator==(const FileFacts &o) const
    { return filePath == o.filePath && fileName == o.fileName; }
    bool operator!=(const FileFacts &o) const { return !(*this == o); }
};

// What one side of an undo step brings back.
struct EditState {
    TableSnapshot table;
    uint8_t activeButton = NoButton;
    std::optional<FileFacts> file; // kept by the whole-table steps only
};

// One step of the undo history: the state before and after a change of the
// table. The change has already been made when the step is pushed, so its
// first redo does nothing; later ones bring the after state back.
class TableChangeCommand : public QUndoCommand
{
public:
    using Apply = std::function<void(const EditState &)>;

    TableChangeCommand(const QString &text, EditState before, EditState after, Apply apply)
        : QUndoCommand(text)
        , before_(std::move(before))
        , after_(std::move(after))
        , apply_(std::move(apply))
    {
    }

    void undo() override { apply_(before_); }
    void redo() override
    {
        if (done_) {
            done_ = false;
            return;
        }
        apply_(after_);
    }

private:
    EditState before_;
    EditState after_;
    Apply apply_;
    bool done_ = true;
};
