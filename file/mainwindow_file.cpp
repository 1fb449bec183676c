// File commands: New, Open, Save, Save as and the save-changes prompt.
#include "app/mainwindow.h"

bool MainWindow::askSaveChanges() { return true; }
void MainWindow::writeConfigFile() {}
void MainWindow::on_actionNew_triggered() {}
void MainWindow::on_actionOpen_triggered() {}
void MainWindow::on_actionSave_triggered() {}
void MainWindow::on_actionSave_as_triggered() {}
