#pragma once

#include "controllers/userprompts.h"

#include <QList>
#include <QObject>

class ConfigDocument;

// The questions before the configuration leaves the program, on a transmit
// as on a save: successive delays (which the keyboard's autorepeat may turn
// into repeated keys) and buttons whose scripts do not release every key
// they press.
class TransferCheck : public QObject
{
    Q_OBJECT

public:
    TransferCheck(const ConfigDocument &document, UserPrompts &prompts, QObject *parent = nullptr);

    // True when the configuration may go: nothing doubtful, or the user
    // agreed to every question.
    bool confirm();

Q_SIGNALS:
    // Before the question about them: the buttons whose scripts are not
    // balanced, so that they show as such while it is asked.
    void unbalancedFound(const QList<int> &buttons);
    // The user let unbalanced buttons go; their marks may rest again.
    void unbalancedAccepted();

private:
    const ConfigDocument &document_;
    UserPrompts &prompts_;
};
