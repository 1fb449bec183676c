// The wiring of every editing command through a real main window (offscreen):
// each one undone and redone from the menu; shortcuts, recent files and the
// file argument.
#include "app/mainwindow.h"
#include "app/typetextdialog.h"
#include "serial/portlist.h"
#include "file/tkffile.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"
#include "support/portdialoganswerer.h"
#include "support/tablecontent.h"

#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

namespace {

enum XKey : uint32_t { XA = 38, XB = 56 };

const ContentEntry Delay1{ActionDelay, DelayFirstHalf};
const ContentEntry Delay2{ActionDelay, DelaySecondHalf};
ContentEntry down(uint8_t k) { return {ActionPress, k}; }
ContentEntry up(uint8_t k) { return {ActionRelease, k}; }

// Answers the Type text dialog with `text` when it opens; should it open
// again, remembers the text it offers then and cancels it.
class TypeTextAnswerer : public QObject
{
public:
    explicit TypeTextAnswerer(QString text) : text_(std::move(text))
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            if (auto *d = qobject_cast<TypeTextDialog *>(QApplication::activeModalWidget())) {
                auto *edit = d->findChild<QLineEdit *>("lineEditText");
                if (answered_) {
                    offeredAgain = edit->text();
                    d->reject();
                    return;
                }
                edit->setText(text_);
                answered_ = true;
                d->accept();
            }
        });
        timer_.start(5);
    }

    QString offeredAgain;

private:
    QString text_;
    bool answered_ = false;
    QTimer timer_;
};

} // namespace

class TestEditing : public MainWindowFixture
{
    Q_OBJECT

    QTemporaryDir dir;

    void selectRows(const QList<int> &rows)
    {
        listView()->selectionModel()->clearSelection();
        for (int r : rows)
            listView()->selectionModel()->select(listView()->model()->index(r, 0),
                                                 QItemSelectionModel::Select);
    }
    // Button 1: A stroke; button 2: B down, delay, B up, C stroke; button 2
    // active and the configuration saved.
    void fillAndSelect()
    {
        edit(0, {down(0x1C), up(0x1C)});
        edit(1, {down(0x32), Delay1, Delay2, up(0x32), down(0x21), up(0x21)});
        // Saved, so that New asks nothing.
        QVERIFY(window->document().saveAs(dir.filePath("start.tkf")).done);
        button(2)->click();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.filePath("settings"));
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.filePath("settings"));
    }
    void init()
    {
        QVERIFY(openFreshWindow());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window->on_pushButtonStop_clicked();
        window.reset();
    }

    void undoRedoRestoresTheTable_data()
    {
        // A button or action by name, or a step the test plays itself.
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("rows");
        QTest::newRow("insert delay") << "pushButtonDelay" << QList<int>{3};
        QTest::newRow("move up") << "pushButtonUp" << QList<int>{4};
        QTest::newRow("move down") << "pushButtonDown" << QList<int>{0};
        QTest::newRow("delete a delay") << "delete key" << QList<int>{2};
        QTest::newRow("delete the last") << "pushButtonDelete" << QList<int>{};
        QTest::newRow("recording") << "recording" << QList<int>{};
        QTest::newRow("insert one key") << "insert key" << QList<int>{0};
        QTest::newRow("cut") << "actionCut" << QList<int>{4, 5};
        QTest::newRow("paste") << "paste" << QList<int>{1};
        QTest::newRow("type text") << "type text" << QList<int>{};
        QTest::newRow("new") << "actionNew" << QList<int>{};
    }
    void undoRedoRestoresTheTable()
    {
        QFETCH(QString, command);
        QFETCH(QList<int>, rows);
        ModalAnswerer boxes;
        fillAndSelect();
        selectRows(rows);
        const ButtonTable before = table();
        const QString labelBefore = fileLabel();

        if (command.startsWith("pushButton")) {
            button(qPrintable(command))->click();
        } else if (command.startsWith("action")) {
            action(qPrintable(command))->trigger();
        } else if (command == "delete key") { // in the list
            listView()->setFocus();
            QTest::keyClick(window->windowHandle(), Qt::Key_Delete);
        } else if (command == "recording") {
            button("pushButtonStart")->click();
            for (auto [type, code] : {std::pair{QEvent::KeyPress, XA}, {QEvent::KeyPress, XB},
                                      {QEvent::KeyRelease, XA}, {QEvent::KeyRelease, XB}})
                key(type, code);
            button("pushButtonStop")->click();
        } else if (command == "insert key") {
            button("pushButtonKey")->click();
            key(QEvent::KeyPress, XB);
        } else if (command == "paste") {
            QGuiApplication::clipboard()->setText("LSHIFT down\nLSHIFT up");
            action("actionPaste")->trigger();
        } else if (command == "type text") {
            TypeTextAnswerer answer("Ab c");
            action("actionType_text")->trigger();
        } else {
            QFAIL("no such command");
        }
        QVERIFY2(boxes.seen().isEmpty(), qPrintable(boxes.last().text));
        QVERIFY(!sameContents(table(), before));
        const ButtonTable after = table();
        const QString labelAfter = fileLabel();

        for (int round = 0; round < 2; ++round) {
            action("actionUndo")->trigger();
            QVERIFY2(sameContents(table(), before), qPrintable(firstDifference(table(), before, 256)));
            QCOMPARE(fileLabel(), labelBefore);
            action("actionRedo")->trigger();
            QVERIFY2(sameContents(table(), after), qPrintable(firstDifference(table(), after, 256)));
            QCOMPARE(fileLabel(), labelAfter);
        }
    }

    // Keys during a recording are recorded, never taken as shortcuts.
    void shortcutsInertWhileRecording()
    {
        ModalAnswerer boxes;
        button(1)->click();
        button("pushButtonDelay")->click();
        const QList<ContentEntry> delayOnly = entriesOf(table(), 0);
        QWindow *w = window->windowHandle();
        const auto press = [w](QKeySequence::StandardKey k) {
            const QKeyCombination c = QKeySequence(k)[0];
            QTest::keyClick(w, c.key(), c.keyboardModifiers());
        };

        button("pushButtonStart")->click();
        for (auto k : {QKeySequence::Undo, QKeySequence::Delete, QKeySequence::New,
                       QKeySequence::SelectAll, QKeySequence::HelpContents})
            press(k);
        QVERIFY2(boxes.seen().isEmpty(), qPrintable(boxes.last().text));
        QCOMPARE(window->edits().state().capture, Capture::Recording);
        QVERIFY(entriesOf(table(), 0).size() > delayOnly.size() + 5);
        QCOMPARE(entriesOf(table(), 0).mid(0, 2), delayOnly);
        button("pushButtonStop")->click();

        // Idle again, the same key undoes the recording as one step, then the delay.
        press(QKeySequence::Undo);
        QCOMPARE(entriesOf(table(), 0), delayOnly);
        press(QKeySequence::Undo);
        QCOMPARE(entriesOf(table(), 0), QList<ContentEntry>());
    }

    // The recent files and the port chosen last outlive the window: after a
    // restart the File menu lists the files, an entry opens its file and the
    // menu follows the list, and the port is offered again.
    void recentFilesAndPortSurviveARestart()
    {
        ModalAnswerer boxes;
        QSettings("QM-47", "qm47-configurator").clear();
        QStringList paths;
        for (const char *name : {"one.tkf", "two.tkf"}) {
            paths << dir.filePath(name);
            QVERIFY(saveConfigFile(paths.last(), makeTable()));
            QVERIFY(window->fileCommands().openFile(paths.last()));
        }

        // A port chosen for a readout (which then fails: there is no such port).
        qputenv(ExtraPortsVariable, "/dev/qm47-none-1:/dev/qm47-none-2");
        PortDialogAnswerer port("/dev/qm47-none-2");
        action("actionReadout")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(window->isEnabled() && !boxes.seen().isEmpty(), 20000);
        qunsetenv(ExtraPortsVariable);

        window.reset();
        QVERIFY(openWindow());
        QCOMPARE(window->transfers().lastPort().portName, QString("/dev/qm47-none-2"));
        QMenu *menu = window->findChild<QMenu *>("menuRecent");
        const auto listed = [menu] {
            QStringList files;
            for (QAction *a : menu->actions())
                files << a->data().toString();
            return files;
        };
        QCOMPARE(listed(), (QStringList{paths[1], paths[0]}));
        menu->actions()[1]->trigger();
        QCOMPARE(window->document().filePath(), paths[0]);
        QCOMPARE(listed(), (QStringList{paths[0], paths[1]}));
    }

    // The program opens the file it is given: it then lists it as recent.
    void fileGivenOnTheCommandLine()
    {
        ButtonTable t = makeTable();
        setButton(t, 2, {down(0x1C), up(0x1C)});
        const QString path = dir.filePath("given.tkf");
        QVERIFY(saveConfigFile(path, t));
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_CONFIG_HOME", dir.filePath("child-config"));
        program.setProcessEnvironment(env);
        program.start(QM47_CONFIGURATOR, {path});
        QVERIFY(program.waitForStarted(10000));
        const QString settings = dir.filePath("child-config/QM-47/qm47-configurator.conf");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(settings), 60000);
        QFile file(settings);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("given.tkf"));
        program.kill();
        program.waitForFinished(10000);

        program.start(QM47_CONFIGURATOR, {"--help"});
        QVERIFY(program.waitForFinished(30000));
        QVERIFY(program.readAllStandardOutput().contains("[FILE]"));
    }
};

QTEST_MAIN(TestEditing)
#include "test_editing.moc"
