#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "scripttext.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"

#include <QListView>
#include <QPushButton>
#include <QtTest>

namespace {

QString sheet(const QString &colour)
{
    return "QPushButton{background-color: rgb(185, 185, 185); border-width: 1px; "
           "border-style: solid; border-color: " + colour + ";}";
}

const QString Yellow = sheet("rgb(255, 255, 0)");
const QString Red = sheet("red");
const QString Green = sheet("rgb(75, 255, 0)");
const QString Black = sheet("black");

} // namespace

class TestButtonMarks : public MainWindowFixture
{
    Q_OBJECT

    QString initialSheet;

    // The mark: the first rule of the button's style sheet (the rules behind
    // it set the caption and focus frame).
    QString mark(int number) const
    {
        const QString sheet = button(number)->styleSheet();
        return sheet.left(sheet.indexOf('}') + 1);
    }
    int listRows() const { return listView()->model()->rowCount(); }
    void load(int number, const QString &text)
    {
        const ButtonContent c = scripttext::script(text);
        edit(number - 1, entriesOf(c));
    }
    // The table's button count, as a readout of a keypad with `count` buttons
    // leaves it.
    void setButtonCount(int count)
    {
        ButtonTable t = table();
        t.buttonCount = uint8_t(count);
        window->document().takeOverReadout(t, 1);
    }
    // Shows the next message (the limit of Insert delay on a full button 20)
    // and checks that the shared box has its single OK button again.
    void expectPlainBoxNext(ModalAnswerer &answerer)
    {
        const int before = int(answerer.seen().size());
        load(20, QString("a+ ").repeated(250).trimmed());
        button(20)->click();
        button("pushButtonDelay")->click();
        QCOMPARE(int(answerer.seen().size()), before + 1);
        QCOMPARE(answerer.last().text, QString("Max. number of Keys recorded!"));
        QCOMPARE(answerer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(answerer.last().defaultButton, QMessageBox::Ok);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(openWindow());
        initialSheet = mark(1);
    }
    void cleanup() { window.reset(); }

    void restingMarksAfterSelection()
    {
        load(2, "a+ a-");
        load(3, "a+ a+ a-");
        load(4, "");
        button(2)->click();
        QCOMPARE(mark(2), Yellow);
        button(3)->click();
        QCOMPARE(mark(2), Green);
        QCOMPARE(mark(3), Yellow);
        button(4)->click();
        QCOMPARE(mark(3), Red);
        button(2)->click();
        QCOMPARE(mark(4), Black);
        // Only the left and the new button were repainted.
        QCOMPARE(mark(5), initialSheet);
        // A click on the active button changes nothing.
        load(2, "a-");
        button(2)->click();
        QCOMPARE(mark(2), Yellow);
    }

    void refreshAllMarksClearsTheSelection()
    {
        load(1, "a+ a-");
        load(2, "a-");
        load(3, "");
        button(3)->click();
        QCOMPARE(listRows(), 0);
        button(1)->click();
        QCOMPARE(listRows(), 2);
        window->refreshAllMarks();
        QCOMPARE(window->edits().state().activeButton, NoButton);
        QCOMPARE(mark(1), Green);
        QCOMPARE(mark(2), Red);
        QCOMPARE(mark(3), Black);
        QCOMPARE(mark(23), Black);
        QCOMPARE(listRows(), 0);
        QCOMPARE(status(), QString("Please select a button"));
        QVERIFY(!button("pushButtonStart")->isEnabled());
        QVERIFY(!button("pushButtonDelete")->isEnabled());
        // The same button can be selected again afterwards.
        button(1)->click();
        QCOMPARE(mark(1), Yellow);
    }

    void refreshAllMarksBeyondTheGrid()
    {
        load(23, "a-");
        load(201, "a+");
        setButtonCount(255);
        window->refreshAllMarks();
        QCOMPARE(mark(23), Red);

        // Buttons behind the count are not touched.
        setButtonCount(3);
        load(10, "a-");
        window->refreshAllMarks();
        QCOMPARE(mark(10), Black); // from the previous refresh
    }

    void possibleErrorAnsweredNo()
    {
        ModalAnswerer answerer;
        answerer.enqueue(QMessageBox::No);
        load(2, "a+ a-");
        load(4, "a- a+");
        load(9, "a+ a+ a-");
        button(4)->click();
        QVERIFY(!window->transferCheck().confirm());
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.last().title, QString("Possible Error"));
        // Every unbalanced button is red, the active one included; the
        // balanced ones are not repainted and the selection stays.
        QCOMPARE(mark(4), Red);
        QCOMPARE(mark(9), Red);
        QCOMPARE(mark(2), initialSheet);
        QCOMPARE(window->edits().state().activeButton, uint8_t(3));
        QCOMPARE(status(), QString("Button 4 active"));
        QCOMPARE(listRows(), 2);
        expectPlainBoxNext(answerer);
    }

    void possibleErrorAnsweredYes()
    {
        ModalAnswerer answerer;
        answerer.enqueue(QMessageBox::Yes);
        load(2, "a+ a-");
        load(4, "a- a+");
        button(4)->click();
        QVERIFY(window->transferCheck().confirm());
        QCOMPARE(answerer.seen().size(), 1);
        QCOMPARE(answerer.last().title, QString("Possible Error"));
        // All marks refreshed, no button active.
        QCOMPARE(window->edits().state().activeButton, NoButton);
        QCOMPARE(mark(4), Red);
        QCOMPARE(mark(2), Green);
        QCOMPARE(mark(1), Black);
        QCOMPARE(listRows(), 0);
        QCOMPARE(status(), QString("Please select a button"));
        expectPlainBoxNext(answerer);
    }
};

QTEST_MAIN(TestButtonMarks)
#include "test_buttonmarks.moc"
