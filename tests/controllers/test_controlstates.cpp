// Which controls can be used, for every editor state that occurs.
#include "controllers/controlstates.h"

#include <QtTest>

class TestControlStates : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void states_data()
    {
        QTest::addColumn<bool>("active");
        QTest::addColumn<int>("capture");
        QTest::addColumn<bool>("history"); // undo, redo and recent files on offer
        // Start Stop Delay Key Up Down Delete, file and device, undo, redo,
        // clipboard and text, recent files, shortcuts.
        QTest::addColumn<QString>("enabled");

        const int none = int(Capture::None), rec = int(Capture::Recording),
                  key = int(Capture::KeyInsert);
        QTest::newRow("no button") << false << none << false << "0000000 1 00 0 01";
        QTest::newRow("no button, history") << false << none << true << "0000000 1 11 0 11";
        QTest::newRow("a button") << true << none << false << "1011111 1 00 1 01";
        QTest::newRow("a button, history") << true << none << true << "1011111 1 11 1 11";
        QTest::newRow("recording: delay and delete stay")
            << true << rec << true << "0110001 0 00 0 00";
        QTest::newRow("waiting for a key: only stop") << true << key << true << "0100000 0 00 0 00";
    }
    void states()
    {
        QFETCH(bool, active);
        QFETCH(int, capture);
        QFETCH(bool, history);
        QFETCH(QString, enabled);
        ControlInputs in;
        in.editor.activeButton = active ? 4 : NoButton;
        in.editor.capture = Capture(capture);
        in.canUndo = in.canRedo = in.hasRecentFiles = history;
        const ControlStates s = controlStates(in);
        const auto bit = [](bool on) { return on ? QChar('1') : QChar('0'); };
        QString got;
        for (bool on : {s.start, s.stop, s.delay, s.insertKey, s.moveUp, s.moveDown, s.deleteEntry})
            got += bit(on);
        got += QString(" %1 %2%3 %4 %5%6")
                   .arg(bit(s.fileAndDevice), bit(s.undo), bit(s.redo), bit(s.clipboardAndText),
                        bit(s.recentFiles), bit(s.shortcuts));
        QCOMPARE(got, enabled);
    }
};

QTEST_APPLESS_MAIN(TestControlStates)
#include "test_controlstates.moc"
