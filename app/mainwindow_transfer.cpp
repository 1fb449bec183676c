// Readout and transmit as the window shows them: the transfer controller
// decides and runs them; the window shows the status, the progress bar and
// the marks.
#include "app/mainwindow.h"

#include "controllers/transfercheck.h"
#include "controllers/transfercontroller.h"

void MainWindow::setUpTransfers()
{
    connect(transfers_, &TransferController::statusChanged, this, &MainWindow::setStatusText);
    connect(transfers_, &TransferController::busyChanged, this,
            [this](bool busy) { setEnabled(!busy); });
    connect(transfers_, &TransferController::cancelled, this, &MainWindow::showActiveButtonStatus);
    connect(transfers_, &TransferController::wokenUp, this, &MainWindow::showProgress);
    connect(transfers_, &TransferController::progressed, this, &MainWindow::advanceProgress);
    connect(transfers_, &TransferController::ended, this, [this](bool marksReset) {
        if (marksReset)
            refreshAllMarks();
        else
            showActiveButtonStatus();
        if (progressWindow)
            progressWindow->hide();
    });
    // The buttons the check finds unbalanced turn red before its question.
    connect(check_, &TransferCheck::unbalancedFound, this, [this](const QList<int> &buttons) {
        for (int index : buttons)
            buttonCheck(index);
    });
    connect(check_, &TransferCheck::unbalancedAccepted, this, &MainWindow::refreshAllMarks);
}

progressBar &MainWindow::progress()
{
    if (!progressWindow) {
        progressWindow = std::make_unique<progressBar>();
        connect(progressWindow.get(), &progressBar::closeRequested, transfers_,
                &TransferController::stopOnRequest);
    }
    return *progressWindow;
}

void MainWindow::on_actionReadout_triggered() { transfers_->readout(); }

void MainWindow::on_actionTransmit_triggered() { transfers_->transmit(); }
