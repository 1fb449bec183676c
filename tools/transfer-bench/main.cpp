// qm47-transfer-bench: times readouts and transmits of the real transfer code
// against the keypad simulator paced at the line rate of 115200 baud, and
// compares each with the time the bytes alone need on such a line.
#include "keypadengine.h"
#include "keypadline.h"

#include "config/buttontable.h"
#include "device/transferrunner.h"
#include "device/transfersession.h"

#include "qm47version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QEventLoop>
#include <QTextStream>

#include <cstdio>

namespace {

// 10 bits per byte at 115200 baud.
constexpr double LineBytesPerSecond = 11520.0;

void fill(ButtonTable &table, int entriesPerButton)
{
    table.buildTable();
    table.buttonCount = 23;
    table.maxEntries = 250;
    for (int b = 0; b < 23; ++b) {
        ButtonContent &c = table.content(uint8_t(b));
        for (int e = 0; e + 1 < entriesPerButton; e += 2) {
            const uint8_t key = uint8_t(0x10 + (b + e) % 0x60);
            c.entries[c.length++] = {ActionPress, key};
            c.entries[c.length++] = {ActionRelease, key};
        }
    }
}

struct Result {
    bool ok = false;
    qint64 ms = 0;
    qint64 bytes = 0;
};

Result run(int entriesPerButton, TransferDirection direction)
{
    ButtonTable device;
    fill(device, direction == TransferDirection::Readout ? entriesPerButton : 0);
    KeypadEngine engine(device);
    KeypadLine line(engine);
    line.setPaced(true);
    QString error;
    if (!line.open(&error)) {
        QTextStream(stderr) << "qm47-transfer-bench: " << error << Qt::endl;
        return {};
    }

    ButtonTable table;
    fill(table, direction == TransferDirection::Transmit ? entriesPerButton : 0);
    TransferSession session(table);
    TransferRunner runner(session);
    PortRecord port;
    port.portName = port.systemLocation = line.slavePath();

    Result result;
    QEventLoop loop;
    QObject::connect(&runner, &TransferRunner::outcomeKnown, &loop, [&](TransferOutcome outcome) {
        result.ok = outcome == TransferOutcome::Completed;
        result.ms = runner.transferMs();
        result.bytes = session.bytesSent() + session.bytesReceived();
    });
    QObject::connect(&runner, &TransferRunner::finished, &loop, &QEventLoop::quit);
    runner.start(port, direction);
    loop.exec();
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qm47-transfer-bench");
    QCoreApplication::setApplicationVersion(QM47_VERSION);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Times readouts and transmits of a full and a typical configuration against the keypad "
        "simulator paced at 115200 baud, and compares them with the line rate.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(app);

    QTextStream out(stdout);
    out << "configuration           transfer   wall ms   bytes   line-rate ms   ratio\n";
    const struct {
        const char *name;
        int entries;
    } configurations[] = {{"full (23 x 250)", 250}, {"typical (23 x 8)", 8}};
    bool allOk = true;
    for (const auto &configuration : configurations) {
        for (TransferDirection direction : {TransferDirection::Readout, TransferDirection::Transmit}) {
            const Result r = run(configuration.entries, direction);
            allOk = allOk && r.ok;
            const double limitMs = 1000.0 * double(r.bytes) / LineBytesPerSecond;
            out << QString("%1 %2 %3 %4 %5 %6\n")
                       .arg(QString::fromLatin1(configuration.name), -23)
                       .arg(direction == TransferDirection::Readout ? "readout" : "transmit", -9)
                       .arg(r.ok ? QString::number(r.ms) : QString("failed"), 8)
                       .arg(r.bytes, 7)
                       .arg(limitMs, 14, 'f', 1)
                       .arg(r.ok && limitMs > 0 ? double(r.ms) / limitMs : 0.0, 7, 'f', 2);
            out.flush();
        }
    }
    return allOk ? 0 : 1;
}
