// Recording under a real X server: the keys typed while recording reach the
// configurator whichever window has the input focus, and no other client sees
// them; after Stop they go to the focused client again.
//
// Needs the private X server named by QM47_TEST_DISPLAY, and xdotool and xset.
// The same executable, started with --second-client, is the other X client: a
// small window that prints every key it receives.
#include "app/mainwindow.h"
#include "support/activescript.h"
#include "config/buttontable.h"
#include "capture/keyboardhook.h"
#include "capture/x11detectablerepeat.h"
#include "support/tablecontent.h"
#include "support/testdisplay.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QWidget>
#include <QWindow>
#include <QtTest>

#include <cstdio>
#include <cstring>

namespace {

const char SecondClientOption[] = "--second-client";

// The other client: prints "ready <window id>", then one line per key event.
class KeyPrinter : public QObject
{
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched->isWindowType()
            && (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)) {
            const auto *key = static_cast<QKeyEvent *>(event);
            std::printf("%s %u\n", event->type() == QEvent::KeyPress ? "press" : "release",
                        key->nativeScanCode());
            std::fflush(stdout);
        }
        return false;
    }
};

int runSecondClient(int argc, char **argv)
{
    QApplication app(argc, argv);
    KeyPrinter printer;
    app.installEventFilter(&printer);
    QWidget window;
    window.setWindowTitle(QStringLiteral("second client"));
    window.setGeometry(800, 600, 200, 100);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    std::printf("ready %llu\n", static_cast<unsigned long long>(window.winId()));
    std::fflush(stdout);
    QTimer::singleShot(60000, &app, &QCoreApplication::quit); // never outlive the test
    return app.exec();
}

// Two processes that keep the processor busy while they live.
struct BusyLoad {
    QProcess spinners[2];
    BusyLoad()
    {
        for (QProcess &p : spinners)
            p.start("sh", {"-c", "while :; do :; done"});
    }
    ~BusyLoad()
    {
        for (QProcess &p : spinners) {
            p.kill();
            p.waitForFinished();
        }
    }
};

} // namespace

class TestCaptureX11 : public QObject
{
    Q_OBJECT

    QProcess secondClient;
    QString secondClientWindow;
    std::unique_ptr<MainWindow> window;

    const EditorState &editor() const { return window->edits().state(); }
    QString activeEntryCodes() const { return ::activeEntryCodes(*window); }
    int activeLength() const { return ::activeLength(*window); }

    // Runs an X tool against the test display; true when it succeeded. The
    // event loop keeps running meanwhile, as it does while a user types.
    static bool run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        QDeadlineTimer deadline(20000);
        while (process.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(5);
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
            return false;
        }
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
            qWarning() << program << arguments << process.readAllStandardError();
            return false;
        }
        return true;
    }
    bool clickOn(const char *buttonName)
    {
        auto *button = window->findChild<QPushButton *>(QString::fromLatin1(buttonName));
        const QPoint p = button->mapToGlobal(button->rect().center());
        return run("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y()),
                               "click", "1"});
    }
    bool focusSecondClient()
    {
        return run("xdotool", {"windowfocus", "--sync", secondClientWindow});
    }
    // The lines the other client printed up to and including `last`.
    QStringList secondClientLinesUntil(const QString &last)
    {
        QStringList lines;
        QDeadlineTimer deadline(10000);
        while (!deadline.hasExpired()) {
            while (secondClient.canReadLine()) {
                lines << QString::fromLatin1(secondClient.readLine()).trimmed();
                if (lines.last() == last)
                    return lines;
            }
            secondClient.waitForReadyRead(100);
        }
        return lines;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("QM47_TEST_DISPLAY"))
            QSKIP("QM47_TEST_DISPLAY names no private X server");
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        // No auto-repeat while xdotool holds keys down.
        QVERIFY(run("xset", {"r", "off"}));

        secondClient.start(QCoreApplication::applicationFilePath(), {SecondClientOption});
        QVERIFY(secondClient.waitForStarted());
        QDeadlineTimer deadline(20000);
        while (!secondClient.canReadLine() && !deadline.hasExpired())
            secondClient.waitForReadyRead(100);
        const QString ready = QString::fromLatin1(secondClient.readLine()).trimmed();
        QVERIFY2(ready.startsWith("ready "), qPrintable(ready));
        secondClientWindow = ready.mid(6);

        window = std::make_unique<MainWindow>();
        window->move(20, 20);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanupTestCase()
    {
        if (window)
            window->on_pushButtonStop_clicked();
        window.reset();
        if (secondClient.state() != QProcess::NotRunning) {
            secondClient.kill();
            secondClient.waitForFinished();
        }
        if (!qEnvironmentVariableIsEmpty("QM47_TEST_DISPLAY")) {
            run("xset", {"r", "on"});
            run("xset", {"r", "rate"});
        }
    }

    void recordsTheKeysOfTheWholeDesktop()
    {
        QVERIFY(clickOn("pushButton1"));
        QTRY_COMPARE(editor().activeButton, uint8_t(0));

        // The other client has the input focus before and during the recording.
        QVERIFY(focusSecondClient());
        QVERIFY(clickOn("pushButtonStart"));
        QTRY_COMPARE(editor().capture, Capture::Recording);
        QVERIFY(focusSecondClient());

        // Shift+A, the numeric-pad Enter and Home, by X keycode.
        QVERIFY(run("xdotool", {"keydown", "50", "keydown", "38", "keyup", "38", "keyup", "50",
                                "key", "104", "key", "110"}));
        QTRY_COMPARE(activeEntryCodes(), QString("2:12,2:1C,3:1C,3:12,2:79,3:79,2:6E,3:6E"));

        // The mouse still works: Stop is clicked.
        QVERIFY(clickOn("pushButtonStop"));
        QTRY_COMPARE(editor().capture, Capture::None);
        QVERIFY(!keyboardHook::instance()->isCapturing());

        // Now a key goes to the focused client, and it is the first it sees.
        QVERIFY(focusSecondClient());
        QVERIFY(run("xdotool", {"key", "39"}));
        QCOMPARE(secondClientLinesUntil("release 39"), QStringList({"press 39", "release 39"}));
        QTest::qWait(50);
        QCOMPARE(activeEntryCodes(), QString("2:12,2:1C,3:1C,3:12,2:79,3:79,2:6E,3:6E"));
    }

    // The release of the keyboard reaches the X server within Stop itself: a
    // key typed right after it, before the event loop runs again, goes to the
    // focused client.
    void stopReleasesTheKeyboardAtOnce()
    {
        QVERIFY(editor().hasActiveButton());
        const int before = activeLength();
        QVERIFY(clickOn("pushButtonStart"));
        QTRY_COMPARE(editor().capture, Capture::Recording);
        QVERIFY(focusSecondClient());
        QVERIFY(run("xdotool", {"key", "40"}));
        QTRY_COMPARE(activeLength(), before + 2);

        window->on_pushButtonStop_clicked();
        QVERIFY(run("xdotool", {"key", "41"}));
        QCOMPARE(secondClientLinesUntil("release 41"), QStringList({"press 41", "release 41"}));
        QTest::qWait(50);
        QCOMPARE(activeLength(), before + 2);
    }

    // With the server's auto-repeat on and the machine busy, a held key is
    // one press and one release, and fast separate strokes stay separate:
    // with the server's help, and by the time stamps where it has none.
    void keysUnderLoadWithAutoRepeat_data()
    {
        QTest::addColumn<bool>("serverHelps");
        QTest::addColumn<QStringList>("keys"); // xdotool commands
        QTest::addColumn<QString>("codes");
        for (const bool helps : {true, false}) {
            const char *way = helps ? "" : ", by time stamps";
            QTest::addRow("A held 1.5 s%s", way)
                << helps << QStringList{"keydown", "38", "sleep", "1.5", "keyup", "38"} << "2:1C,3:1C";
            QTest::addRow("A three times, fast%s", way)
                << helps << QStringList{"key", "--delay", "5", "38", "38", "38"}
                << "2:1C,3:1C,2:1C,3:1C,2:1C,3:1C";
            QTest::addRow("calculator held 0.5 s%s", way)
                << helps << QStringList{"keydown", "148", "sleep", "0.5", "keyup", "148"} << "2:2B,3:2B";
        }
    }
    void keysUnderLoadWithAutoRepeat()
    {
        QFETCH(bool, serverHelps);
        QFETCH(QStringList, keys);
        QFETCH(QString, codes);
        X11DetectableRepeat::setAllowed(serverHelps);
        QVERIFY(run("xset", {"r", "on"}));
        QVERIFY(run("xset", {"r", "rate", "150", "40"}));
        BusyLoad load;
        QVERIFY(clickOn("pushButton2"));
        QTRY_COMPARE(editor().activeButton, uint8_t(1));
        QVERIFY(clickOn("pushButtonStart"));
        QTRY_COMPARE(editor().capture, Capture::Recording);
        for (int round = 0; round < 3; ++round) {
            const QString before = activeEntryCodes();
            QVERIFY(run("xdotool", keys));
            const QString expected = before.isEmpty() ? codes : before + ',' + codes;
            QTRY_COMPARE_WITH_TIMEOUT(activeEntryCodes(), expected, 15000);
            QTest::qWait(300); // and nothing late
            QCOMPARE(activeEntryCodes(), expected);
        }
        window->on_pushButtonStop_clicked();
        X11DetectableRepeat::setAllowed(true);
        QVERIFY(run("xset", {"r", "off"}));
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], SecondClientOption) == 0)
        return runSecondClient(1, argv);

    // The X server of the test, when there is one; otherwise the test skips.
    useTestDisplay();
    QApplication app(argc, argv);
    TestCaptureX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_capture_x11.moc"
