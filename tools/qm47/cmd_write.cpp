// qm47 write: a configuration file to the keypad, optionally read back and compared.
#include "buttonchecks.h"
#include "command.h"
#include "configfiles.h"
#include "console.h"
#include "transfer.h"
#include "texts.h"

#include "config/buttontable.h"
#include "device/transmitshortfall.h"
#include "file/tkftext.h"

#include <algorithm>

namespace {

// What of the file the keypad did not take, one line a button. A transmit
// sends as many buttons as the keypad reports and the keypad keeps at most its
// maximum of entries per button, so a file made for a larger keypad loses
// buttons or entries.
QStringList notKept(const TransmitShortfall &shortfall, const ButtonTable &file)
{
    QStringList lost;
    for (int i : shortfall.notSent)
        lost.append(Texts::tr("button %1 was not sent: the keypad has %2 buttons")
                        .arg(i + 1).arg(shortfall.keypadButtons));
    for (int i : shortfall.cut)
        lost.append(Texts::tr("button %1 holds %2 entries, the keypad keeps at most %3")
                        .arg(i + 1).arg(file.content(uint8_t(i)).length)
                        .arg(shortfall.keypadMaxEntries));
    return lost;
}

QString entryOrNothing(const ButtonContent &c, int k)
{
    return k < c.length ? textEntry(c.entries[size_t(k)]) : Texts::tr("no entry");
}

// The first difference between what was sent and what was read back, or an
// empty text when they agree. Buttons and entries are counted from 1.
QString firstDifference(const ButtonTable &sent, const ButtonTable &readBack)
{
    if (sent.buttonCount != readBack.buttonCount)
        return Texts::tr("the keypad reports %1 buttons, %2 during the transmit")
            .arg(readBack.buttonCount).arg(sent.buttonCount);
    for (int i = 0; i < sent.buttonCount; ++i) {
        const ButtonContent &a = sent.content(uint8_t(i));
        const ButtonContent &b = readBack.content(uint8_t(i));
        const int n = std::max(a.length, b.length);
        for (int k = 0; k < n; ++k) {
            if (k < a.length && k < b.length && a.entries[size_t(k)] == b.entries[size_t(k)])
                continue;
            return Texts::tr("button %1, entry %2: sent %3, read back %4")
                .arg(i + 1).arg(k + 1).arg(entryOrNothing(a, k), entryOrNothing(b, k));
        }
    }
    return QString();
}

int runWrite(const Invocation &invocation)
{
    const PortRecord port = resolvePort(invocation.arguments.at(0));
    const QString path = invocation.arguments.at(1);
    ButtonTable file;
    if (!loadConfigOrComplain(path, file))
        return ExitFailure;
    // The configurator asks before sending such a configuration; here the
    // command line is the user's answer, so the doubts are only reported.
    for (const QString &problem : buttonProblems(file))
        complain(Texts::tr("warning: %1").arg(problem));

    ButtonTable sent = file;
    const TransferResult written =
        runTransfer(port, TransferDirection::Transmit, sent, Texts::tr("Writing"));
    if (!written.succeeded()) {
        complain(written.message);
        return ExitFailure;
    }
    // What the keypad was given: the file within the counts it reported.
    sent.buttonCount = uint8_t(written.keypadButtonCount);
    sent.maxEntries = uint16_t(written.keypadMaxEntries);
    const QStringList lost = notKept(written.shortfall, file);
    for (const QString &text : lost)
        complain(text);
    out() << Texts::tr("Wrote %1 buttons from %2").arg(sent.buttonCount).arg(path) << '\n';
    out().flush();

    if (invocation.isSet(QStringLiteral("verify"))) {
        ButtonTable readBack;
        const TransferResult verified =
            runTransfer(port, TransferDirection::Readout, readBack, Texts::tr("Verifying"));
        if (!verified.succeeded()) {
            complain(Texts::tr("verification readout failed: %1").arg(verified.message));
            return ExitFailure;
        }
        const QString difference = firstDifference(sent, readBack);
        if (!difference.isEmpty()) {
            complain(Texts::tr("verification failed: %1").arg(difference));
            return ExitFailure;
        }
        out() << Texts::tr("Verified: the keypad holds what was sent") << '\n';
    }
    return lost.isEmpty() ? ExitSuccess : ExitFailure;
}

} // namespace

Command writeCommand()
{
    Command c;
    c.name = QStringLiteral("write");
    c.synopsis = QStringLiteral("PORT FILE.tkf");
    c.summary = Texts::tr("Write a configuration file to the keypad.");
    c.description = Texts::tr(
        "Runs a transmit of FILE.tkf over PORT (see \"qm47 ports\") as the configurator\n"
        "does. Unbalanced buttons and successive delays are reported as warnings (see\n"
        "\"qm47 check\") and sent all the same. The keypad takes as many buttons as it\n"
        "has and at most its maximum of entries per button; when that leaves part of\n"
        "the file behind, the command says so and fails.\n"
        "With --verify the configuration is read back afterwards and must equal what\n"
        "was sent; otherwise the first button and entry that differ are named.\n");
    c.options = {{QStringLiteral("verify"), QString(),
                  Texts::tr("Read the keypad back and compare.")}};
    c.minArguments = c.maxArguments = 2;
    c.run = runWrite;
    return c;
}
