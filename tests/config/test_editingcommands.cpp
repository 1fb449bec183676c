#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "keyboard/recordingstate.h"
#include "scripttext.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include <algorithm>

using scripttext::text;

namespace {
using Rows = QList<int>;
}

class TestEditingCommands : public MainWindowFixture
{
    Q_OBJECT

    QPushButton *command(const QString &name) const
    {
        return window->findChild<QPushButton *>("pushButton" + name);
    }
    ButtonContent &active() const { return *ButtonTable::instance().activeContent(); }
    ButtonTable &table() const { return ButtonTable::instance(); }

    // Puts a script into button 1, makes it active and selects `rows`
    // through the view's selection model.
    void start(const QString &script, const Rows &rows = {})
    {
        ButtonContent &c = table().content(0);
        scripttext::setScript(c, script);
        // Marks the slots behind the script, to see that nothing reaches them.
        for (int i = c.length; i < ButtonContent::Capacity; ++i)
            c.entries[i] = {99, 99};
        button(1)->click();
        QCOMPARE(table().selectedButton, uint8_t(0));
        select(rows);
    }
    void select(const Rows &rows)
    {
        QItemSelectionModel *selection = listView()->selectionModel();
        selection->clearSelection();
        for (int row : rows)
            selection->select(listView()->model()->index(row, 0), QItemSelectionModel::Select);
    }
    Rows selectedRows() const
    {
        Rows rows;
        for (const QModelIndex &index : listView()->selectionModel()->selectedIndexes())
            rows << index.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
    bool slotsBehindUntouched() const
    {
        const ButtonContent &c = table().content(0);
        for (int i = c.length + 2; i < ButtonContent::Capacity; ++i)
            if (c.entries[i] != ContentEntry{99, 99})
                return false;
        return true;
    }
    bool rowVisible(int row) const
    {
        const QRect rect = listView()->visualRect(listView()->model()->index(row, 0));
        return listView()->viewport()->rect().contains(rect);
    }
    static QString letters(int count)
    {
        QStringList tokens;
        for (int i = 0; i < count; ++i)
            tokens << QString("%1:%2").arg(i % 2 ? 3 : 2).arg(0x40 + (i / 2) % 26);
        return tokens.join(' ');
    }

private Q_SLOTS:
    void init()
    {
        clearRecordingState();
        QVERIFY(openWindow());
    }
    void cleanup()
    {
        RecordingState::instance().recordingFlag = 0;
        window.reset();
        table().maxEntries = ButtonTable::DefaultMaxEntries;
    }

    void moves_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("after");
        QTest::addColumn<Rows>("selectedAfter");
        QTest::addColumn<bool>("modified");

        QTest::newRow("up at the top does nothing")
            << "a+ b+ c+" << Rows{0} << "Up" << "a+ b+ c+" << Rows{0} << false;
        QTest::newRow("down at the bottom does nothing")
            << "a+ b+ c+" << Rows{2} << "Down" << "a+ b+ c+" << Rows{2} << false;
        QTest::newRow("up at the top completes the delay")
            << "[ ] a+" << Rows{1} << "Up" << "[ ] a+" << Rows{0, 1} << false;
        QTest::newRow("down at the bottom completes the delay")
            << "a+ [ ]" << Rows{1} << "Down" << "a+ [ ]" << Rows{1, 2} << false;
        QTest::newRow("nothing selected")
            << "a+ b+" << Rows{} << "Up" << "a+ b+" << Rows{} << false;
        QTest::newRow("single up") << "a+ b+ c+" << Rows{2} << "Up" << "a+ c+ b+" << Rows{1} << true;
        QTest::newRow("single down") << "a+ b+ c+" << Rows{0} << "Down" << "b+ a+ c+" << Rows{1}
                                     << true;
        QTest::newRow("release jumps over a delay")
            << "a+ [ ] a-" << Rows{3} << "Up" << "a+ a- [ ]" << Rows{1} << true;
        QTest::newRow("press jumps over a delay")
            << "a+ [ ] a-" << Rows{0} << "Down" << "[ ] a+ a-" << Rows{2} << true;
        QTest::newRow("0.5s moves its whole delay up")
            << "a+ [ ] a-" << Rows{2} << "Up" << "[ ] a+ a-" << Rows{0, 1} << true;
        QTest::newRow("Delay moves its whole delay down")
            << "a+ [ ] a-" << Rows{1} << "Down" << "a+ a- [ ]" << Rows{2, 3} << true;
        QTest::newRow("lower delay swaps with the upper one")
            << "[ ] [ ] a+" << Rows{3} << "Up" << "[ ] [ ] a+" << Rows{0, 1} << false;
        QTest::newRow("block up") << "a+ b+ c+ d+" << Rows{1, 2} << "Up" << "b+ c+ a+ d+"
                                  << Rows{0, 1} << true;
        QTest::newRow("block down") << "a+ b+ c+ d+" << Rows{1, 2} << "Down" << "a+ d+ b+ c+"
                                    << Rows{2, 3} << true;
        QTest::newRow("block down over a delay")
            << "a+ b+ [ ] c+" << Rows{0, 1} << "Down" << "[ ] a+ b+ c+" << Rows{2, 3} << true;
        QTest::newRow("block up over a delay")
            << "c+ [ ] a+ b+" << Rows{3, 4} << "Up" << "c+ a+ b+ [ ]" << Rows{1, 2} << true;
        QTest::newRow("block with a delay inside")
            << "x+ a+ [ ] b+" << Rows{1, 2, 3, 4} << "Up" << "a+ [ ] b+ x+" << Rows{0, 1, 2, 3}
            << true;
        QTest::newRow("scattered rows up")
            << "a+ b+ c+ d+ e+" << Rows{1, 3} << "Up" << "b+ a+ d+ c+ e+" << Rows{0, 2} << true;
        // Scripts with a lone delay half (possible from a device).
        QTest::newRow("lone half at the top, block up")
            << "] a+ b+" << Rows{1, 2} << "Up" << "a+ b+ ]" << Rows{0, 1} << true;
        QTest::newRow("lone half at the bottom, down")
            << "a+ [" << Rows{0} << "Down" << "[ a+" << Rows{1} << true;
        QTest::newRow("lone half selected at the top, down")
            << "] a+ a-" << Rows{0} << "Down" << "a+ ] a-" << Rows{1} << true;
        QTest::newRow("lone half does not drag a key along")
            << "a+ ] b+" << Rows{1} << "Up" << "] a+ b+" << Rows{0} << true;
    }

    void moves()
    {
        QFETCH(QString, script);
        QFETCH(Rows, rows);
        QFETCH(QString, button);
        QFETCH(QString, after);
        QFETCH(Rows, selectedAfter);
        QFETCH(bool, modified);
        start(script, rows);
        command(button)->click();
        QCOMPARE(text(active()), after);
        QCOMPARE(selectedRows(), selectedAfter);
        QCOMPARE(window->document().isModified(), bool(modified));
        QVERIFY(slotsBehindUntouched());
        if (modified)
            QCOMPARE(window->focusWidget(), static_cast<QWidget *>(listView()));
    }

    void movesScrollTheSelectionIntoView()
    {
        start(letters(120), {60});
        listView()->scrollToTop();
        QVERIFY(!rowVisible(59));
        command("Up")->click();
        QCOMPARE(selectedRows(), Rows{59});
        QVERIFY(rowVisible(59));

        select({100, 101});
        listView()->scrollToTop();
        command("Down")->click();
        QCOMPARE(selectedRows(), (Rows{101, 102}));
        QVERIFY(rowVisible(102));
    }

    void commandsWithoutActiveButton()
    {
        ModalAnswerer answerer;
        scripttext::setScript(table().content(0), "a+ a-");
        for (const char *name : {"Up", "Down", "Delete", "Delay"})
            QMetaObject::invokeMethod(window.get(),
                                      qPrintable(QString("on_pushButton%1_clicked").arg(name)));
        QCOMPARE(text(table().content(0)), QString("a+ a-"));
        QCOMPARE(window->document().isModified(), bool(0));
        QVERIFY(answerer.seen().isEmpty());
    }

    void deletes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<bool>("recording");
        QTest::addColumn<QString>("after");
        QTest::addColumn<Rows>("selectedAfter");

        QTest::newRow("nothing selected: last entry")
            << "a+ a- b+" << Rows{} << false << "a+ a-" << Rows{};
        QTest::newRow("nothing selected: trailing delay")
            << "a+ a- [ ]" << Rows{} << false << "a+ a-" << Rows{};
        QTest::newRow("recording: last entry whatever is selected")
            << "a+ a- b+" << Rows{0} << true << "a+ a-" << Rows{};
        QTest::newRow("recording: trailing delay")
            << "a+ [ ]" << Rows{0} << true << "a+" << Rows{};
        QTest::newRow("rows 3 to 5") << "a+ b+ c+ d+ e+ f+ g+" << Rows{3, 4, 5} << false
                                     << "a+ b+ c+ g+" << Rows{2};
        QTest::newRow("rows 0 and 1") << "a+ b+ c+ d+" << Rows{0, 1} << false << "c+ d+"
                                      << Rows{};
        QTest::newRow("top row") << "a+ a-" << Rows{0} << false << "a-" << Rows{};
        QTest::newRow("the only row") << "a+" << Rows{0} << false << "" << Rows{};
        QTest::newRow("half of a delay takes the other")
            << "a+ [ ] a-" << Rows{2} << false << "a+ a-" << Rows{0};
        QTest::newRow("scattered rows") << "a+ b+ c+ d+ e+" << Rows{1, 3} << false << "a+ c+ e+"
                                        << Rows{1};
        // Lone delay halves (from a device) go alone and never take more.
        QTest::newRow("lone half, nothing selected") << "]" << Rows{} << false << "" << Rows{};
        QTest::newRow("lone second half at the end")
            << "a+ ]" << Rows{} << false << "a+" << Rows{};
        QTest::newRow("lone first half at the end")
            << "a+ a- [" << Rows{} << false << "a+ a-" << Rows{};
        QTest::newRow("lone half selected at the top")
            << "] a+ a-" << Rows{0} << false << "a+ a-" << Rows{};
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
        start(script, rows);
        RecordingState::instance().recordingFlag = recording ? 1 : 0;
        command("Delete")->click();
        QCOMPARE(text(active()), after);
        QCOMPARE(selectedRows(), selectedAfter);
        QCOMPARE(window->document().isModified(), bool(1));
    }

    void deleteOnEmptyButtonChangesNothing()
    {
        start("");
        command("Delete")->click();
        QCOMPARE(active().length, uint8_t(0));
        QCOMPARE(window->document().isModified(), bool(0));
    }

    void deleteScrolls()
    {
        start(letters(120));
        listView()->scrollToTop();
        command("Delete")->click();
        QCOMPARE(int(active().length), 119);
        QCOMPARE(listView()->verticalScrollBar()->value(),
                 listView()->verticalScrollBar()->maximum());

        select({90, 91});
        listView()->scrollToTop();
        command("Delete")->click();
        QCOMPARE(selectedRows(), Rows{89});
        QVERIFY(rowVisible(89));
        QCOMPARE(window->focusWidget(), static_cast<QWidget *>(listView()));
    }

    void delayLimit_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("maxEntries");
        QTest::addColumn<bool>("inserted");

        QTest::newRow("248 of 250") << 248 << 250 << true;
        QTest::newRow("249 of 250") << 249 << 250 << false;
        QTest::newRow("250 of 250") << 250 << 250 << false;
        QTest::newRow("device maximum 0") << 0 << 0 << false;
        QTest::newRow("device maximum 255, 253 used") << 253 << 255 << true;
    }

    void delayLimit()
    {
        QFETCH(int, length);
        QFETCH(int, maxEntries);
        QFETCH(bool, inserted);
        ModalAnswerer answerer;
        start(letters(length));
        table().maxEntries = uint16_t(maxEntries);
        command("Delay")->click();
        QCOMPARE(int(active().length), inserted ? length + 2 : length);
        QCOMPARE(window->document().isModified(), bool(inserted));
        if (inserted) {
            QVERIFY(answerer.seen().isEmpty());
            QCOMPARE(text(active()).right(3), QString("[ ]"));
        } else {
            QCOMPARE(answerer.seen().size(), 1);
            QCOMPARE(answerer.last().title, QString("Information"));
            QCOMPARE(answerer.last().text, QString("Max. number of Keys recorded!"));
            QCOMPARE(answerer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
    }

    void insertDelay_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<QString>("after");
        QTest::addColumn<Rows>("selectedAfter");

        QTest::newRow("nothing selected appends") << "a+ a-" << Rows{} << "a+ a- [ ]" << Rows{};
        QTest::newRow("empty button") << "" << Rows{} << "[ ]" << Rows{};
        QTest::newRow("behind the selected row")
            << "a+ b+ c+" << Rows{1} << "a+ b+ [ ] c+" << Rows{3};
        QTest::newRow("behind the bottom-most selected row")
            << "a+ b+ c+" << Rows{2, 0} << "a+ b+ c+ [ ]" << Rows{4};
        QTest::newRow("between the halves of a delay")
            << "[ ]" << Rows{0} << "[ [ ] ]" << Rows{2};
        QTest::newRow("behind a delay's second half")
            << "[ ] a+" << Rows{1} << "[ ] [ ] a+" << Rows{3};
    }

    void insertDelay()
    {
        QFETCH(QString, script);
        QFETCH(Rows, rows);
        QFETCH(QString, after);
        QFETCH(Rows, selectedAfter);
        start(script, rows);
        command("Delay")->click();
        QCOMPARE(text(active()), after);
        QCOMPARE(selectedRows(), selectedAfter);
        QCOMPARE(window->document().isModified(), bool(1));
        QCOMPARE(window->focusWidget(), static_cast<QWidget *>(listView()));
    }

    void insertDelayScrolls()
    {
        start(letters(120));
        listView()->scrollToTop();
        command("Delay")->click();
        QCOMPARE(listView()->verticalScrollBar()->value(),
                 listView()->verticalScrollBar()->maximum());
        QVERIFY(rowVisible(121));

        select({80});
        listView()->scrollToTop();
        command("Delay")->click();
        QCOMPARE(selectedRows(), Rows{82});
        QVERIFY(rowVisible(82));
    }
};

QTEST_MAIN(TestEditingCommands)
#include "test_editingcommands.moc"
