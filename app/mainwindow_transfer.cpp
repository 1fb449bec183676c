// Readout and transmit as the window shows them. The course of a transfer
// (port, wake-up, ticks, flags, end and close) and its outcome are the
// transfer driver's; the window chooses the port and shows the result.
#include "app/mainwindow.h"

#include "app/usersettings.h"
#include "device/transferdriver.h"
#include "device/transfersession.h"

void MainWindow::setUpTransfers()
{
    transferDriver = new TransferDriver(TransferSession::instance(), ClosePolicy::AfterDelay, this);
    connect(transferDriver, &TransferDriver::wokenUp, this, &MainWindow::showProgress);
    connect(transferDriver, &TransferDriver::progressed, this,
            [this](int, int total) { advanceProgress(total); });
    connect(transferDriver, &TransferDriver::concluded, this, &MainWindow::transferConcluded);
    connect(&progressWindow, &progressBar::closeRequested, this,
            &MainWindow::stopTransferOnRequest);
}

bool MainWindow::stopTransferOnRequest()
{
    if (!transferDriver->isTransferring())
        return true;
    // A box of its own: the transfer may end while this one is open, and its
    // message then needs the window's box.
    QMessageBox box(QMessageBox::Question, tr("Information"),
                    tr("A transfer with the keypad is running. Stop it?"),
                    QMessageBox::Yes | QMessageBox::No, this);
    box.setDefaultButton(QMessageBox::No);
    if (box.exec() != QMessageBox::Yes)
        return !transferDriver->isTransferring();
    transferDriver->interrupt();
    return true;
}

bool MainWindow::stopTransferForClose()
{
    if (!stopTransferOnRequest())
        return false;
    transferDriver->interrupt();
    return true;
}

void MainWindow::on_actionReadout_triggered()
{
    if (!askSaveChanges())
        return;
    setStatusText(tr("Reading configuration"));
    startTransfer(TransferDirection::Readout);
}

void MainWindow::on_actionTransmit_triggered()
{
    if (!preTransferCheck())
        return;
    setStatusText(tr("Transmitting configuration"));
    startTransfer(TransferDirection::Transmit);
}

void MainWindow::startTransfer(TransferDirection direction)
{
    const bool readout = direction == TransferDirection::Readout;
    portDialog.refreshPortList(lastPort);
    const QString title = readout ? tr("Get device configuration") : tr("Set device configuration");
    portDialog.setWindowTitle(title);
    portDialog.setTransferTitle(title);

    setEnabled(false);
    centreOver(&portDialog, this);
    if (portDialog.exec() != QDialog::Accepted) {
        showActiveButtonStatus();
        setEnabled(true);
        return;
    }
    lastPort = portDialog.chosenPort;
    writeLastPort(lastPort);
    // The line works on a copy of the configuration: a transmit sends it, a
    // readout writes over it and the document takes it over at the end.
    TransferSession::instance().frameLayer().table() = document_->table();
    transferDriver->start(lastPort, direction);
}

void MainWindow::transferConcluded(const TransferResult &result)
{
    const bool readout = result.direction == TransferDirection::Readout;
    if (readout)
        document_->takeOverReadout(TransferSession::instance().frameLayer().table(),
                                   result.buttonsDone);
    // Once the keypad was asked, a readout leaves no button active, whatever
    // it stored.
    if (readout && result.keypadAsked())
        refreshAllMarks();
    else
        showActiveButtonStatus();
    progressWindow.hide();
    setEnabled(true);

    if (!result.succeeded())
        showMessage(tr("Error"), result.fullMessage());
    else if (!result.shortfall.isEmpty())
        // The table keeps its counts; say what a smaller keypad did not take.
        showMessage(tr("Information"), shortfallMessage(result.shortfall));
    else if (readout && result.keypadButtonCount > ButtonTable::DefaultButtonCount)
        showMessage(tr("Information"),
                    tr("The keypad has %1 buttons; only the first %2 are shown and kept.")
                        .arg(result.keypadButtonCount)
                        .arg(ButtonTable::DefaultButtonCount));
}
