// File commands as the window offers them: each forwards to the file
// controller, which asks through the window's prompts.
#include "app/mainwindow.h"

#include "controllers/filecontroller.h"
#include "capture/keyboardlayout.h"

void MainWindow::setUpFileCommands()
{
    connect(files_, &FileController::configurationReplaced, this, &MainWindow::refreshAllMarks);
    connect(files_, &FileController::busyChanged, this, [this](bool busy) { setEnabled(!busy); });
    connect(files_, &FileController::recentFilesChanged, this, &MainWindow::rebuildRecentMenu);
}

void MainWindow::on_actionNew_triggered() { files_->newConfiguration(); }

void MainWindow::on_actionOpen_triggered()
{
    readKeyboardLayout();
    files_->open();
}

void MainWindow::on_actionSave_triggered() { files_->save(); }

void MainWindow::on_actionSave_as_triggered() { files_->saveAs(); }
