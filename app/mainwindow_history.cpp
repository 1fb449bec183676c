// Undo and redo: every change of the table is one step of the document's
// history, kept as copies of the affected buttons (or of the whole table with
// the file names, for Open, New and a readout). The window shows the steps in
// its Edit menu and repaints what an undo or redo brought back.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "file/filestate.h"
#include "keyboard/recordingstate.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void MainWindow::setUpDocument()
{
    document_ = new ConfigDocument(ButtonTable::instance(), FileState::instance(), this);
    connect(document_, &ConfigDocument::changed, this, [this] { updateEditActions(); });
    connect(document_, &ConfigDocument::restored, this, &MainWindow::showRestored);
    connect(document_, &ConfigDocument::fileChanged, this, &MainWindow::showFileName);
}

void MainWindow::showRestored(const QList<int> &buttons, bool wholeTable, int activeButton)
{
    const ButtonTable &table = document_->table();
    if (wholeTable) {
        refreshAllMarks();
    } else {
        // The button the step changed is shown; the one left gets its mark.
        for (int index : buttons)
            if (index != table.selectedButton)
                applyRestingMark(index);
    }
    if (activeButton != NoButton && activeButton != table.selectedButton)
        selectButton(activeButton);
}

void MainWindow::on_actionUndo_triggered()
{
    if (!RecordingState::instance().capturing())
        document_->undo();
}

void MainWindow::on_actionRedo_triggered()
{
    if (!RecordingState::instance().capturing())
        document_->redo();
}

void MainWindow::updateEditActions()
{
    Ui_MainWindow &f = *ui;
    const bool idle = !RecordingState::instance().capturing();
    const bool active = document_ && document_->table().selectedButton != NoButton;
    const bool canUndo = document_ && document_->canUndo();
    const bool canRedo = document_ && document_->canRedo();
    f.actionUndo->setEnabled(idle && canUndo);
    f.actionRedo->setEnabled(idle && canRedo);
    f.actionUndo->setText(canUndo ? tr("&Undo %1").arg(document_->undoText()) : tr("&Undo"));
    f.actionRedo->setText(canRedo ? tr("&Redo %1").arg(document_->redoText()) : tr("&Redo"));
    for (QAction *a : {f.actionCut, f.actionCopy, f.actionPaste, f.actionSelect_all,
                       f.actionType_text})
        a->setEnabled(idle && active);
    // Delete does what the Delete button does, also during a recording.
    f.actionDelete->setEnabled(f.pushButtonDelete->isEnabled());
    f.menuRecent->setEnabled(idle && !f.menuRecent->actions().isEmpty());
    f.setShortcutsActive(idle);
}
