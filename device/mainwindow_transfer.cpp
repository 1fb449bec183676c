// Readout and transmit over the serial line, driven by the 2 ms timer.
#include "app/mainwindow.h"

#include "config/buttontable.h"

void MainWindow::MsTimerSlot()
{
    ButtonTable &table = ButtonTable::instance();
    if (table.maxReached) {
        table.maxReached = 0;
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
    }
}

void MainWindow::ConnectionDelaySlot() {}
void MainWindow::ClosingDelaySlot() {}
void MainWindow::on_actionReadout_triggered() {}
void MainWindow::on_actionTransmit_triggered() {}
void MainWindow::startTransfer() {}
void MainWindow::closePortDelayed() {}
void MainWindow::readPortBytes() {}
