// Undo and redo: every change of the table is one step of the document's
// history, kept as copies of the affected buttons (or of the whole table with
// the file name, for Open, New and a readout). The window shows the steps in
// its Edit menu and repaints what an undo or redo brought back.
#include "app/mainwindow.h"

#include "app/contentlistmodel.h"
#include "app/mainwindow_form.h"
#include "controllers/controlstates.h"
#include "controllers/recordingcontroller.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

void MainWindow::setUpDocument()
{
    document_ = new ConfigDocument(this);
    edits_ = new EditController(*document_, prompts_, this);
    recording_ = new RecordingController(*document_, *edits_, prompts_, this);
    listModel_ = new ContentListModel(*document_, edits_->state(), this);
    connect(document_, &ConfigDocument::changed, this, &MainWindow::showControlStates);
    connect(document_, &ConfigDocument::restored, this, &MainWindow::showRestored);
    connect(document_, &ConfigDocument::fileChanged, this, &MainWindow::showFileName);
    connect(edits_, &EditController::activeButtonChanged, this, &MainWindow::showActiveButton);
    connect(edits_, &EditController::stateChanged, this, &MainWindow::showControlStates);
    connect(recording_, &RecordingController::captureChanged, this, &MainWindow::showCapture);
}

void MainWindow::showRestored(const QList<int> &buttons, bool wholeTable, int activeButton)
{
    const uint8_t shown = edits_->state().activeButton;
    if (wholeTable) {
        refreshAllMarks();
    } else {
        // The button the step changed is shown; the one left gets its mark.
        for (int index : buttons)
            if (index != shown)
                applyRestingMark(index);
    }
    if (activeButton != NoButton && activeButton != edits_->state().activeButton)
        selectButton(activeButton);
}

void MainWindow::on_actionUndo_triggered()
{
    edits_->undo();
}

void MainWindow::on_actionRedo_triggered()
{
    edits_->redo();
}

void MainWindow::showControlStates()
{
    Ui_MainWindow &f = *ui;
    const ControlStates on = controlStates(
        {edits_->state(), document_->canUndo(), document_->canRedo(),
         !f.menuRecent->actions().isEmpty()});
    f.pushButtonStart->setEnabled(on.start);
    f.pushButtonStop->setEnabled(on.stop);
    f.pushButtonDelay->setEnabled(on.delay);
    f.pushButtonKey->setEnabled(on.insertKey);
    f.pushButtonUp->setEnabled(on.moveUp);
    f.pushButtonDown->setEnabled(on.moveDown);
    f.pushButtonDelete->setEnabled(on.deleteEntry);
    f.actionDelete->setEnabled(on.deleteEntry);
    for (QAction *a : {f.actionNew, f.actionOpen, f.actionSave, f.actionSave_as,
                       f.actionReadout, f.actionTransmit})
        a->setEnabled(on.fileAndDevice);
    f.actionUndo->setEnabled(on.undo);
    f.actionRedo->setEnabled(on.redo);
    f.actionUndo->setText(document_->canUndo() ? tr("&Undo %1").arg(document_->undoText()) : tr("&Undo"));
    f.actionRedo->setText(document_->canRedo() ? tr("&Redo %1").arg(document_->redoText()) : tr("&Redo"));
    for (QAction *a : {f.actionCut, f.actionCopy, f.actionPaste, f.actionSelect_all,
                       f.actionType_text})
        a->setEnabled(on.clipboardAndText);
    f.menuRecent->setEnabled(on.recentFiles);
    f.setShortcutsActive(on.shortcuts);
}
