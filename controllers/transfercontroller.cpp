#include "controllers/transfercontroller.h"

#include "controllers/filecontroller.h"
#include "controllers/portprompt.h"
#include "controllers/transfercheck.h"
#include "controllers/usersettings.h"
#include "controllers/userprompts.h"
#include "document/configdocument.h"

TransferController::TransferController(ConfigDocument &document, UserPrompts &prompts,
                                       PortPrompt &ports, FileController &files,
                                       TransferCheck &check, QObject *parent)
    : QObject(parent)
    , document_(document)
    , prompts_(prompts)
    , ports_(ports)
    , files_(files)
    , check_(check)
    , session_(table_)
    , driver_(session_, ClosePolicy::AfterDelay)
{
    connect(&driver_, &TransferDriver::wokenUp, this, &TransferController::wokenUp);
    connect(&driver_, &TransferDriver::progressed, this,
            [this](int, int total) { Q_EMIT progressed(total); });
    connect(&driver_, &TransferDriver::concluded, this, &TransferController::conclude);

    // The port chosen in an earlier run, if any; the port question offers it
    // again when it is there, else the first. The ports are not listed before
    // someone asks for them: the window opens faster.
    lastPort_ = readLastPort();
}

TransferController::~TransferController() = default;

void TransferController::readout()
{
    if (!files_.askSaveChanges())
        return;
    Q_EMIT statusChanged(tr("Reading configuration"));
    start(TransferDirection::Readout);
}

void TransferController::transmit()
{
    if (!check_.confirm())
        return;
    Q_EMIT statusChanged(tr("Transmitting configuration"));
    start(TransferDirection::Transmit);
}

void TransferController::start(TransferDirection direction)
{
    const bool readout = direction == TransferDirection::Readout;
    Q_EMIT busyChanged(true);
    const PortRecord chosen = ports_.choosePort(
        readout ? tr("Get device configuration") : tr("Set device configuration"), lastPort_);
    if (chosen.isEmpty()) {
        Q_EMIT cancelled();
        Q_EMIT busyChanged(false);
        return;
    }
    lastPort_ = chosen;
    writeLastPort(lastPort_);
    // A transmit sends the configuration as it is now; a readout starts from
    // it, so that buttons the keypad does not send keep what they held.
    table_ = document_.table();
    driver_.start(lastPort_, direction);
}

void TransferController::conclude(const TransferResult &result)
{
    const bool readout = result.direction == TransferDirection::Readout;
    if (readout)
        document_.takeOverReadout(table_, result.buttonsDone);
    // Once the keypad was asked, a readout leaves no button active, whatever
    // it stored.
    Q_EMIT ended(readout && result.keypadAsked());
    Q_EMIT busyChanged(false);

    if (!result.succeeded())
        prompts_.tell(tr("Error"), result.fullMessage());
    else if (!result.shortfall.isEmpty())
        // The table keeps its counts; say what a smaller keypad did not take.
        prompts_.tell(tr("Information"), shortfallMessage(result.shortfall));
    else if (readout && result.keypadButtonCount > ButtonTable::DefaultButtonCount)
        prompts_.tell(tr("Information"),
                      tr("The keypad has %1 buttons; only the first %2 are shown and kept.")
                          .arg(result.keypadButtonCount)
                          .arg(ButtonTable::DefaultButtonCount));
}

bool TransferController::stopOnRequest()
{
    if (!driver_.isTransferring())
        return true;
    // A box of its own: the transfer may end while this one is open, and its
    // message then needs the shared one.
    UserPrompts::Question question;
    question.title = tr("Information");
    question.text = tr("A transfer with the keypad is running. Stop it?");
    question.buttons = UserPrompts::Yes | UserPrompts::No;
    question.defaultButton = UserPrompts::No;
    question.modality = UserPrompts::Modality::Separate;
    if (prompts_.ask(question) != UserPrompts::Yes)
        return !driver_.isTransferring();
    driver_.interrupt();
    return true;
}

bool TransferController::stopForClose()
{
    if (!stopOnRequest())
        return false;
    driver_.interrupt();
    return true;
}
