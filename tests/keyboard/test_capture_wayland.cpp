// Recording under a real Wayland compositor: sway, headless, with bindings
// that touch marker files. While recording, the compositor passes its own
// shortcuts to the window, so they are recorded and run nothing; after Stop
// they act again. Where the compositor refuses or withdraws the inhibition,
// recording goes on and the status line says that the desktop may take
// shortcuts. Keys come from a virtual keyboard of sway's seat.
//
// sway does not run as root: run by root, the test starts sway and itself
// again as the user nobody, from copies in a temporary folder that nobody can
// read (the build tree may not be).
#include "app/mainwindow.h"
#include "support/activescript.h"
#include "config/buttontable.h"
#include "capture/keyboardhook.h"
#include "support/asnobody.h"
#include "support/tablecontent.h"

#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>
#include <unistd.h>

namespace {

const char SessionOption[] = "--in-session";

// The compositor, and the test again inside it as its own client.
class SwaySession
{
public:
    // Why the test cannot run here; empty when it can.
    QString unavailable() const
    {
        if (QStandardPaths::findExecutable("sway").isEmpty())
            return "sway is not installed";
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath)
                           + "/platforms/libqwayland-generic.so"))
            return "Qt's wayland platform plugin (qt6-wayland) is not installed";
        return ::geteuid() == 0 ? AsNobody::unavailable() : QString();
    }

    // Starts sway and runs the test in it; the test's exit status.
    int run(const QStringList &arguments)
    {
        if (!dir.isValid() || !prepare())
            return fail("the session folder cannot be prepared");
        QProcess sway;
        sway.setProcessEnvironment(environment());
        sway.setProgram("sway");
        sway.setArguments({"--config", path("sway.conf")});
        dropRoot(sway);
        sway.start();
        QDeadlineTimer deadline(30000);
        QStringList sockets;
        while (sockets.size() < 2 && sway.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            sway.waitForFinished(100);
            sockets = QDir(path("runtime")).entryList({"wayland-?", "sway-ipc.*.sock"}, QDir::System);
        }
        if (sockets.size() < 2)
            return fail("sway did not start: " + sway.readAllStandardError());

        QProcess test;
        QProcessEnvironment env = environment();
        env.insert("WAYLAND_DISPLAY", sockets.filter("wayland-").first());
        env.insert("SWAYSOCK", path("runtime/" + sockets.filter("sway-ipc").first()));
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("QM47_MARKERS", path("markers"));
        env.insert("QM47_VIRTUAL_KEYBOARD", path("virtual-keyboard"));
        // Whole stacks, so that the suppressions find the plugin in them.
        env.insert("LSAN_OPTIONS", "suppressions=" + path("lsan.supp"));
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":fast_unwind_on_malloc=0");
        test.setProcessEnvironment(env);
        test.setProcessChannelMode(QProcess::ForwardedChannels);
        dropRoot(test);
        test.start(path("test"), QStringList(SessionOption) + arguments);
        const bool finished = test.waitForFinished(170000);
        test.kill();
        sway.terminate();
        sway.waitForFinished();
        if (!finished)
            return fail("the test in sway did not finish");
        return test.exitStatus() == QProcess::NormalExit ? test.exitCode() : 1;
    }

private:
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }
    static void dropRoot(QProcess &process)
    {
        if (::geteuid() == 0)
            AsNobody::apply(process);
    }
    static int fail(const QString &why)
    {
        qCritical("%s", qPrintable(why));
        return 1;
    }
    static bool write(const QString &fileName, const QString &text)
    {
        QFile file(fileName);
        return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.size();
    }
    // The programs, sway's configuration, and folders of nobody's own.
    bool prepare()
    {
        const QString markers = path("markers");
        const QString conf = QString("bindsym Mod4+Return exec touch %1/super-return\n"
                                     "bindsym Ctrl+Mod1+t exec touch %1/ctrl-alt-t\n"
                                     "bindsym Mod1+Tab exec touch %1/alt-tab\n").arg(markers);
        // Qt's wayland plugin keeps the compositor's objects, activation
        // requests and its EGL set-up to the end of the process.
        const QString leaks = "leak:libQt6WaylandClient.so\nleak:libxdg-shell.so\nleak:libEGL_mesa.so\n";
        bool ok = write(path("sway.conf"), conf) && write(path("lsan.supp"), leaks)
                  && QFile::copy(QCoreApplication::applicationFilePath(), path("test"))
             && QFile::copy(QM47_VIRTUAL_KEYBOARD, path("virtual-keyboard"));
        for (const char *sub : {"runtime", "home", "markers"})
            ok = ok && QDir(dir.path()).mkdir(sub)
                 && (::geteuid() != 0 || ::chown(qPrintable(path(sub)), AsNobody::Id, AsNobody::Id) == 0);
        return ok && QFile::setPermissions(path("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)
               && QFile::setPermissions(dir.path(), QFile::permissions(dir.path()) | QFile::ReadOther | QFile::ExeOther);
    }
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "SWAYSOCK"})
            env.remove(name);
        env.insert("XDG_RUNTIME_DIR", path("runtime"));
        env.insert("HOME", path("home"));
        env.insert("XDG_CONFIG_HOME", path("home/.config"));
        env.insert("XDG_CACHE_HOME", path("home/.cache"));
        env.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent");
        env.insert("WLR_BACKENDS", "headless");
        env.insert("WLR_LIBINPUT_NO_DEVICES", "1");
        env.insert("WLR_RENDERER", "pixman");
        return env;
    }
};

} // namespace

class TestCaptureWayland : public QObject
{
    Q_OBJECT

public:
    explicit TestCaptureWayland(QString skip = {}) : skip_(std::move(skip)) {}

private:
    QString skip_;
    QProcess keyboard;
    std::unique_ptr<MainWindow> window;

    const EditorState &editor() const { return window->edits().state(); }
    QString activeEntryCodes() const { return ::activeEntryCodes(*window); }
    int activeLength() const { return ::activeLength(*window); }

    // Types "down CODE" and "up CODE" commands (Linux input event codes);
    // "hold MS" keeps the keys as they are while the event loop runs.
    bool type(const QString &commands)
    {
        for (const QString &command : commands.split(',')) {
            if (command.startsWith("hold ")) {
                QTest::qWait(command.mid(5).toInt());
                continue;
            }
            keyboard.write(command.toLatin1() + '\n');
            QDeadlineTimer deadline(10000);
            while (!keyboard.canReadLine() && !deadline.hasExpired())
                QTest::qWait(5);
            if (keyboard.readLine() != "ok\n")
                return false;
        }
        return true;
    }
    static bool swaymsg(const QString &command)
    {
        if (command.isEmpty())
            return true;
        QProcess process;
        process.start("swaymsg", {command});
        return process.waitForFinished() && process.exitCode() == 0;
    }
    static bool marked(const QString &marker)
    {
        return QFile::exists(qEnvironmentVariable("QM47_MARKERS") + '/' + marker);
    }
    QString status() const { return window->findChild<QLabel *>("labelState")->text(); }
    static bool noticeShown(const QString &status) { return status.contains("such as Alt+Tab"); }
    static QString appended(const QString &before, const QString &codes)
    {
        return before.isEmpty() ? codes : before + ',' + codes;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (!skip_.isEmpty())
            QSKIP(qPrintable(skip_));
        QCOMPARE(QGuiApplication::platformName(), QString("wayland"));
        keyboard.start(qEnvironmentVariable("QM47_VIRTUAL_KEYBOARD"));
        QVERIFY(keyboard.waitForReadyRead(10000));
        QCOMPARE(keyboard.readLine(), QByteArray("ready\n"));
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
        QTest::mouseClick(window->findChild<QPushButton *>("pushButton1"), Qt::LeftButton);
        QCOMPARE(editor().activeButton, uint8_t(0));
    }

    void cleanupTestCase()
    {
        window.reset();
        keyboard.closeWriteChannel();
        keyboard.waitForFinished();
    }

    void cleanup()
    {
        window->on_pushButtonStop_clicked();
        QVERIFY(swaymsg("shortcuts_inhibitor enable"));
    }

    // Each shortcut is recorded in full, as on X11, and its binding stays idle.
    void shortcutsReachTheRecording_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<QString>("marker");
        QTest::newRow("Super+Return") << "down 125,down 28,up 28,up 125" << "2:8B,2:5A,3:5A,3:8B"
                                      << "super-return";
        QTest::newRow("Ctrl+Alt+T") << "down 29,down 56,down 20,up 20,up 56,up 29"
                                    << "2:11,2:19,2:2C,3:2C,3:19,3:11" << "ctrl-alt-t";
        QTest::newRow("Alt+Tab") << "down 56,down 15,up 15,up 56" << "2:19,2:0D,3:0D,3:19" << "alt-tab";
        QTest::newRow("A held 1.5 s") << "down 30,hold 1500,up 30" << "2:1C,3:1C" << "";
    }
    void shortcutsReachTheRecording()
    {
        QFETCH(QString, keys);
        QFETCH(QString, codes);
        QFETCH(QString, marker);
        const QString before = activeEntryCodes();
        window->on_pushButtonStart_clicked();
        // Until the compositor grants the inhibition the status line says so.
        QTRY_VERIFY(keyboardHook::instance()->isCapturing() && !noticeShown(status()));
        QCOMPARE(status(), QString("Recording to button 1"));
        QVERIFY(type(keys));
        const QString expected = appended(before, codes);
        QTRY_COMPARE(activeEntryCodes(), expected);
        QTest::qWait(300); // nothing late, and no binding ran
        QCOMPARE(activeEntryCodes(), expected);
        QVERIFY(marker.isEmpty() || !marked(marker));
        window->on_pushButtonStop_clicked();
    }

    // A refused or withdrawn inhibition: recording goes on, the status line
    // tells, and Stop takes the notice away.
    void withoutInhibition_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("during");
        QTest::newRow("refused") << "shortcuts_inhibitor disable" << "";
        QTest::newRow("withdrawn") << "" << "shortcuts_inhibitor disable";
    }
    void withoutInhibition()
    {
        QFETCH(QString, before);
        QFETCH(QString, during);
        QVERIFY(swaymsg(before));
        const QString recorded = activeEntryCodes();
        window->on_pushButtonStart_clicked();
        if (!during.isEmpty()) {
            QTRY_VERIFY(!noticeShown(status()));
            QVERIFY(swaymsg(during));
        }
        QTRY_VERIFY(noticeShown(status()));
        QVERIFY(status().contains(">Recording to button 1<"));
        QVERIFY(type("down 30,up 30"));
        QTRY_COMPARE(activeEntryCodes(), appended(recorded, "2:1C,3:1C"));
        QVERIFY(noticeShown(status()));
        window->on_pushButtonStop_clicked();
        QCOMPARE(status(), QString("Button 1 active"));
    }

    // Right after Stop the desktop's shortcut acts again. Last of all: the
    // release of Super still reaches the window, later than the binding runs.
    void stopGivesTheShortcutsBack()
    {
        const QString before = activeEntryCodes();
        window->on_pushButtonStart_clicked();
        QTRY_VERIFY(!noticeShown(status()));
        window->on_pushButtonStop_clicked();
        QVERIFY(type("down 125,down 28,up 28,up 125"));
        QTRY_VERIFY(marked("super-return"));
        QCOMPARE(activeEntryCodes(), before);
        QCOMPARE(status(), QString("Button 1 active"));
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && std::strcmp(argv[1], SessionOption) == 0) {
        argv[1] = argv[0];
        int count = argc - 1;
        QApplication app(count, argv + 1);
        TestCaptureWayland test;
        return QTest::qExec(&test, count, argv + 1);
    }
    QCoreApplication app(argc, argv);
    SwaySession session;
    const QString skip = session.unavailable();
    if (skip.isEmpty())
        return session.run(app.arguments().mid(1));
    TestCaptureWayland test(skip);
    return QTest::qExec(&test, argc, argv);
}

#include "test_capture_wayland.moc"
