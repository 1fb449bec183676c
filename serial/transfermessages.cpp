#include "serial/transfermessages.h"

#include <QCoreApplication>

namespace {

// This file's texts, in a catalogue context of their own.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(TransferMessages)
};

QString portFailureMessage(const PortFailure &failure)
{
    if (failure.problem == PortProblem::None || failure.problem == PortProblem::Busy)
        return Texts::tr("Error connecting to Serial Port! Port in use.");
    QString reason = failure.reason.trimmed();
    if (!reason.isEmpty() && !reason.endsWith(QLatin1Char('.')))
        reason += QLatin1Char('.');
    QString text =
        Texts::tr("Error connecting to Serial Port! %1: %2").arg(failure.location, reason);
#ifdef Q_OS_LINUX
    // The command on a line of its own, so that no wrapping splits it.
    if (failure.problem == PortProblem::NoPermission)
        text += QLatin1Char('\n')
                + Texts::tr("To get access, join the group \"%1\" that may use the port, "
                     "then log out and in again:")
                      .arg(failure.group)
                + QLatin1Char('\n') + QStringLiteral("sudo usermod -aG %1 $USER").arg(failure.group);
#endif
    return text;
}

} // namespace

QString transferMessage(TransferOutcome outcome, const PortFailure &failure)
{
    switch (outcome) {
    case TransferOutcome::Completed:
        return QString();
    case TransferOutcome::PortInUse:
        return portFailureMessage(failure);
    case TransferOutcome::PortNotOpen:
        return Texts::tr("Error connecting to seriel port!");
    case TransferOutcome::ConnectTimeout:
        return Texts::tr(
            "Cannot connect to the target! Please check the connection / serial port.");
    case TransferOutcome::CommunicationError:
        return Texts::tr(
            "An error occured during cummunication, connection refused! Please try again.");
    case TransferOutcome::Interrupted:
        return Texts::tr("The transfer was stopped.");
    }
    return QString();
}

QString partialResultNote(TransferOutcome outcome, TransferDirection direction, int buttons)
{
    if (outcome == TransferOutcome::Completed || buttons <= 0)
        return QString();
    if (direction == TransferDirection::Transmit)
        return Texts::tr("The keypad may now hold part of the new configuration (buttons 1 to %1 were "
                         "written); write it again.")
            .arg(buttons);
    return Texts::tr("Buttons 1 to %1 were read; the others still show the configuration from before. "
                     "Undo brings back the configuration as it was.")
        .arg(buttons);
}

