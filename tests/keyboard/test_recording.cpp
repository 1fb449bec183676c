// The wiring of recording through a real main window: key events with native
// scan codes go through the capture path to the recording controller, and the
// window takes and gives back the keyboard. The recording rules themselves
// are the controller's test.
#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "capture/keyboardhook.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"
#include "support/tablecontent.h"

#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QtTest>

namespace {

// XKB keycodes (Linux input event code + 8).
enum XKey : uint32_t { XA = 38, XB = 56 };

// Counts the key events that reach a widget.
class KeyCounter : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            ++count;
        return false;
    }
};

} // namespace

class TestRecording : public MainWindowFixture
{
    Q_OBJECT

    Capture capture() const { return window->edits().state().capture; }

    // n distinct entries (key bytes 0x80 + i) in the active button.
    void prefill(int n)
    {
        QList<ContentEntry> entries;
        for (int i = 0; i < n; ++i)
            entries.append({uint8_t(i % 2 ? ActionRelease : ActionPress), uint8_t(0x80 + i)});
        edit(0, entries);
    }

    void press(uint32_t keycode) { key(QEvent::KeyPress, keycode); }
    void release(uint32_t keycode) { key(QEvent::KeyRelease, keycode); }
    void stroke(uint32_t keycode)
    {
        press(keycode);
        release(keycode);
    }

private Q_SLOTS:
    void init()
    {
        window = std::make_unique<MainWindow>();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        button("pushButton1")->click();
        QCOMPARE(window->edits().state().activeButton, uint8_t(0));
        QVERIFY(listView()->selectionModel());
    }
    void cleanup()
    {
        window->on_pushButtonStop_clicked();
        window.reset();
        QVERIFY(!keyboardHook::instance()->isCapturing());
    }

    // Start and Insert one key through the window: the controls, the status
    // line and the keyboard grab while keys are captured and after; a key
    // goes behind the row the list shows selected, and the list then selects
    // and focuses what the recording says. Which codes are recorded is the
    // controller's test.
    void captureThroughTheWindow_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("capture");
        QTest::addColumn<QString>("during");   // status line
        QTest::addColumn<QString>("controls"); // editState() while capturing
        QTest::addColumn<int>("listMode"); // the list's selection mode while capturing
        QTest::addColumn<int>("afterKey"); // the capture once a key was struck
        QTest::addColumn<int>("selectedAfter");
        QTest::newRow("Start") << "pushButtonStart" << int(Capture::Recording) << "Recording to button 1"
                               << "0110001" << int(QAbstractItemView::SingleSelection)
                               << int(Capture::Recording) << 4;
        QTest::newRow("Insert one key") << "pushButtonKey" << int(Capture::KeyInsert)
                                        << "Insert key to button 1" << "0100000"
                                        << int(QAbstractItemView::ExtendedSelection) << int(Capture::None) << 4;
    }
    void captureThroughTheWindow()
    {
        QFETCH(QString, control);
        QFETCH(int, capture);
        QFETCH(QString, during);
        QFETCH(QString, controls);
        QFETCH(int, listMode);
        QFETCH(int, afterKey);
        QFETCH(int, selectedAfter);
        prefill(5);
        listView()->selectionModel()->select(listView()->model()->index(2, 0),
                                             QItemSelectionModel::ClearAndSelect);
        button(qPrintable(control))->click();
        QCOMPARE(int(this->capture()), capture);
        QVERIFY(keyboardHook::instance()->isCapturing());
        QCOMPARE(status(), during);
        QCOMPARE(editState(), controls);
        QCOMPARE(int(listView()->selectionMode()), listMode);
        QCOMPARE(QWidget::keyboardGrabber(), window.get());

        stroke(XB);
        QCOMPARE(int(this->capture()), afterKey);
        QCOMPARE(keyboardHook::instance()->isCapturing(), afterKey != int(Capture::None));
        QCOMPARE(activeEntryCodes().count(':'), 7);
        const QModelIndexList selected = listView()->selectionModel()->selectedIndexes();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), selectedAfter);
        QVERIFY(listView()->hasFocus());

        button("pushButtonStop")->click();
        QCOMPARE(this->capture(), Capture::None);
        QVERIFY(!keyboardHook::instance()->isCapturing());
        QCOMPARE(status(), QString("Button 1 active"));
        QCOMPARE(editState(), QString("1011111"));
        QCOMPARE(listView()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(QWidget::keyboardGrabber(), nullptr);
    }

    void stopWithNothingRunning()
    {
        prefill(2);
        listView()->setSelectionMode(QAbstractItemView::SingleSelection);
        window->findChild<QLabel *>("labelState")->setText(QString());
        QSignalSpy resets(listView()->model(), &QAbstractItemModel::modelReset);
        window->on_pushButtonStop_clicked();
        QCOMPARE(resets.size(), 1);
        QCOMPARE(listView()->selectionMode(), QAbstractItemView::ExtendedSelection);
        QCOMPARE(status(), QString("Button 1 active"));
        QCOMPARE(editState(), QString("1011111"));
        QCOMPARE(activeEntryCodes(), QString("2:80,3:81"));
    }

    // While a capture runs, keys reach neither the widgets nor the shortcuts.
    void keysKeptFromWidgetsAndShortcuts()
    {
        int fired = 0;
        QShortcut shortcut(QKeySequence(Qt::CTRL | Qt::Key_K), window.get());
        shortcut.setContext(Qt::ApplicationShortcut);
        connect(&shortcut, &QShortcut::activated, this, [&fired] { ++fired; });
        KeyCounter counter;
        listView()->installEventFilter(&counter);
        listView()->setFocus();

        QWindow *handle = window->windowHandle();
        QTest::keyClick(handle, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(fired, 1);
        QTest::keyClick(handle, Qt::Key_X);
        QVERIFY(counter.count > 0);

        button("pushButtonStart")->click();
        listView()->setFocus();
        const int before = counter.count;
        QTest::keyClick(handle, Qt::Key_K, Qt::ControlModifier);
        QTest::keyClick(handle, Qt::Key_X);
        stroke(XA);
        QCOMPARE(fired, 1);
        QCOMPARE(counter.count, before);
        QVERIFY(!activeEntryCodes().isEmpty());

        button("pushButtonStop")->click();
        QTest::keyClick(handle, Qt::Key_K, Qt::ControlModifier);
        QCOMPARE(fired, 2);
    }

    // Closing while recording asks first (the question as the window shows
    // it). Cancel keeps recording; OK stops it, and cancelling the
    // save-changes prompt that follows keeps the window, with no capture.
    void closeWhileRecording_data()
    {
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<int>("capture");
        QTest::newRow("Cancel") << QList<int>{QMessageBox::Cancel} << int(Capture::Recording);
        QTest::newRow("OK, then cancel saving")
            << QList<int>{QMessageBox::Ok, QMessageBox::Cancel} << int(Capture::None);
    }
    void closeWhileRecording()
    {
        QFETCH(QList<int>, answers);
        QFETCH(int, capture);
        ModalAnswerer answerer;
        for (int answer : answers)
            answerer.enqueue(QMessageBox::StandardButton(answer));
        button("pushButtonStart")->click();
        stroke(XA);
        QVERIFY(!window->close());
        QCOMPARE(answerer.seen().size(), answers.size());
        const auto question = answerer.seen().first();
        QCOMPARE(question.title, QString("Information"));
        QCOMPARE(question.text, QString("Recording aktiv, press OK to stop recording und close the "
                                        "application!\r\nPress cancel to continue recording!"));
        QCOMPARE(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(question.defaultButton, QMessageBox::Cancel);
        if (answers.size() > 1)
            QCOMPARE(answerer.seen().at(1).title, QString("Save configuration"));
        QVERIFY(window->isVisible());
        QCOMPARE(int(this->capture()), capture);
        QCOMPARE(keyboardHook::instance()->isCapturing(), capture != int(Capture::None));
        QCOMPARE(activeEntryCodes(), QString("2:1C,3:1C"));
    }
};

QTEST_MAIN(TestRecording)
#include "test_recording.moc"
