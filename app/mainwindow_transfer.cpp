// Readout and transmit as the window shows them. The course of a transfer
// (port, wake-up, ticks, flags, end and close) and its outcome are the
// transfer driver's; the window chooses the port and shows the result.
#include "app/mainwindow.h"

#include "app/formparts.h"
#include "app/usersettings.h"
#include "serial/transferdriver.h"
#include "serial/transfersession.h"

void MainWindow::setUpTransfers()
{
    transferDriver = new TransferDriver(TransferSession::instance(), ClosePolicy::AfterDelay, this);
    connect(transferDriver, &TransferDriver::wokenUp, this, &MainWindow::showProgress);
    connect(transferDriver, &TransferDriver::progressed, this,
            [this](int, int total) { advanceProgress(total); });
    connect(transferDriver, &TransferDriver::concluded, this, &MainWindow::transferConcluded);
}

comPort &MainWindow::portChooser()
{
    if (!portDialog) {
        portDialog = std::make_unique<comPort>();
        applyDialogLook(portDialog.get(), QStringLiteral("blue"));
    }
    return *portDialog;
}

progressBar &MainWindow::progress()
{
    if (!progressWindow) {
        progressWindow = std::make_unique<progressBar>();
        connect(progressWindow.get(), &progressBar::closeRequested, this,
                &MainWindow::stopTransferOnRequest);
    }
    return *progressWindow;
}

PortRecord MainWindow::lastPortRecord() const
{
    // Until a transfer chose one, the port kept from an earlier run.
    return lastPort.isEmpty() ? readLastPort() : lastPort;
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
    comPort &dialog = portChooser();
    // The port used last is offered again when it is present, else the first.
    dialog.refreshPortList(lastPortRecord());
    const QString title = readout ? tr("Get device configuration") : tr("Set device configuration");
    dialog.setWindowTitle(title);
    dialog.setTransferTitle(title);

    setEnabled(false);
    centreOver(&dialog, this);
    if (dialog.exec() != QDialog::Accepted) {
        showActiveButtonStatus();
        setEnabled(true);
        return;
    }
    lastPort = dialog.chosenPort;
    writeLastPort(lastPort);
    // The whole readout is one undo step, closed whatever its outcome.
    if (readout)
        document_->beginReadout();
    transferDriver->start(lastPort, direction);
}

void MainWindow::transferConcluded(const TransferResult &result)
{
    const bool readout = result.direction == TransferDirection::Readout;
    if (readout)
        document_->finishReadout(result.buttonsDone);
    // Once the keypad was asked, a readout leaves no button active, whatever
    // it stored.
    if (readout && result.keypadAsked())
        refreshAllMarks();
    else
        showActiveButtonStatus();
    if (progressWindow)
        progressWindow->hide();
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
