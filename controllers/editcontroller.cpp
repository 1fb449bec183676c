#include "controllers/editcontroller.h"

#include "config/contentediting.h"
#include "controllers/userprompts.h"
#include "document/configdocument.h"
#include "file/tkftext.h"
#include "keyboard/typetext.h"

#include <QClipboard>
#include <QGuiApplication>

#include <algorithm>

namespace {

const QList<ContentEntry> DelayPair = {{ActionDelay, DelayFirstHalf},
                                       {ActionDelay, DelaySecondHalf}};

QList<int> rowRange(int first, int last)
{
    QList<int> rows;
    for (int row = first; row <= last; ++row)
        rows.append(row);
    return rows;
}

// Control characters are shown by their number, as they show nothing.
QString shownCharacters(const QString &text)
{
    QStringList shown;
    for (const uint c : text.toUcs4()) {
        const char32_t character = char32_t(c);
        shown.append(QChar::isPrint(character)
                         ? QString::fromUcs4(&character, 1)
                         : QStringLiteral("U+%1").arg(uint(character), 4, 16, QLatin1Char('0')).toUpper());
    }
    return shown.join(QStringLiteral(" "));
}

} // namespace

EditController::EditController(ConfigDocument &document, UserPrompts &prompts, QObject *parent)
    : QObject(parent)
    , document_(document)
    , prompts_(prompts)
{
}

const ButtonContent *EditController::activeContent() const
{
    return state_.hasActiveButton() ? &document_.table().content(state_.activeButton) : nullptr;
}

bool EditController::selectButton(int index)
{
    if (index < 0 || index >= ButtonTable::ButtonCapacity || index == state_.activeButton
        || state_.capturing())
        return false;
    const int previous = state_.activeButton;
    state_.activeButton = uint8_t(index);
    document_.setShownButton(state_.activeButton);
    Q_EMIT activeButtonChanged(previous, index);
    Q_EMIT stateChanged();
    return true;
}

void EditController::clearActiveButton()
{
    const int previous = state_.activeButton;
    state_.activeButton = NoButton;
    document_.setShownButton(NoButton);
    if (previous != NoButton)
        Q_EMIT activeButtonChanged(previous, NoButton);
    Q_EMIT stateChanged();
}

void EditController::setCapture(Capture capture)
{
    state_.capture = capture;
    Q_EMIT stateChanged();
}

void EditController::setRecordingStep(int joinKey, const QString &stepName)
{
    recordingStep_ = joinKey;
    recordingStepName_ = stepName;
}

QList<int> EditController::completeDelays(const QList<int> &rows) const
{
    QList<int> complete = rows;
    if (const ButtonContent *content = activeContent())
        for (int row : rows) {
            const int partner = delayPartnerRow(*content, row);
            if (partner >= 0)
                complete.append(partner);
        }
    std::sort(complete.begin(), complete.end());
    complete.erase(std::unique(complete.begin(), complete.end()), complete.end());
    return complete;
}

ListFocus EditController::move(const QList<int> &selectedRows, int direction)
{
    const ButtonContent *content = activeContent();
    if (!content)
        return {};
    ListFocus focus;
    const QList<int> rows = completeDelays(selectedRows);
    focus.select = rows;
    if (rows.isEmpty()
        || (direction == MoveUp ? rows.first() == 0 : rows.last() >= content->length - 1))
        return focus; // nothing selected, or the block already at the top or bottom

    focus.select = document_.moveRows(state_.activeButton, rows, MoveDirection(direction),
                                      direction == MoveUp ? tr("Move up") : tr("Move down"));
    // The end of the block that leads the move stays in sight.
    if (!focus.select.isEmpty())
        focus.inSight = direction == MoveUp ? focus.select.first() : focus.select.last();
    focus.takeFocus = true;
    return focus;
}

ListFocus EditController::deleteEntries(const QList<int> &selectedRows)
{
    const ButtonContent *content = activeContent();
    if (!content || content->length == 0)
        return {};
    const QList<int> rows = completeDelays(selectedRows);
    const bool recording = state_.capture == Capture::Recording;
    const QString stepName = recording ? recordingStepName_ : tr("Delete");
    const int joinKey = recording ? recordingStep_ : 0;

    // While recording, or with nothing selected, the last element goes: the
    // last entry, or the whole delay pair that ends the script. During a
    // recording this joins the recording's undo step.
    ListFocus focus;
    if (recording || rows.isEmpty()) {
        const int length = content->length;
        document_.removeRows(state_.activeButton,
                             rowRange(length - trailingUnitLength(*content), length - 1),
                             stepName, joinKey);
        focus.toEnd = true;
        return focus;
    }
    document_.removeRows(state_.activeButton, rows, stepName, joinKey);
    const int row = rowAfterDelete(rows);
    if (row >= 0)
        focus.select = {row};
    focus.inSight = row;
    focus.takeFocus = true;
    return focus;
}

ListFocus EditController::insertDelay(const QList<int> &selectedRows)
{
    const ButtonContent *content = activeContent();
    if (!content)
        return {};
    const ButtonTable &table = document_.table();
    if (!roomForDelay(*content, table.maxEntries)) {
        prompts_.tell(tr("Information"), tr("Max. number of Keys recorded!"));
        return {};
    }
    const bool recording = state_.capture == Capture::Recording;
    const QString stepName = recording ? recordingStepName_ : tr("Insert delay");
    const int joinKey = recording ? recordingStep_ : 0;

    // The partners of selected delay halves are not added here: a new delay
    // may go between the two halves of an old one.
    ListFocus focus;
    focus.takeFocus = true;
    if (!selectedRows.isEmpty()) {
        const int r = *std::max_element(selectedRows.begin(), selectedRows.end());
        document_.insertEntries(state_.activeButton, r, DelayPair, stepName, joinKey);
        focus.select = {r + 2};
        focus.inSight = r + 2;
    } else {
        document_.insertEntries(state_.activeButton, content->length, DelayPair, stepName,
                                joinKey);
        focus.toEnd = true;
    }
    return focus;
}

void EditController::copy(const QList<int> &selectedRows)
{
    const ButtonContent *content = activeContent();
    if (!content)
        return;
    // A delay is copied whole, whichever half was selected; nothing selected
    // copies the whole script.
    QList<int> rows = completeDelays(selectedRows);
    if (rows.isEmpty())
        rows = rowRange(0, content->length - 1);
    QGuiApplication::clipboard()->setText(
        scriptToText(entriesAt(*content, rows), state_.activeButton + 1));
}

ListFocus EditController::cut(const QList<int> &selectedRows)
{
    const ButtonContent *content = activeContent();
    if (!content || content->length == 0)
        return {};
    copy(selectedRows);
    const QList<int> rows = completeDelays(selectedRows);
    ListFocus focus;
    focus.takeFocus = true;
    if (rows.isEmpty()) {
        // Nothing selected: the whole script went to the clipboard.
        document_.removeRows(state_.activeButton, rowRange(0, content->length - 1), tr("Cut"));
        return focus;
    }
    document_.removeRows(state_.activeButton, rows, tr("Cut"));
    const int row = rowAfterDelete(rows);
    if (row >= 0)
        focus.select = {row};
    return focus;
}

ListFocus EditController::paste(const QList<int> &selectedRows)
{
    if (!activeContent())
        return {};
    QList<ContentEntry> entries;
    TkfTextError error;
    if (!scriptFromText(QGuiApplication::clipboard()->text(), entries, error)) {
        const QString where = error.line > 0 ? tr("Line %1: ").arg(error.line) : QString();
        prompts_.tell(tr("Error"), tr("The clipboard does not hold a button script.")
                                       + QStringLiteral("\n") + where + error.message);
        return {};
    }
    if (entries.isEmpty()) {
        prompts_.tell(tr("Information"), tr("The clipboard holds no entries to paste."));
        return {};
    }
    return insertBehind(selectedRows, entries, tr("Paste"));
}

int EditController::roomForText()
{
    const ButtonContent *content = activeContent();
    if (!content)
        return 0;
    // One character takes two entries at least.
    const int room = freeEntries(*content, document_.table().maxEntries);
    if (room < 2) {
        prompts_.tell(tr("Information"), tr("Max. number of Keys recorded!"));
        return 0;
    }
    return room;
}

ListFocus EditController::typeText(const QList<int> &selectedRows, const QString &text,
                                   NameTable names, bool *accepted)
{
    *accepted = false;
    const TypedText typed = ::typeText(names, text);
    if (!typed.untypable.isEmpty()) {
        prompts_.tell(tr("Information"),
                      tr("These characters cannot be typed with the %1 keyboard layout: %2")
                          .arg(nameTableName(names), shownCharacters(typed.untypable)));
        return {};
    }
    ListFocus focus = insertBehind(selectedRows, typed.entries, tr("Type text"));
    *accepted = focus.takeFocus;
    return focus;
}

ListFocus EditController::insertBehind(const QList<int> &selectedRows,
                                       const QList<ContentEntry> &entries,
                                       const QString &stepName)
{
    const ButtonContent *content = activeContent();
    if (!content)
        return {};
    const int room = freeEntries(*content, document_.table().maxEntries);
    if (int(entries.size()) > room) {
        prompts_.tell(tr("Information"),
                      tr("Max. number of Keys recorded!") + QStringLiteral("\n")
                          + tr("%1 entries are needed; the button has room for %2.")
                                .arg(entries.size())
                                .arg(room));
        return {};
    }
    QList<int> rows = selectedRows;
    std::sort(rows.begin(), rows.end());
    const int row = insertionRow(*content, rows);
    const int first = row < content->length ? row + 1 : content->length;
    document_.insertEntries(state_.activeButton, row, entries, stepName);

    // The inserted entries end up selected, the last one in sight.
    ListFocus focus;
    focus.select = rowRange(first, first + int(entries.size()) - 1);
    focus.inSight = focus.select.last();
    focus.takeFocus = true;
    return focus;
}

void EditController::undo()
{
    if (!state_.capturing())
        document_.undo();
}

void EditController::redo()
{
    if (!state_.capturing())
        document_.redo();
}
