// Readout and transmit over the serial line, driven by the 2 ms timer.
#include "app/mainwindow.h"

#include "app/mainwindow_form.h"
#include "config/buttontable.h"
#include "device/transfermessages.h"
#include "device/transfersession.h"
#include "file/filestate.h"

#include <QLabel>
#include <QTimer>

namespace {

constexpr int ConnectionDelayMs = 100;
constexpr int ClosingDelayMs = 750;

QTimer *makeSingleShot(QObject *owner, int interval)
{
    auto *timer = new QTimer(owner);
    timer->setSingleShot(true);
    // A coarse timer may fire up to 5 % late, closing the port up to 37 ms
    // after the 750 ms; the headless runner's short single shots are precise.
    timer->setTimerType(Qt::PreciseTimer);
    timer->setInterval(interval);
    return timer;
}

} // namespace

void MainWindow::on_actionReadout_triggered()
{
    if (!askSaveChanges())
        return;
    TransferSession::instance().begin(TransferDirection::Readout);
    setStatusText(tr("Reading configuration"));
    startTransfer();
}

void MainWindow::on_actionTransmit_triggered()
{
    if (!preTransferCheck())
        return;
    TransferSession::instance().begin(TransferDirection::Transmit);
    setStatusText(tr("Transmitting configuration"));
    startTransfer();
}

void MainWindow::startTransfer()
{
    if (!connectionDelay) {
        connectionDelay = makeSingleShot(this, ConnectionDelayMs);
        connect(connectionDelay, &QTimer::timeout, this, &MainWindow::ConnectionDelaySlot);
        closingDelay = makeSingleShot(this, ClosingDelayMs);
        connect(closingDelay, &QTimer::timeout, this, &MainWindow::ClosingDelaySlot);
    }
    transferStarted = false;

    const bool readout = TransferSession::instance().link().direction == TransferDirection::Readout;
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
    // A close still pending from the last transfer must not hit this one.
    closingDelay->stop();
    TransferSession &session = TransferSession::instance();
    if (!session.open(lastPort)) {
        showMessage(tr("Error"), transferMessage(TransferOutcome::PortInUse));
        session.link().doneFlag = true;
        return;
    }
    connectionDelay->start();
}

void MainWindow::ConnectionDelaySlot()
{
    TransferSession &session = TransferSession::instance();
    if (!session.wakeUp()) {
        showMessage(tr("Error"), transferMessage(TransferOutcome::PortNotOpen));
        session.link().doneFlag = true;
        return;
    }
    transferStarted = true;
    showProgress();
}

void MainWindow::MsTimerSlot()
{
    TransferSession &session = TransferSession::instance();
    session.tick();
    LinkState &link = session.link();
    const bool readout = link.direction == TransferDirection::Readout;

    if (link.doneFlag || link.errorFlag || link.connectTimeoutFlag)
        session.finish();

    if (link.doneFlag) {
        link.doneFlag = false;
        progressWindow.close();
        closePortDelayed();
        if (!readout) {
            showActiveButtonStatus();
        } else if (transferStarted) {
            // The read configuration has no file yet and counts as unsaved.
            FileState::instance().filePath.clear();
            FileState::instance().fileName.clear();
            showFileName(QStringLiteral("QM47_File"));
            ButtonTable::instance().modified = 1;
        } else {
            showActiveButtonStatus();
        }
        setEnabled(true);
    }
    if (link.errorFlag) {
        link.errorFlag = false;
        windUpTransfer(transferMessage(TransferOutcome::CommunicationError));
    }
    if (link.connectTimeoutFlag) {
        link.connectTimeoutFlag = false;
        windUpTransfer(transferMessage(TransferOutcome::ConnectTimeout));
    }
    if (link.readoutDoneFlag) {
        link.readoutDoneFlag = false;
        refreshAllMarks();
    }
    for (int steps = session.takeProgressSteps(); steps > 0; --steps)
        progressWindow.advance();

    ButtonTable &table = ButtonTable::instance();
    if (table.maxReached) {
        table.maxReached = 0;
        showMessage(tr("Information"), tr("Max. number of Keys recorded!"));
    }
}

void MainWindow::windUpTransfer(const QString &errorText)
{
    if (TransferSession::instance().link().direction == TransferDirection::Readout)
        refreshAllMarks();
    else
        showActiveButtonStatus();
    progressWindow.close();
    closePortDelayed();
    showMessage(tr("Error"), errorText);
    setEnabled(true);
}

void MainWindow::closePortDelayed()
{
    TransferSession &session = TransferSession::instance();
    if (!session.port().isOpen())
        return;
    session.sendEndTransfer();
    if (closingDelay)
        closingDelay->start();
}

void MainWindow::ClosingDelaySlot()
{
    TransferSession::instance().closePort();
}
