#pragma once

#include "config/buttontable.h"
#include "device/portrecord.h"
#include "serial/transferdriver.h"
#include "serial/transferresult.h"
#include "serial/transfersession.h"

#include <QObject>

class ConfigDocument;
class FileController;
class PortPrompt;
class TransferCheck;
class UserPrompts;

// Readout and transmit: the questions before them, the port to use, the
// course of the transfer (run by the transfer driver on a line of its own),
// the question whether to stop one under way, the message on how it ended,
// and the document's taking over what a readout stored.
//
// A transfer works on a table of its own: a transmit sends a copy of the
// document's configuration, a readout fills the copy and the document takes
// it over when the transfer ends, as one undo step.
class TransferController : public QObject
{
    Q_OBJECT

public:
    TransferController(ConfigDocument &document, UserPrompts &prompts, PortPrompt &ports,
                       FileController &files, TransferCheck &check, QObject *parent = nullptr);
    ~TransferController() override;

    // The save-changes prompt, then the port, then the readout.
    void readout();
    // The checks before a transfer, then the port, then the transmit.
    void transmit();

    // Asks whether to stop a transfer under way and, if so, stops it cleanly.
    // True when no transfer runs any more.
    bool stopOnRequest();
    // Before the program ends: a transfer under way is stopped only if the
    // user agrees; a port still waiting for its close is closed now.
    bool stopForClose();

    bool isTransferring() const { return driver_.isTransferring(); }
    // What runs the transfers, for those who watch its line.
    const TransferDriver &driver() const { return driver_; }
    // The port chosen last, in this run or an earlier one.
    const PortRecord &lastPort() const { return lastPort_; }

Q_SIGNALS:
    // What the status line says while the port is chosen and the transfer runs.
    void statusChanged(const QString &text);
    // From the port question until the transfer ended: the window takes no commands.
    void busyChanged(bool busy);
    // The port question was cancelled: nothing happened.
    void cancelled();
    // The keypad is being asked.
    void wokenUp();
    // A button was stored or acknowledged, of the `total` the keypad reported.
    void progressed(int total);
    // The transfer ended, before its message is told. With `marksReset` the
    // readout replaced the buttons and no button is active.
    void ended(bool marksReset);

private:
    void start(TransferDirection direction);
    void conclude(const TransferResult &result);

    ConfigDocument &document_;
    UserPrompts &prompts_;
    PortPrompt &ports_;
    FileController &files_;
    TransferCheck &check_;
    // What a transmit sends and a readout fills.
    ButtonTable table_;
    TransferSession session_;
    TransferDriver driver_;
    PortRecord lastPort_;
};
