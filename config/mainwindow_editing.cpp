// Editing commands of the active button's script.
#include "app/mainwindow.h"

void MainWindow::on_pushButtonDelay_clicked() {}
void MainWindow::on_pushButtonUp_clicked() {}
void MainWindow::on_pushButtonDown_clicked() {}
void MainWindow::on_pushButtonDelete_clicked() {}
void MainWindow::completeDelaySelection() {}
QList<int> MainWindow::selectedRowsAscending() const { return {}; }
void MainWindow::selectRow(int) {}
