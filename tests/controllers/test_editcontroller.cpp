// The editing commands on the active button's script, without a window: the
// script they leave, the rows they select, the undo step they keep and what
// they tell the user.
#include "config/scripttext.h"
#include "file/tkftext.h"
#include "keyboard/contentrowtext.h"
#include "support/editingfixture.h"

#include <QClipboard>
#include <QGuiApplication>

using scripttext::text;
using Rows = QList<int>;

class TestEditController : public QObject, EditingFixture
{
    Q_OBJECT

    // Button 1 holds `script` with room for `maxEntries`, saved and active.
    void start(const QString &script, int maxEntries = 250)
    {
        ButtonTable table;
        table.maxEntries = uint16_t(maxEntries);
        scripttext::setScript(table.content(0), script);
        QVERIFY(startWith(table));
    }
    QString script() const { return text(document->table().content(0)); }
    static QString letters(int count)
    {
        QStringList tokens;
        for (int i = 0; i < count; ++i)
            tokens << QString("%1:%2").arg(i % 2 ? 3 : 2).arg(0x40 + (i / 2) % 26);
        return tokens.join(' ');
    }

private Q_SLOTS:
    void init() { renew(); }

    // The controller's part of a move: whole delays, the ends, the selection
    // and the undo step. How blocks travel is the editing functions' table.
    void moves_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("after");
        QTest::addColumn<Rows>("selectedAfter");

        const int up = MoveUp, down = MoveDown;
        QTest::newRow("up at the top does nothing") << "a+ b+ c+" << Rows{0} << up << "a+ b+ c+" << Rows{0};
        QTest::newRow("down at the bottom does nothing")
            << "a+ b+ c+" << Rows{2} << down << "a+ b+ c+" << Rows{2};
        QTest::newRow("up at the top completes the delay")
            << "[ ] a+" << Rows{1} << up << "[ ] a+" << Rows{0, 1};
        QTest::newRow("nothing selected") << "a+ b+" << Rows{} << up << "a+ b+" << Rows{};
        QTest::newRow("single up") << "a+ b+ c+" << Rows{2} << up << "a+ c+ b+" << Rows{1};
        QTest::newRow("single down") << "a+ b+ c+" << Rows{0} << down << "b+ a+ c+" << Rows{1};
        QTest::newRow("a delay half moves its whole delay")
            << "a+ [ ] a-" << Rows{2} << up << "[ ] a+ a-" << Rows{0, 1};
        QTest::newRow("lone half does not drag a key along")
            << "a+ ] b+" << Rows{1} << up << "] a+ b+" << Rows{0};
    }
    void moves()
    {
        QFETCH(QString, script);
        QFETCH(Rows, rows);
        QFETCH(int, direction);
        QFETCH(QString, after);
        QFETCH(Rows, selectedAfter);
        start(script);
        const ListFocus focus = edits->move(rows, direction);
        QCOMPARE(this->script(), after);
        QCOMPARE(focus.select, selectedAfter);
        const bool moved = after != script;
        QCOMPARE(document->isModified(), moved);
        if (moved) {
            QCOMPARE(document->undoText(), direction == MoveUp ? "Move up" : "Move down");
            QCOMPARE(focus.inSight, direction == MoveUp ? selectedAfter.first() : selectedAfter.last());
        }
    }

    void deletes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<QString>("after");
        QTest::addColumn<Rows>("selectedAfter");

        QTest::newRow("nothing selected: last entry") << "a+ a- b+" << Rows{} << false << "a+ a-" << Rows{};
        QTest::newRow("nothing selected: trailing delay") << "a+ a- [ ]" << Rows{} << false << "a+ a-" << Rows{};
        QTest::newRow("recording: last entry whatever is selected")
            << "a+ a- b+" << Rows{0} << true << "a+ a-" << Rows{};
        QTest::newRow("recording: trailing delay") << "a+ [ ]" << Rows{0} << true << "a+" << Rows{};
        QTest::newRow("rows 3 to 5") << "a+ b+ c+ d+ e+ f+ g+" << Rows{3, 4, 5} << false
                                     << "a+ b+ c+ g+" << Rows{2};
        QTest::newRow("rows 0 and 1") << "a+ b+ c+ d+" << Rows{0, 1} << false << "c+ d+" << Rows{};
        QTest::newRow("half of a delay takes the other") << "a+ [ ] a-" << Rows{2} << false << "a+ a-" << Rows{0};
        QTest::newRow("scattered rows") << "a+ b+ c+ d+ e+" << Rows{1, 3} << false << "a+ c+ e+" << Rows{1};
        QTest::newRow("lone first half at the end") << "a+ a- [" << Rows{} << false << "a+ a-" << Rows{};
        QTest::newRow("lone half does not take a key with it")
            << "a+ ] b+" << Rows{1} << false << "a+ b+" << Rows{0};
    }
    void deletes()
    {
        QFETCH(QString, script);
        QFETCH(Rows, rows);
        QFETCH(bool, recording);
        QFETCH(QString, after);
        QFETCH(Rows, selectedAfter);
        start(script);
        if (recording) {
            edits->setRecordingStep(7, "Recording");
            edits->setCapture(Capture::Recording);
        }
        const ListFocus focus = edits->deleteEntries(rows);
        QCOMPARE(this->script(), after);
        QCOMPARE(focus.select, selectedAfter);
        QCOMPARE(focus.toEnd, recording || rows.isEmpty());
        QVERIFY(document->isModified());
        // During a recording the delete is part of the recording's step.
        QCOMPARE(document->undoText(), recording ? "Recording" : "Delete");
    }

    void insertDelay_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<QString>("after"); // empty: refused
        QTest::addColumn<Rows>("selectedAfter");

        QTest::newRow("nothing selected appends") << "a+ a-" << Rows{} << 250 << "a+ a- [ ]" << Rows{};
        QTest::newRow("behind the bottom-most selected row")
            << "a+ b+ c+" << Rows{0, 2} << 250 << "a+ b+ c+ [ ]" << Rows{4};
        QTest::newRow("between the halves of a delay") << "[ ]" << Rows{0} << 250 << "[ [ ] ]" << Rows{2};
        // Where the room ends is the editing functions' table; here, what is told.
        QTest::newRow("249 of 250") << letters(249) << Rows{} << 250 << "" << Rows{};
    }
    void insertDelay()
    {
        QFETCH(QString, script);
        QFETCH(Rows, rows);
        QFETCH(int, maxEntries);
        QFETCH(QString, after);
        QFETCH(Rows, selectedAfter);
        start(script, maxEntries);
        const ListFocus focus = edits->insertDelay(rows);
        const bool refused = after.isEmpty();
        QCOMPARE(this->script(), text(scripttext::script(refused ? script : after)));
        QCOMPARE(focus.select, selectedAfter);
        QCOMPARE(document->isModified(), !refused);
        QCOMPARE(prompts->texts(),
                 refused ? QStringList{"Max. number of Keys recorded!"} : QStringList{});
    }

    void nothingWithoutActiveButton()
    {
        start("a+ a-");
        edits->clearActiveButton();
        QGuiApplication::clipboard()->setText("A down\n");
        for (const ListFocus &focus : {edits->move({0}, MoveDown), edits->deleteEntries({}),
                                       edits->insertDelay({}), edits->cut({}), edits->paste({})})
            QVERIFY(!focus.takeFocus);
        QCOMPARE(edits->roomForText(), 0);
        QCOMPARE(script(), QString("a+ a-"));
        QVERIFY(!document->isModified());
        QVERIFY(prompts->asked().isEmpty());
    }

    void buttonsAreRefusedWhileCapturing()
    {
        start("a+");
        QSignalSpy changes(edits.get(), &EditController::activeButtonChanged);
        QVERIFY(!edits->selectButton(0)); // already active
        edits->setCapture(Capture::KeyInsert);
        QVERIFY(!edits->selectButton(3));
        edits->undo(); // refused as well: the step before stays
        QCOMPARE(document->undoText(), "Get device configuration");
        edits->setCapture(Capture::None);
        QVERIFY(edits->selectButton(3));
        QCOMPARE(changes.size(), 1);
        QCOMPARE(changes.first(), (QVariantList{0, 3}));
    }

    void cutCopyAndPaste()
    {
        start("a+ [ ] b+ a-");
        // The second half of a delay and b+: the delay is copied whole.
        edits->copy({2, 3});
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 scriptToText({{ActionDelay, DelayFirstHalf}, {ActionDelay, DelaySecondHalf},
                               scripttext::entryFrom("b+")},
                              1));
        QVERIFY(!document->isModified());

        // Pasted behind the first half of a delay: behind the whole pair.
        ListFocus focus = edits->paste({1});
        QCOMPARE(script(), QString("a+ [ ] [ ] b+ b+ a-"));
        QCOMPARE(focus.select, (Rows{3, 4, 5}));
        QCOMPARE(document->undoText(), "Paste");

        // Cut takes the rows (and a delay whole) and selects the row above.
        focus = edits->cut({5});
        QCOMPARE(script(), QString("a+ [ ] [ ] b+ a-"));
        QCOMPARE(QGuiApplication::clipboard()->text(), scriptToText({scripttext::entryFrom("b+")}, 1));
        QCOMPARE(document->undoText(), "Cut");
        QCOMPARE(focus.select, Rows{4});
        // Nothing selected: the whole script.
        edits->cut({});
        QCOMPARE(script(), QString());
        document->undo();
        QCOMPARE(script(), QString("a+ [ ] [ ] b+ a-"));
    }

    void pasteRefusals_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<QString>("told");
        QTest::newRow("no script") << "A down\nA sideways\n" << 250
                                   << "Error: The clipboard does not hold a button script.\n"
                                      "Line 2: \"sideways\" is not an action";
        QTest::newRow("no entries") << "" << 250 << "Information: The clipboard holds no entries to paste.";
        QTest::newRow("no room") << "A down\nA up\nB down\n" << 4
                                 << "Information: Max. number of Keys recorded!\n"
                                    "3 entries are needed; the button has room for 2.";
    }
    void pasteRefusals()
    {
        QFETCH(QString, clipboard);
        QFETCH(int, maxEntries);
        QFETCH(QString, told);
        start("a+ a-", maxEntries);
        QGuiApplication::clipboard()->setText(clipboard);
        QVERIFY(!edits->paste({}).takeFocus);
        QCOMPARE(script(), QString("a+ a-"));
        QCOMPARE(prompts->asked().size(), 1);
        const QString shown = prompts->lastAsked().title + ": " + prompts->lastAsked().text;
        QVERIFY2(shown.startsWith(told), qPrintable(shown));
    }

    void typeText_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("typed"); // named in the layout's table
        QTest::addColumn<QString>("refused");
        QTest::newRow("German Z and umlaut")
            << 0x407 << "Z\u00F6" << "LSHIFT down, Z down, Z up, LSHIFT up, \u00D6 down, \u00D6 up" << "";
        QTest::newRow("English Hi!") << 0x409 << "Hi!"
            << "LSHIFT down, H down, H up, LSHIFT up, I down, I up, LSHIFT down, 1 down, 1 up, LSHIFT up"
            << "";
        QTest::newRow("English umlaut") << 0x409 << "a\u00F6b\u20AC\u00F6" << "" << "\u00F6 \u20AC";
        QTest::newRow("control character") << 0x409 << "a\u0007" << "" << "U+0007";
    }
    void typeText()
    {
        QFETCH(int, layout);
        QFETCH(QString, text);
        QFETCH(QString, typed);
        QFETCH(QString, refused);
        start("");
        const NameTable names = nameTableFor(layout);
        bool accepted = false;
        edits->typeText({}, text, names, &accepted);
        QStringList rows;
        for (const ContentEntry &e : document->table().content(0).entries)
            if (rows.size() < document->table().content(0).length)
                rows << contentRowText(e, names);
        QCOMPARE(rows.join(", "), typed);
        QCOMPARE(accepted, refused.isEmpty());
        if (!refused.isEmpty())
            QVERIFY2(prompts->lastAsked().text.endsWith(refused), qPrintable(prompts->lastAsked().text));
    }

    void roomForText_data()
    {
        QTest::addColumn<int>("used");
        QTest::addColumn<int>("room");
        QTest::newRow("room for one character") << 248 << 2;
        QTest::newRow("one entry left is none") << 249 << 0;
    }
    void roomForText()
    {
        QFETCH(int, used);
        QFETCH(int, room);
        start(letters(used));
        QCOMPARE(edits->roomForText(), room);
        QCOMPARE(prompts->asked().size(), room == 0 ? 1 : 0);
    }
};

QTEST_MAIN(TestEditController)
#include "test_editcontroller.moc"
