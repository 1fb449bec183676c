#include "app/aboutdialog.h"
#include "app/formparts.h"
#include "app/mainwindow.h"
#include "app/progresswindow.h"
#include "config/buttontable.h"
#include "keyboard/recordingstate.h"
#include "device/portdialog.h"
#include "device/portlist.h"
#include "support/mainwindowfixture.h"
#include "support/modalanswerer.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>

namespace {

const char *const FileActions[] = {"actionNew", "actionOpen", "actionSave",
                                   "actionSave_as", "actionReadout", "actionTransmit"};

// Names of the buttons and labels under `root` whose text does not fit them
// in the font they use.
QStringList clippedTexts(QWidget *root)
{
    QStringList clipped;
    for (QPushButton *b : root->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(b);
        option.text = b->text();
        const QRect room = b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
        const int width = b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&'));
        if (width > room.width() - 4) // keep clear of the frame
            clipped << b->objectName();
    }
    for (QLabel *l : root->findChildren<QLabel *>()) {
        const QStringList lines = l->text().split('\n');
        int widest = 0;
        for (const QString &line : lines)
            widest = std::max(widest, l->fontMetrics().horizontalAdvance(line));
        const int height = int(lines.size()) * l->fontMetrics().height();
        if (!l->text().isEmpty()
            && (widest > l->contentsRect().width() || height > l->contentsRect().height()))
            clipped << l->objectName();
    }
    return clipped;
}

} // namespace

class TestMainWindow : public MainWindowFixture
{
    Q_OBJECT

    QString actionState() const
    {
        QString s;
        for (const char *name : FileActions)
            s += action(name)->isEnabled() ? '1' : '0';
        return s;
    }

private Q_SLOTS:
    void init()
    {
        clearRecordingState();
        QVERIFY(openWindow([this] { window->move(700, 345); }));
    }
    void cleanup()
    {
        clearRecordingState();
        window.reset();
    }

    // The first port present becomes the port the first transfer offers.
    void firstPortIsPreselected()
    {
        qputenv(ExtraPortsVariable, "/dev/pts/61:/dev/pts/62");
        MainWindow fresh;
        const QList<PortRecord> ports = availablePorts();
        qunsetenv(ExtraPortsVariable);
        QVERIFY(!ports.isEmpty());
        QCOMPARE(fresh.lastPortRecord().portName, ports.first().portName);
        QVERIFY(!fresh.lastPortRecord().isEmpty());
    }

    void startUpState()
    {
        QCOMPARE(window->windowTitle(), QString("Talvar QM-47 Button Configurator"));
        QCOMPARE(window->minimumSize(), QSize(520, 390));
        QCOMPARE(window->maximumSize(), QSize(520, 390));
        QCOMPARE(status(), QString("Please select a button"));
        QCOMPARE(fileLabel(), QString("QM47_File"));
        QCOMPARE(button("pushButtonUp")->text(), QString(QChar(0x25B2)));
        QCOMPARE(button("pushButtonDown")->text(), QString(QChar(0x25BC)));
        QCOMPARE(button("pushButtonUp")->toolTip(), QString("Move the selection up"));
        QCOMPARE(editState(), QString("0000000"));
        QCOMPARE(actionState(), QString("111111"));
        QCOMPARE(ButtonTable::instance().selectedButton, NoButton);
        QCOMPARE(ButtonTable::instance().buttonCount, uint8_t(23));
        QCOMPARE(ButtonTable::instance().maxEntries, uint16_t(250));
    }

    void formDetails()
    {
        for (int n = 1; n <= 23; ++n) {
            QPushButton *b = button(n);
            QCOMPARE(b->text(), QString::number(n));
            QCOMPARE(b->toolTip(), QString("Select button %1").arg(n));
            QVERIFY(b->width() >= 30 && b->height() >= 30);
            QVERIFY(b->styleSheet().contains("border-color: rgb(0, 0, 0)"));
        }
        QAction *dbg = action("actionDBG");
        QVERIFY(!dbg->isVisible());
        QVERIFY(!dbg->isEnabled());
        QListView *list = listView();
        QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
        QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
        const auto menus = window->menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        QCOMPARE(menus[0]->text(), QString("&File"));
        QCOMPARE(menus[1]->text(), QString("&Action"));
        QCOMPARE(menus[2]->text(), QString("Help"));
        QStringList fileEntries;
        for (QAction *a : menus[0]->menu()->actions())
            fileEntries << (a->isSeparator() ? QString("|") : a->text());
        QCOMPARE(fileEntries.join(','), QString("New,|,Open,Save,Save as,|,Close"));
        // Focus order: 4 -> 5 and 23 -> Start.
        QCOMPARE(button("pushButton4")->nextInFocusChain(), button("pushButton5"));
        QCOMPARE(button("pushButton23")->nextInFocusChain(), button("pushButtonStart"));
    }

    void selectingAButton()
    {
        button("pushButton5")->click();
        QCOMPARE(status(), QString("Button 5 active"));
        QCOMPARE(ButtonTable::instance().selectedButton, uint8_t(4));
        QCOMPARE(editState(), QString("1011111"));
        QVERIFY(button("pushButton5")->styleSheet().contains("rgb(255, 255, 0)"));

        // Another button: the left one gets its resting mark, the new one yellow.
        button("pushButton2")->click();
        QCOMPARE(status(), QString("Button 2 active"));
        QVERIFY(button("pushButton5")->styleSheet().contains("border-color: black"));
        QVERIFY(button("pushButton2")->styleSheet().contains("rgb(255, 255, 0)"));

        // Clicks while recording change nothing.
        RecordingState::instance().recordingFlag = 1;
        button("pushButton7")->click();
        QCOMPARE(ButtonTable::instance().selectedButton, uint8_t(1));
        QCOMPARE(status(), QString("Button 2 active"));
    }

    void controlModeTable()
    {
        window->setControlMode(NoSelectionMode, false);
        QCOMPARE(editState(), QString("1011111"));
        window->setControlMode(RecordingMode, true);
        QCOMPARE(editState(), QString("0110001")); // Delay and Delete keep their state
        QCOMPARE(actionState(), QString("000000"));
        window->setControlMode(RecordingMode, false);
        QCOMPARE(editState(), QString("1011111"));
        QCOMPARE(actionState(), QString("111111"));
        window->setControlMode(KeyInsertMode, true);
        QCOMPARE(editState(), QString("0100000"));
        QCOMPARE(actionState(), QString("000000"));
        window->setControlMode(KeyInsertMode, false);
        QCOMPARE(editState(), QString("1011111"));
        QCOMPARE(actionState(), QString("111111"));
        // Stop is left alone when the no-selection mode is left.
        button("pushButtonStop")->setEnabled(true);
        window->setControlMode(NoSelectionMode, false);
        QVERIFY(button("pushButtonStop")->isEnabled());
        window->setControlMode(NoSelectionMode, true);
        QCOMPARE(editState(), QString("0000000"));
        QCOMPARE(actionState(), QString("111111")); // actions untouched
        window->setControlMode(2, false); // not a mode
        QCOMPARE(editState(), QString("0000000"));
    }

    void closeWithoutQuestions()
    {
        ModalAnswerer answerer;
        QVERIFY(window->close());
        QVERIFY(answerer.seen().isEmpty());
    }

    void closeWhileRecordingCancelled()
    {
        ModalAnswerer answerer;
        answerer.enqueue(QMessageBox::Cancel);
        RecordingState::instance().recordingFlag = 1;
        QVERIFY(!window->close());
        QCOMPARE(answerer.seen().size(), 1);
        const auto seen = answerer.last();
        QCOMPARE(seen.title, QString("Information"));
        QCOMPARE(seen.text, QString("Recording aktiv, press OK to stop recording und close the "
                                    "application!\r\nPress cancel to continue recording!"));
        QCOMPARE(seen.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(seen.defaultButton, QMessageBox::Cancel);
        QCOMPARE(RecordingState::instance().recordingFlag, uint8_t(1));
        QVERIFY(window->isVisible());

        // The next message has a single OK button again.
        window->findChild<QAction *>("actionAbout"); // keep the window alive
        ButtonTable::instance().maxReached = 1;
        QTRY_COMPARE(answerer.seen().size(), 2);
        QCOMPARE(answerer.last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(answerer.last().text, QString("Max. number of Keys recorded!"));
    }

    void closeWhileWaitingForAKeyAsksToo()
    {
        ModalAnswerer answerer;
        answerer.enqueue(QMessageBox::Ok);
        RecordingState::instance().keyInsertFlag = 1;
        action("actionClose")->trigger();
        QCOMPARE(answerer.seen().size(), 1);
        QVERIFY(!window->isVisible());
    }

    void aboutDialog()
    {
        About about;
        MainWindow::centreOver(&about, window.get());
        about.setVersion(About::versionText());
        QCOMPARE(about.pos(), QPoint(window->x() + 10, window->y() + 84));
        QCOMPARE(about.windowTitle(), QString("About Talvar QM-47 Button Configurator"));
        QCOMPARE(about.findChild<QLabel *>("label_version")->text(),
                 QString("Version 1.0.000 (00201)"));
        QCOMPARE(about.minimumSize(), QSize(501, 222));
        QCOMPARE(about.maximumSize(), QSize(501, 222));
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        about.findChild<QPushButton *>("pushButtonOk")->click();
        QVERIFY(!about.isVisible());
    }

    // With the fonts of a stock desktop, no text of the windows is cut off,
    // also the longest texts of the status line.
    void noTextIsClipped()
    {
        QCOMPARE(clippedTexts(window.get()), QStringList());
        auto *state = window->findChild<QLabel *>("labelState");
        for (const char *text : {"Transmitting configuration", "Recording to button 23",
                                 "Insert key to button 23", "Please select a button"}) {
            state->setText(text);
            QCOMPARE(clippedTexts(window.get()), QStringList());
        }
        About about;
        about.setVersion(About::versionText());
        QCOMPARE(clippedTexts(&about), QStringList());
        comPort ports;
        applyDialogLook(&ports, "blue");
        ports.setTransferTitle("Set device configuration");
        QCOMPARE(clippedTexts(&ports), QStringList());
    }

    void progressWindow()
    {
        progressBar bar;
        QVERIFY(bar.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(bar.windowType(), Qt::SplashScreen);
        QCOMPARE(bar.size(), QSize(250, 23));
        bar.reset();
        bar.setMinimum(0);
        bar.setMaximum(23);
        QCOMPARE(bar.value(), -1);
        bar.advance();
        QCOMPARE(bar.value(), 0);
        for (int i = 0; i < 23; ++i)
            bar.advance();
        QCOMPARE(bar.value(), 23);
        bar.advance(); // beyond the maximum: stays full
        QCOMPARE(bar.value(), 23);
        MainWindow::centreOver(&bar, window.get());
        QCOMPARE(bar.pos(), QPoint(window->x() + 135, window->y() + 184));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
