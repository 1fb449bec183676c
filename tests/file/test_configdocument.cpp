// The open configuration as a document, without a window: opening, saving,
// readouts, undo across them and the modified state, each case a sequence of
// operations and the state it must leave.
#include "config/buttontable.h"
#include "document/configdocument.h"
#include "file/tkfcodec.h"
#include "support/filebytes.h"
#include "support/tablecontent.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QList<ContentEntry> DelayPair = {{ActionDelay, DelayFirstHalf},
                                       {ActionDelay, DelaySecondHalf}};
const QList<ContentEntry> KeyStroke = {{ActionPress, 0x1C}, {ActionRelease, 0x1C}};

// Button 1's script from a pattern: 'd' a delay, 'k' a key stroke.
QList<ContentEntry> script(const QString &pattern)
{
    QList<ContentEntry> entries;
    for (QChar c : pattern)
        entries += c == QLatin1Char('d') ? DelayPair : KeyStroke;
    return entries;
}

using Problems = QList<int>;

} // namespace

class TestConfigDocument : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QString path(const QString &name) const { return name.isEmpty() ? name : dir.filePath(name); }

private Q_SLOTS:
    void init()
    {
        // Afresh for each case, which may write over them. good.tkf: a delay
        // in button 1; bad.tkf: the same with a wrong signature; broken.txt:
        // a text form with a mistake on line 2.
        ButtonTable good = makeTable();
        setButton(good, 0, DelayPair);
        QByteArray bad = encodeConfig(good);
        bad[1] = char(0x3D);
        QVERIFY(writeBytes(path("good.tkf"), encodeConfig(good)));
        QVERIFY(writeBytes(path("bad.tkf"), bad));
        QVERIFY(writeBytes(path("broken.txt"), "button 1\n  NOKEY down\n"));
    }

    // Steps, separated by blanks: edit (a key stroke appended to button 1,
    // made active, as one step), open:NAME, save, saveas:NAME (empty: a cancelled dialog),
    // new, readout:N (N buttons stored), undo, redo.
    void sequences_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("modified");
        QTest::addColumn<QString>("file");       // the file path's name, empty for none
        QTest::addColumn<QString>("firstButton"); // script pattern of button 1
        QTest::addColumn<Problems>("problems");   // of the last file operation

        const Problems none;
        QTest::newRow("a new document") << "" << false << "" << "" << none;
        QTest::newRow("an edit modifies") << "edit" << true << "" << "k" << none;
        QTest::newRow("undone back to the start, without a file")
            << "edit edit undo undo" << false << "" << "" << none;
        QTest::newRow("redo modifies again") << "edit undo redo" << true << "" << "k" << none;
        QTest::newRow("open") << "edit open:good.tkf" << false << "good.tkf" << "d" << none;
        QTest::newRow("open refused: wrong signature")
            << "open:good.tkf edit open:bad.tkf" << true << "good.tkf" << "dk"
            << Problems{FileResult::NotReadable};
        QTest::newRow("open refused: missing file")
            << "open:good.tkf open:none.tkf" << false << "good.tkf" << "d"
            << Problems{FileResult::NotOpened};
        QTest::newRow("open refused: text with a mistake")
            << "edit open:broken.txt" << true << "" << "k" << Problems{FileResult::TextNotRead};
        QTest::newRow("save without a file") << "edit save" << true << "" << "k"
                                             << Problems{FileResult::NoPath};
        QTest::newRow("save as names and cleans")
            << "edit saveas:out.tkf" << false << "out.tkf" << "k" << none;
        QTest::newRow("save after an edit") << "open:good.tkf edit save" << false << "good.tkf"
                                            << "dk" << none;
        QTest::newRow("save as failing keeps the old name")
            << "open:good.tkf edit saveas:nofolder/x.tkf" << true << "good.tkf" << "dk"
            << Problems{FileResult::NotWritten};
        QTest::newRow("save as cancelled keeps the old name")
            << "open:good.tkf edit saveas:" << true << "good.tkf" << "dk"
            << Problems{FileResult::NoPath};
        QTest::newRow("text form written and read back")
            << "edit edit saveas:keys.txt new open:keys.txt" << false << "keys.txt" << "kk"
            << none;
        QTest::newRow("new") << "open:good.tkf edit new" << false << "" << "" << none;
        QTest::newRow("readout complete: unnamed and modified")
            << "open:good.tkf readout:23" << true << "" << "k" << none;
        QTest::newRow("readout broken off after two buttons")
            << "open:good.tkf readout:2" << true << "" << "k" << none;
        QTest::newRow("readout storing nothing changes nothing")
            << "open:good.tkf readout:0" << false << "good.tkf" << "d" << none;
        QTest::newRow("readout undone: the file and its name again")
            << "open:good.tkf readout:3 undo" << false << "good.tkf" << "d" << none;
        QTest::newRow("readout redone") << "open:good.tkf readout:3 undo redo" << true << ""
                                        << "k" << none;
        QTest::newRow("open undone: the saved configuration, away from its clean point")
            << "edit saveas:a.tkf open:good.tkf undo" << true << "a.tkf" << "k" << none;
        QTest::newRow("undone past a save, then changed: modified for good")
            << "edit saveas:a.tkf undo edit undo" << true << "a.tkf" << "" << none;
    }
    void sequences()
    {
        QFETCH(QString, steps);
        QFETCH(bool, modified);
        QFETCH(QString, file);
        QFETCH(QString, firstButton);
        QFETCH(Problems, problems);

        ConfigDocument document;
        const ButtonTable &table = document.table();
        QSignalSpy modifiedSpy(&document, &ConfigDocument::modifiedChanged);
        QSignalSpy fileSpy(&document, &ConfigDocument::fileChanged);
        FileResult last{true, {}, 0, QString(), QString()};
        for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString verb = step.section(QLatin1Char(':'), 0, 0);
            const QString argument = step.section(QLatin1Char(':'), 1);
            if (verb == "edit") {
                document.insertEntries(0, table.content(0).length, KeyStroke, "Edit");
            } else if (verb == "open") {
                last = document.open(path(argument));
            } else if (verb == "save") {
                last = document.save();
            } else if (verb == "saveas") {
                last = document.saveAs(path(argument));
            } else if (verb == "new") {
                document.newConfiguration();
            } else if (verb == "readout") {
                // As the transfer leaves its table: the keypad's counts,
                // then one button after the other.
                ButtonTable readout = table;
                readout.maxEntries = 100;
                for (int i = 0; i < argument.toInt(); ++i)
                    setButton(readout, i, KeyStroke);
                document.takeOverReadout(readout, argument.toInt());
            } else if (verb == "undo") {
                document.undo();
            } else if (verb == "redo") {
                document.redo();
            } else {
                QFAIL(qPrintable("unknown step " + step));
            }
        }

        QCOMPARE(document.isModified(), modified);
        QCOMPARE(document.filePath(), path(file));
        QCOMPARE(document.shownName(), file.isEmpty() ? QString("QM47_File") : path(file));
        QCOMPARE(entriesOf(table, 0), script(firstButton));
        Problems found;
        for (FileResult::Problem p : last.problems)
            found << int(p);
        QCOMPARE(found, problems);
        QCOMPARE(last.done, problems.isEmpty());
        // The signals agree with the state they announce.
        if (!modifiedSpy.isEmpty())
            QCOMPARE(modifiedSpy.last().at(0).toBool(), modified);
        if (!fileSpy.isEmpty())
            QCOMPARE(fileSpy.last().at(0).toString(), document.shownName());
        // Whatever was written holds the table as it was then; what is open
        // and unmodified equals its file.
        if (!modified && !file.isEmpty() && file.endsWith(".tkf"))
            QCOMPARE(readAll(path(file)), encodeConfig(table));
    }
};

QTEST_GUILESS_MAIN(TestConfigDocument)
#include "test_configdocument.moc"
