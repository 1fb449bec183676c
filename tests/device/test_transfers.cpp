// Readout and transmit as the window shows them: the real main window
// (offscreen) talks through a real serial port to the simulated keypad on a
// pseudo-terminal. The rules behind them are the transfer controller's.
#include "app/mainwindow.h"
#include "app/portdialog.h"
#include "config/buttontable.h"
#include "serial/portlist.h"
#include "serial/transferdriver.h"
#include "serial/transfersession.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"
#include "support/portdialoganswerer.h"
#include "support/simulatedkeypad.h"

#include <QProgressBar>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>
#include <QWindow>

namespace {

// Fills `device` with a configuration whose buttons differ from each other.
void fillConfiguration(ButtonTable &device, uint8_t buttons, uint16_t maxEntries)
{
    device.buildTable();
    device.buttonCount = buttons;
    device.maxEntries = maxEntries;
    for (int b = 0; b < buttons; ++b) {
        ButtonContent &c = device.content(uint8_t(b));
        const int pairs = (b * 3) % 7;
        for (int p = 0; p < pairs; ++p) {
            c.entries[c.length++] = {ActionPress, uint8_t(0x10 + b)};
            c.entries[c.length++] = {ActionRelease, uint8_t(0x10 + b)};
        }
    }
}

// Counts the timer events of the timers that tick as fast as a transfer's.
class FastTimerCounter : public QObject
{
public:
    FastTimerCounter() { qApp->installEventFilter(this); }
    ~FastTimerCounter() override { qApp->removeEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *timer = qobject_cast<QTimer *>(watched);
        if (event->type() == QEvent::Timer && timer && timer->interval() <= TransferDriver::TickMs)
            ++count;
        return false;
    }
};

ButtonTable deviceConfiguration(uint8_t buttons, uint16_t maxEntries)
{
    ButtonTable device;
    fillConfiguration(device, buttons, maxEntries);
    return device;
}

} // namespace

class TestTransfers : public MainWindowFixture
{
    Q_OBJECT

    SimulatedKeypad keypad;

    static QProgressBar *progress()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == "progressBar")
                return w->findChild<QProgressBar *>("progressBar_2");
        return nullptr;
    }
    // The window makes its progress window at the first wake-up of a keypad.
    static bool progressShown() { return progress() && progress()->isVisible(); }

    // Starts the keypad simulator with the given memory and faults.
    void startKeypad(const ButtonTable &memory, const KeypadFaults &faults = {})
    {
        QString error;
        QVERIFY2(keypad.start(memory, faults, &error), qPrintable(error));
    }

    QSerialPort &port() const { return window->transfers().driver().session().port(); }

    // Runs a transfer action and waits until the window is usable again.
    void runTransfer(const char *actionName)
    {
        action(actionName)->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled() && !progressShown(), 15000);
    }

private Q_SLOTS:
    void init() { QVERIFY(openFreshWindow()); }
    void cleanup()
    {
        window.reset();
        keypad.stop();
    }

    // A readout from the menu. The idle window runs no timer as fast as a
    // transfer's; the transfer ticks, and the window shows what the controller
    // reports: its message in a box, the progress bar over as many steps as
    // the keypad has buttons, the marks, the file label and the status line.
    // Once the port is closed the fast ticks stop again.
    void readoutFromTheMenu()
    {
        FastTimerCounter ticks;
        QTest::qWait(2000);
        QCOMPARE(ticks.count, 0);

        const int buttons = 30;
        ModalAnswerer answerer;
        startKeypad(deviceConfiguration(uint8_t(buttons), 200));
        PortDialogAnswerer dialog(keypad.line->slavePath());
        button(3)->click();
        runTransfer("actionReadout");
        QVERIFY(ticks.count > 0);

        QCOMPARE(answerer.seen().size(), 1); // the buttons the table does not keep
        QCOMPARE(fileLabel(), QString("QM47_File"));
        QCOMPARE(status(), QString("Please select a button"));
        // Marks refreshed: button 2 (index 1) holds entries, button 1 none.
        QVERIFY(button(2)->styleSheet().contains("rgb(75, 255, 0)"));
        QVERIFY(button(1)->styleSheet().contains("black"));
        QCOMPARE(progress()->value(), buttons);
        QCOMPARE(progress()->maximum(), buttons);

        QTRY_VERIFY_WITH_TIMEOUT(!port().isOpen(), 3000);
        ticks.count = 0;
        QTest::qWait(500);
        QCOMPARE(ticks.count, 0);
    }

    void cancelledPortDialogRestoresTheStatusLine()
    {
        PortDialogAnswerer dialog{QString()};
        button(3)->click();
        action("actionTransmit")->trigger();
        QCOMPARE(dialog.opened, 1);
        QCOMPARE(status(), QString("Button 3 active"));
        QVERIFY(window->isEnabled());
    }

    void closeDuringATransfer_data()
    {
        QTest::addColumn<bool>("onProgressBar");
        QTest::addColumn<bool>("stop");
        QTest::newRow("main window, stopped") << false << true;
        QTest::newRow("progress bar, stopped") << true << true;
        QTest::newRow("main window, not stopped") << false << false;
    }
    void closeDuringATransfer()
    {
        QFETCH(bool, onProgressBar);
        QFETCH(bool, stop);
        ModalAnswerer boxes;
        startKeypad(deviceConfiguration(23, 250));
        keypad.line->setPaced(true);
        ButtonTable full;
        for (int b = 0; b < 23; ++b) { // a full, slow transmit
            ButtonContent &c = full.content(uint8_t(b));
            for (c.length = 0; c.length < 250; ++c.length)
                c.entries[c.length] = {uint8_t(ActionPress + c.length % 2), uint8_t(0x10 + b)};
        }
        // Saved, so that closing asks nothing more than the stop question.
        QTemporaryDir dir;
        window->document().takeOverReadout(full, 23);
        QVERIFY(window->document().saveAs(dir.filePath("full.tkf")).done);
        PortDialogAnswerer dialog(keypad.line->slavePath());
        action("actionTransmit")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(progressShown() && progress()->value() >= 4, 10000);

        boxes.enqueue(stop ? QMessageBox::Yes : QMessageBox::No);
        // Through the platform window, as the window system's close arrives.
        (onProgressBar ? progress()->window() : window.get())->windowHandle()->close();
        // The close reached the stop question, and its answer decides.
        QVERIFY(!boxes.seen().isEmpty());
        QCOMPARE(window->isVisible(), onProgressBar || !stop);
        if (!stop) { // the transfer runs to its end
            QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled() && !progressShown(), 15000);
            return;
        }
        QVERIFY(!progressShown());
        QTRY_COMPARE(boxes.seen().size(), 2); // what the keypad now holds
    }
};

QTEST_MAIN(TestTransfers)
#include "test_transfers.moc"
