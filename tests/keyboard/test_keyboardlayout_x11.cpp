// Reads the layout from a real X server (the private Xvfb of the test run):
// the layout is switched with setxkbmap, and a click on a button of the main
// window must bring the matching key names.
#include "app/mainwindow.h"
#include "capture/keyboardlayout.h"
#include "keyboard/keynames.h"
#include "support/testdisplay.h"

#include <QApplication>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

#include <xcb/xcb.h>
// The XKB header names a structure member "explicit", a C++ keyword.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

#include <cstdlib>
#include <memory>

namespace {

// Locks an XKB group of the core keyboard through a connection of our own.
bool lockGroup(int group)
{
    xcb_connection_t *connection = xcb_connect(testDisplay().constData(), nullptr);
    bool done = false;
    if (!xcb_connection_has_error(connection)) {
        std::free(xcb_xkb_use_extension_reply(connection, xcb_xkb_use_extension(connection, 1, 0),
                                              nullptr));
        xcb_generic_error_t *error = xcb_request_check(
            connection, xcb_xkb_latch_lock_state_checked(connection, XCB_XKB_ID_USE_CORE_KBD, 0, 0,
                                                         1, XCB_XKB_GROUP_1 + group, 0, 0, 0));
        done = error == nullptr;
        std::free(error);
    }
    xcb_disconnect(connection);
    return done;
}

} // namespace

class TestKeyboardLayoutX11 : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> window;

    // Runs setxkbmap against the test display; true when it succeeded.
    static bool setLayout(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral("setxkbmap"),
                      QStringList{QStringLiteral("-display"), QString::fromLocal8Bit(testDisplay())}
                          + arguments);
        if (!process.waitForFinished(10000))
            return false;
        return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    }

    // Clicks the first button (which reads the layout) and names a key.
    QString nameAfterClick(KeyCode code)
    {
        auto *button = window->findChild<QPushButton *>(QStringLiteral("pushButton1"));
        if (!button)
            return QStringLiteral("no pushButton1");
        QTest::mouseClick(button, Qt::LeftButton);
        return keyName(code);
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (testDisplay().isEmpty())
            QSKIP("QM47_TEST_DISPLAY is not set: no private X server");
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }
    void init()
    {
        QVERIFY(setLayout({QStringLiteral("us")}));
        QVERIFY(lockGroup(0));
        window = std::make_unique<MainWindow>();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup()
    {
        window.reset();
        lockGroup(0);
        setLayout({QStringLiteral("us")});
    }

    void startUpReadsTheLayout()
    {
        // The window read "us" when it was built.
        QCOMPARE(keyboardLayoutId(), 0x409);
    }

    void clickReadsGermanThenFrench()
    {
        QVERIFY(setLayout({QStringLiteral("de")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Y"));
        QCOMPARE(keyboardLayoutId(), 0x407);
        QCOMPARE(keyName(0x4E), QString(QChar(0xDF)));

        QVERIFY(setLayout({QStringLiteral("fr")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("W"));
        QCOMPARE(keyboardLayoutId(), 0x40C);

        QVERIFY(setLayout({QStringLiteral("-layout"), QStringLiteral("ch"),
                           QStringLiteral("-variant"), QStringLiteral("fr")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("W"));
        QCOMPARE(keyboardLayoutId(), 0x100C);

        QVERIFY(setLayout({QStringLiteral("us")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Z"));
        QCOMPARE(keyboardLayoutId(), 0x409);
    }

    // With two layouts loaded, the group in force decides.
    void activeGroupDecides()
    {
        QVERIFY(setLayout({QStringLiteral("-layout"), QStringLiteral("us,de")}));
        QVERIFY(lockGroup(1));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Y"));
        QCOMPARE(keyboardLayoutId(), 0x407);
        QVERIFY(lockGroup(0));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Z"));
        QCOMPARE(keyboardLayoutId(), 0x409);
    }

    // Loading a map with fewer groups leaves the locked group beyond its
    // range; the keys then use the group wrapped back into range.
    void groupBeyondNewMapIsWrapped()
    {
        QVERIFY(setLayout({QStringLiteral("-layout"), QStringLiteral("us,fr")}));
        QVERIFY(lockGroup(1));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("W"));
        QVERIFY(setLayout({QStringLiteral("de")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Y"));
        QCOMPARE(keyboardLayoutId(), 0x407);
    }

    // A layout without a Windows number gives English; the legacy Canadian
    // French one is French.
    void layoutWithoutNumberIsEnglish()
    {
        QVERIFY(setLayout({QStringLiteral("de")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Y"));
        QVERIFY(setLayout({QStringLiteral("mn")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("Z"));
        QCOMPARE(keyboardLayoutId(), 0);
        QVERIFY(setLayout({QStringLiteral("-layout"), QStringLiteral("ca"),
                           QStringLiteral("-variant"), QStringLiteral("fr-legacy")}));
        QTRY_COMPARE(nameAfterClick(0x1A), QStringLiteral("W"));
        QCOMPARE(keyboardLayoutId(), 0xC0C);
    }

    void cleanupTestCase()
    {
        if (testDisplay().isEmpty())
            return;
        QVERIFY(lockGroup(0));
        QVERIFY(setLayout({QStringLiteral("us")}));
    }
};

int main(int argc, char **argv)
{
    // Talk to the private X server when there is one; otherwise stay
    // offscreen, and the test case skips.
    useTestDisplay();
    QApplication app(argc, argv);
    TestKeyboardLayoutX11 test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_keyboardlayout_x11.moc"
