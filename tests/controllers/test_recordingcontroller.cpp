// Recording into the active button without a window: Start and Insert one
// key, key codes with the row selected, the entry limit and the held keys.
#include "config/scripttext.h"
#include "controllers/recordingcontroller.h"
#include "support/editingfixture.h"

class TestRecordingController : public QObject, EditingFixture
{
    Q_OBJECT

    std::unique_ptr<RecordingController> recording;

    // Button 1 holds n distinct entries (key bytes 0x80 + i) with room for
    // `maxEntries`, saved and active.
    void prefill(int n, int maxEntries)
    {
        ButtonTable table;
        table.maxEntries = uint16_t(maxEntries);
        ButtonContent &c = table.content(0);
        for (int i = 0; i < n; ++i)
            c.entries[i] = ContentEntry{uint8_t(i % 2 ? ActionRelease : ActionPress),
                                        uint8_t(0x80 + i)};
        c.length = uint8_t(n);
        QVERIFY(startWith(table));
    }
    QString codes() const
    {
        QStringList parts;
        const ButtonContent &c = document->table().content(0);
        for (int i = 0; i < c.length; ++i)
            parts << QString::asprintf("%X:%02X", c.entries[i].action, c.entries[i].key);
        return parts.join(',');
    }

private Q_SLOTS:
    void init()
    {
        recording.reset();
        renew();
        recording = std::make_unique<RecordingController>(*document, *edits, *prompts);
    }

    // Steps: S Start, K Insert one key, X Stop, D Delete (nothing selected),
    // +HH a key press and -HH its release (key code in hex). Each key goes
    // behind the row the list shows selected, as the window passes it on.
    void scenarios_data()
    {
        QTest::addColumn<int>("prefill");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("codes");
        QTest::addColumn<int>("capture");    // after the steps
        QTest::addColumn<QString>("told");   // every text told, joined by |
        QTest::addColumn<QString>("undo");   // the step to undo, empty for none

        const int none = int(Capture::None), rec = int(Capture::Recording);
        QTest::newRow("nothing recorded yet") << 0 << 250 << -1 << "S" << "" << rec << "" << "";
        QTest::newRow("shift A") << 0 << 250 << -1 << "S +12 +1C -1C -12"
                                 << "2:12,2:1C,3:1C,3:12" << rec << "" << "Recording";
        QTest::newRow("a held key is pressed once")
            << 0 << 250 << -1 << "S +1C +1C +1C -1C" << "2:1C,3:1C" << rec << "" << "Recording";
        QTest::newRow("a lone release") << 0 << 250 << -1 << "S -1C" << "3:1C" << rec << "" << "Recording";
        QTest::newRow("behind the selected row, the newest selected next")
            << 5 << 250 << 2 << "S +32 -32" << "2:80,3:81,2:82,2:32,3:32,3:83,2:84" << rec << ""
            << "Recording";
        QTest::newRow("appended without selection")
            << 3 << 250 << -1 << "S +32 -32 X" << "2:80,3:81,2:82,2:32,3:32" << none << "" << "Recording";
        QTest::newRow("a delete joins the recording")
            << 0 << 250 << -1 << "S +1C -1C D +20 X" << "2:1C,2:20" << none << "" << "Recording";
        QTest::newRow("the recording fills the button and ends")
            << 5 << 6 << -1 << "S +1C -1C" << "2:80,3:81,2:82,3:83,2:84,2:1C" << none
            << "Max. number of Keys recorded!" << "Recording";
        QTest::newRow("start on a full button")
            << 4 << 4 << -1 << "S" << "2:80,3:81,2:82,3:83" << none
            << "Max. number of keys for this button recorded!" << "";
        QTest::newRow("one key: a whole stroke, then the capture ends")
            << 2 << 250 << -1 << "K +29 -29 +1C" << "2:80,3:81,2:29,3:29" << none << ""
            << "Insert one key";
        QTest::newRow("one key behind the selected row")
            << 3 << 250 << 0 << "K +1D" << "2:80,2:1D,3:1D,3:81,2:82" << none << "" << "Insert one key";
        QTest::newRow("one key without room for two")
            << 3 << 4 << -1 << "K" << "2:80,3:81,2:82" << none << "Max. number of Keys recorded!" << "";
        QTest::newRow("no Start twice, no key insert while recording")
            << 0 << 250 << -1 << "S S K +1C" << "2:1C" << rec << "" << "Recording";
    }
    void scenarios()
    {
        QFETCH(int, prefill);
        QFETCH(int, maxEntries);
        QFETCH(int, selected);
        QFETCH(QString, steps);
        QFETCH(QString, codes);
        QFETCH(int, capture);
        QFETCH(QString, told);
        QFETCH(QString, undo);
        this->prefill(prefill, maxEntries);
        QSignalSpy captures(recording.get(), &RecordingController::captureChanged);
        for (const QString &step : steps.split(' ')) {
            ListFocus focus;
            if (step == "S")
                recording->start();
            else if (step == "K")
                recording->insertKey();
            else if (step == "X")
                recording->stop();
            else if (step == "D")
                focus = edits->deleteEntries({});
            else if (step.startsWith('+'))
                focus = recording->keyPressed(uint8_t(step.mid(1).toUInt(nullptr, 16)), selected);
            else
                focus = recording->keyReleased(uint8_t(step.mid(1).toUInt(nullptr, 16)), selected);
            // The list's selection as the window leaves it.
            if (focus.takeFocus)
                selected = focus.select.value(0, -1);
        }
        QCOMPARE(this->codes(), codes);
        QCOMPARE(int(edits->state().capture), capture);
        if (!captures.isEmpty())
            QCOMPARE(captures.last().first().value<Capture>(), Capture(capture));
        // The limit is told once the key has been handled.
        QTRY_COMPARE(prompts->texts().join('|'), told);
        QVERIFY(!edits->state().buttonFull);
        QCOMPARE(document->isModified(), !undo.isEmpty());
        if (!undo.isEmpty()) {
            // Everything of one recording is one step.
            QCOMPARE(document->undoText(), undo);
            recording->stop();
            document->undo();
            QVERIFY(!document->isModified());
        }
    }

    // The list of held keys has room for 25: a 26th key is recorded, but not
    // remembered, so its repeats are recorded too.
    void moreThan25HeldKeys()
    {
        prefill(0, 250);
        recording->start();
        for (int k = 0; k < 26; ++k)
            recording->keyPressed(uint8_t(0x10 + k), -1);
        QCOMPARE(recording->heldKeys().count(), 25);
        recording->keyPressed(0x10, -1);
        QCOMPARE(int(document->table().content(0).length), 26);
        recording->keyPressed(0x10 + 25, -1);
        QCOMPARE(int(document->table().content(0).length), 27);
        for (int k = 0; k < 26; ++k)
            recording->keyReleased(uint8_t(0x10 + k), -1);
        QCOMPARE(int(document->table().content(0).length), 53);
        QCOMPARE(recording->heldKeys().count(), 0);
    }

    // Closing while keys are captured asks first; only OK ends the capture.
    void stopForClose_data()
    {
        QTest::addColumn<bool>("oneKey"); // Insert one key instead of Start
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::newRow("recording, OK") << false << int(UserPrompts::Ok) << true;
        QTest::newRow("recording, Cancel") << false << int(UserPrompts::Cancel) << false;
        QTest::newRow("waiting for a key, OK") << true << int(UserPrompts::Ok) << true;
    }
    void stopForClose()
    {
        QFETCH(bool, oneKey);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        prefill(0, 250);
        QVERIFY(recording->stopForClose()); // nothing captured: nothing asked
        QVERIFY(prompts->asked().isEmpty());
        QVERIFY(oneKey ? recording->insertKey() : recording->start());
        prompts->answer(UserPrompts::Answer(answer));
        QCOMPARE(recording->stopForClose(), closes);
        QCOMPARE(prompts->asked().size(), 1);
        QCOMPARE(prompts->lastAsked().defaultButton, UserPrompts::Cancel);
        QCOMPARE(edits->state().capturing(), !closes);
    }

    void startWithoutActiveButton()
    {
        QVERIFY(!recording->start());
        QCOMPARE(prompts->texts(), QStringList{"Please activate a button first!"});
        // Insert one key without a button does nothing at all.
        QVERIFY(!recording->insertKey());
        QCOMPARE(prompts->texts().size(), 1);
        QVERIFY(!edits->state().capturing());
    }
};

QTEST_MAIN(TestRecordingController)
#include "test_recordingcontroller.moc"
