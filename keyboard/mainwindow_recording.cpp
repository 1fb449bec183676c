// Recording commands and the keyboard capture slots.
#include "app/mainwindow.h"

#include "config/buttontable.h"

void MainWindow::on_pushButtonStart_clicked() {}
void MainWindow::on_pushButtonKey_clicked() {}

void MainWindow::on_pushButtonStop_clicked()
{
    if (ButtonTable::instance().selectedButton != NoButton)
        showActiveButtonStatus();
}

void MainWindow::MyKeyPressed(uint32_t, uint32_t, uint32_t) {}
void MainWindow::MyKeyReleased(uint32_t, uint32_t, uint32_t) {}
void MainWindow::addRecordedEntry(uint8_t, uint8_t) {}
