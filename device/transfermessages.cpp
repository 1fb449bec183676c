#include "device/transfermessages.h"

#include <QCoreApplication>

QString transferMessage(TransferOutcome outcome)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("MainWindow", text); };
    switch (outcome) {
    case TransferOutcome::Completed:
        return QString();
    case TransferOutcome::PortInUse:
        return tr("Error connecting to Serial Port! Port in use.");
    case TransferOutcome::PortNotOpen:
        return tr("Error connecting to seriel port!");
    case TransferOutcome::ConnectTimeout:
        return tr("Cannot connect to the target! Please check the connection / serial port.");
    case TransferOutcome::CommunicationError:
        return tr("An error occured during cummunication, connection refused! Please try again.");
    }
    return QString();
}
