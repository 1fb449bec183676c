// qm47-startup-bench: times how long the configurator takes from its start to
// its first window on the screen, against a bare Qt main window started the
// same way, on the X display named by DISPLAY (an Xvfb is best: nothing else
// draws there). The two programs are started alternately, so that both see the
// same machine; each figure is the median of the runs.
#include "firstpaintwatch.h"

#include "qm47version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const QString BareOption = QStringLiteral("bare-window");

// What the bench starts for comparison: its own program showing an empty main window.
int runBareWindow(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return application.exec();
}

// Processor time the threads of process `pid` have had so far, in
// milliseconds. On a busy machine the time to the first paint grows with
// the load; the processor time the program needed for it much less so.
double processorTime(qint64 pid)
{
    double total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks.filePath(task + QStringLiteral("/schedstat")));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toDouble() / 1e6; // nanoseconds on a processor
    }
    return total;
}

struct Times {
    double wall = 0;     // from the start to the first paint
    double processor = 0; // used by the program until then
};

// From the start of `program` to its first paint, or nothing.
std::optional<Times> timeToFirstPaint(FirstPaintWatch &watch, const QString &program,
                                      const QStringList &arguments)
{
    watch.start();
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    const FirstPaintWatch::Clock::time_point started = FirstPaintWatch::Clock::now();
    process.start(program, arguments);
    const auto painted = watch.waitForFirstPaint(std::chrono::seconds(20));
    const double processor = processorTime(process.processId());
    process.kill();
    process.waitForFinished();
    if (!painted)
        return std::nullopt;
    return Times{std::chrono::duration<double, std::milli>(*painted - started).count(), processor};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i)
        if (QString::fromLocal8Bit(argv[i]) == QLatin1String("--") + BareOption)
            return runBareWindow(argc, argv);

    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral(QM47_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Times the configurator from its start to its first window on the screen, against a\n"
        "bare Qt main window, on the X display named by DISPLAY."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption runsOption(QStringLiteral("runs"),
                                        QStringLiteral("Runs of each program (default 9)."),
                                        QStringLiteral("N"), QStringLiteral("9"));
    const QCommandLineOption programOption(
        QStringLiteral("configurator"),
        QStringLiteral("The configurator to time (default: the one beside this program)."),
        QStringLiteral("PATH"),
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("qm47-configurator")));
    parser.addOption(runsOption);
    parser.addOption(programOption);
    parser.addOption(QCommandLineOption(BareOption, QStringLiteral("Show a bare main window (what is compared).")));
    parser.process(application);

    QTextStream out(stdout);
    QTextStream err(stderr);
    const int runs = parser.value(runsOption).toInt();
    if (runs < 1) {
        err << "--runs needs a number of at least 1\n";
        return 2;
    }
    FirstPaintWatch watch;
    if (watch.error()) {
        err << watch.error() << '\n';
        return 1;
    }

    struct Candidate {
        QString name, program;
        QStringList arguments;
        std::vector<double> wall, processor;
    };
    Candidate candidates[] = {
        {QStringLiteral("configurator"), parser.value(programOption), {}, {}, {}},
        {QStringLiteral("bare QMainWindow"), QCoreApplication::applicationFilePath(),
         {QLatin1String("--") + BareOption}, {}, {}},
    };
    for (int run = 0; run < runs; ++run) {
        for (Candidate &c : candidates) {
            const std::optional<Times> times = timeToFirstPaint(watch, c.program, c.arguments);
            if (!times) {
                err << c.program << " showed no window within 20 s\n";
                return 1;
            }
            c.wall.push_back(times->wall);
            c.processor.push_back(times->processor);
            QThread::msleep(100); // let the last one's exit settle
        }
    }

    const auto figure = [](double value) { return QString::number(value, 'f', 1); };
    out << "medians of " << runs << " runs, from the start to the first paint\n";
    for (const Candidate &c : candidates)
        out << c.name << ": " << figure(median(c.wall)) << " ms (processor time "
            << figure(median(c.processor)) << " ms)\n";
    const Candidate &ours = candidates[0], &bare = candidates[1];
    out << "ratio: " << QString::number(median(ours.wall) / median(bare.wall), 'f', 2)
        << " (processor time " << QString::number(median(ours.processor) / median(bare.processor), 'f', 2)
        << ")\n";
    return 0;
}
