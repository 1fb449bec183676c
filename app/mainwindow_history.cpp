// Undo and redo: every change of the table is one step of the history, kept
// as copies of the affected buttons (or of the whole table with the file
// names, for Open, New and a readout).
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "config/buttontable.h"
#include "file/filestate.h"
#include "keyboard/recordingstate.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QUndoStack>

namespace {

// Enough for a working session; a step of the whole table is at most a few
// kilobytes.
constexpr int HistoryLimit = 200;

FileFacts currentFileFacts()
{
    const FileState &files = FileState::instance();
    return {files.filePath, files.fileName, ButtonTable::instance().modified};
}

} // namespace

void MainWindow::setUpHistory()
{
    history = new QUndoStack(this);
    history->setUndoLimit(HistoryLimit);
    connect(history, &QUndoStack::indexChanged, this, [this] { updateEditActions(); });
}

void MainWindow::beginStep(const QString &text, StepScope scope)
{
    if (stepDepth++ > 0)
        return;
    const ButtonTable &table = ButtonTable::instance();
    PendingStep step;
    step.text = text;
    step.scope = scope;
    if (scope == StepScope::ActiveButton && table.selectedButton != NoButton)
        step.buttons = {table.selectedButton};
    step.before = currentEditState(scope, step.buttons);
    pendingStep = step;
}

void MainWindow::endStep()
{
    if (stepDepth == 0 || --stepDepth > 0 || !pendingStep)
        return;
    const PendingStep step = *pendingStep;
    pendingStep.reset();
    EditState after = currentEditState(step.scope, step.buttons);
    // A whole-table step ends with no button active (Open, New and a readout
    // all refresh every mark).
    if (step.scope == StepScope::WholeTable)
        after.activeButton = NoButton;
    if (after.table == step.before.table && after.file == step.before.file)
        return;
    history->push(new TableChangeCommand(step.text, step.before, after,
                                         [this](const EditState &s) { restoreEditState(s); }));
    syncModifiedWithHistory();
}

EditState MainWindow::currentEditState(StepScope scope, const QList<int> &buttons) const
{
    const ButtonTable &table = ButtonTable::instance();
    EditState state;
    state.activeButton = table.selectedButton;
    if (scope == StepScope::WholeTable) {
        state.table = TableSnapshot::ofTable(table);
        state.file = currentFileFacts();
    } else {
        state.table = TableSnapshot::ofButtons(table, buttons);
    }
    return state;
}

void MainWindow::restoreEditState(const EditState &state)
{
    ButtonTable &table = ButtonTable::instance();
    table.beginChange();
    state.table.restore(table);
    table.endChange();

    if (state.table.isWholeTable()) {
        if (state.file) {
            FileState &files = FileState::instance();
            files.filePath = state.file->filePath;
            files.fileName = state.file->fileName;
            showFileName(files.filePath.isEmpty() ? QStringLiteral("QM47_File") : files.filePath);
            table.modified = state.file->modified;
        }
        refreshAllMarks();
    } else {
        table.modified = 1;
        // The button the step changed is shown; the one left gets its mark.
        for (int index : state.table.buttons())
            if (index != table.selectedButton)
                applyRestingMark(index);
    }
    if (state.activeButton != NoButton && state.activeButton != table.selectedButton)
        selectButton(state.activeButton);
}

void MainWindow::syncModifiedWithHistory()
{
    if (!FileState::instance().filePath.isEmpty())
        ButtonTable::instance().modified = history->isClean() ? 0 : 1;
}

void MainWindow::markHistoryClean()
{
    history->setClean();
}

void MainWindow::on_actionUndo_triggered()
{
    if (RecordingState::instance().capturing() || !history->canUndo())
        return;
    history->undo();
    syncModifiedWithHistory();
}

void MainWindow::on_actionRedo_triggered()
{
    if (RecordingState::instance().capturing() || !history->canRedo())
        return;
    history->redo();
    syncModifiedWithHistory();
}

void MainWindow::updateEditActions()
{
    Ui_MainWindow &f = *ui;
    const bool idle = !RecordingState::instance().capturing();
    const bool active = ButtonTable::instance().selectedButton != NoButton;
    f.actionUndo->setEnabled(idle && history && history->canUndo());
    f.actionRedo->setEnabled(idle && history && history->canRedo());
    f.actionUndo->setText(history && history->canUndo()
                              ? tr("Undo %1").arg(history->undoText()) : tr("Undo"));
    f.actionRedo->setText(history && history->canRedo()
                              ? tr("Redo %1").arg(history->redoText()) : tr("Redo"));
    for (QAction *a : {f.actionCut, f.actionCopy, f.actionPaste, f.actionSelect_all,
                       f.actionType_text})
        a->setEnabled(idle && active);
    // Delete does what the Delete button does, also during a recording.
    f.actionDelete->setEnabled(f.pushButtonDelete->isEnabled());
    f.menuRecent->setEnabled(idle && !f.menuRecent->actions().isEmpty());
    f.setShortcutsActive(idle);
}
