#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

// The build gives every test that starts the simulator its path.
#ifndef QM47_KEYPAD_SIM
#error "QM47_KEYPAD_SIM must name the keypad simulator program"
#endif

// The keypad simulator program as a child process. It prints the path of its
// pseudo-terminal as its first line; the process is ended with the object.
class SimulatorProcess
{
public:
    SimulatorProcess() = default;
    SimulatorProcess(const SimulatorProcess &) = delete;
    SimulatorProcess &operator=(const SimulatorProcess &) = delete;

    ~SimulatorProcess()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished(3000);
    }

    // Starts it with `arguments` and reads the port it announces; false when
    // it did not start or announced no path.
    bool start(const QStringList &arguments)
    {
        process.setProgram(QStringLiteral(QM47_KEYPAD_SIM));
        process.setArguments(arguments);
        process.start();
        if (!process.waitForStarted(5000))
            return false;
        QElapsedTimer clock;
        clock.start();
        while (!process.canReadLine() && clock.elapsed() < 10000)
            process.waitForReadyRead(100);
        port = QString::fromLocal8Bit(process.readLine()).trimmed();
        return port.startsWith(QLatin1Char('/'));
    }

    QProcess process;
    QString port;
};
