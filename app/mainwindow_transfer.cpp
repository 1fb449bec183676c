// Readout and transmit as the window shows them. The course of a transfer
// (port, wake-up, ticks, flags, end and close) is the transfer driver's; the
// window chooses the port and reacts to what the driver reports.
#include "app/mainwindow.h"

#include "app/usersettings.h"
#include "config/buttontable.h"
#include "device/transferdriver.h"
#include "device/transfersession.h"
#include "device/transmitshortfall.h"
#include "file/filestate.h"

void MainWindow::setUpTransfers()
{
    transferDriver = new TransferDriver(TransferSession::instance(), ClosePolicy::AfterDelay, this);
    connect(transferDriver, &TransferDriver::wokenUp, this, &MainWindow::showProgress);
    connect(transferDriver, &TransferDriver::progressed, this,
            [this](int, int total) { advanceProgress(total); });
    connect(transferDriver, &TransferDriver::concluded, this, &MainWindow::transferConcluded);
}

void MainWindow::on_actionReadout_triggered()
{
    if (!askSaveChanges())
        return;
    // The whole readout is one undo step, ended when the transfer ends.
    beginStep(tr("Get device configuration"), StepScope::WholeTable);
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
        endStep();
        return;
    }
    lastPort = portDialog.chosenPort;
    buttonCountBeforeReadout = ButtonTable::instance().buttonCount;
    maxEntriesBeforeReadout = ButtonTable::instance().maxEntries;
    writeLastPort(lastPort);
    transferDriver->start(lastPort, direction);
}

void MainWindow::transferConcluded(TransferOutcome outcome)
{
    const bool readout = transferDriver->direction() == TransferDirection::Readout;
    if (outcome == TransferOutcome::PortInUse || outcome == TransferOutcome::PortNotOpen) {
        // Nothing was asked of the keypad: the reason, then the window as it was.
        showMessage(tr("Error"), transferMessage(outcome, transferDriver->session().openFailure()));
        progressWindow.close();
        showActiveButtonStatus();
        setEnabled(true);
        endStep();
        return;
    }

    if (readout)
        settleReadout();
    if (outcome == TransferOutcome::Completed || transferDriver->sequenceEnded()) {
        progressWindow.close();
        if (!readout)
            showActiveButtonStatus();
        setEnabled(true);
    }
    if (outcome == TransferOutcome::Completed) {
        if (readout) {
            refreshAllMarks();
            endStep();
            const int buttons = ButtonTable::instance().buttonCount;
            if (buttons > ButtonTable::DefaultButtonCount)
                showMessage(tr("Information"),
                            tr("The keypad has %1 buttons; only the first %2 are shown and kept.")
                                .arg(buttons).arg(ButtonTable::DefaultButtonCount));
            return;
        }
        // The table keeps its counts; say what a smaller keypad did not take.
        const LinkState &link = transferDriver->session().link();
        const TransmitShortfall shortfall = transmitShortfall(
            ButtonTable::instance(), link.keypadButtonCount, link.keypadMaxEntries);
        if (!shortfall.isEmpty())
            showMessage(tr("Information"), shortfallMessage(shortfall));
        endStep();
        return;
    }

    if (readout)
        refreshAllMarks();
    else
        showActiveButtonStatus();
    progressWindow.close();
    // A readout that broke off may have replaced some buttons: undoable too.
    endStep();
    showMessage(tr("Error"), transferMessage(outcome));
    setEnabled(true);
}

void MainWindow::settleReadout()
{
    ButtonTable &table = ButtonTable::instance();
    if (transferDriver->buttonsDone() == 0) {
        // The keypad may have reported its counts before failing; nothing of
        // it was stored, so the configuration stays the open file's.
        table.buttonCount = buttonCountBeforeReadout;
        table.maxEntries = maxEntriesBeforeReadout;
        return;
    }
    // Buttons read so far are kept (completed or not), and they are no longer
    // the open file: Save must ask for a name and closing must ask to save.
    FileState::instance().filePath.clear();
    FileState::instance().fileName.clear();
    FileState::instance().onDisk = FileFingerprint();
    showFileName(QStringLiteral("QM47_File"));
    table.modified = 1;
}

void MainWindow::MsTimerSlot()
{
    // Recording raises the flag inside the key hook, where no box may run.
    ButtonTable &table = ButtonTable::instance();
    if (table.maxReached) {
        table.maxReached = 0;
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
    }
}
