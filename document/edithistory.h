#pragma once

#include "config/tablesnapshot.h"

#include <QString>
#include <QUndoCommand>

#include <functional>
#include <optional>

// The name of the configuration in hand, as the steps that replace the whole
// configuration (Open, New, a readout) change it.
struct FileFacts {
    QString filePath;

    bool operator==(const FileFacts &o) const { return filePath == o.filePath; }
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
// first redo does nothing; later ones bring the after state back. Steps with
// the same nonzero join key, pushed one after the other, become one step
// that keeps the first one's name and state before.
class TableChangeCommand : public QUndoCommand
{
public:
    using Apply = std::function<void(const EditState &)>;

    TableChangeCommand(const QString &text, EditState before, EditState after, Apply apply,
                       int joinKey = 0)
        : QUndoCommand(text)
        , before_(std::move(before))
        , after_(std::move(after))
        , apply_(std::move(apply))
        , joinKey_(joinKey)
    {
    }

    int id() const override { return joinKey_ != 0 ? 1 : -1; }
    bool mergeWith(const QUndoCommand *other) override
    {
        const auto *next = static_cast<const TableChangeCommand *>(other);
        if (next->joinKey_ != joinKey_ || next->after_.table.buttons() != after_.table.buttons())
            return false;
        after_ = next->after_;
        return true;
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
    int joinKey_ = 0;
    bool done_ = true;
};
