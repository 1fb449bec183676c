#include "app/contentlistmodel.h"
#include "app/mainwindow.h"
#include "config/buttontable.h"
#include "config/scripttext.h"
#include "keyboard/keynames.h"
#include "keyboard/recordingstate.h"
#include "support/mainwindowfixture.h"

#include <QBrush>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using scripttext::keyOf;

class TestContentListModel : public MainWindowFixture
{
    Q_OBJECT

    mylistviewmodel &model = mylistviewmodel::instance();

    // Loads a script into button 1 and makes it the active button.
    void showScript(const QString &text)
    {
        scripttext::setScript(ButtonTable::instance().content(0), text);
        button(1)->click();
        QCOMPARE(ButtonTable::instance().selectedButton, uint8_t(0));
    }
    // One letter per row: r = red, k = black, - = no colour.
    QString colours() const
    {
        QString s;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QVariant v = model.data(model.index(row, 0), Qt::ForegroundRole);
            if (!v.isValid()) {
                s += '-';
                continue;
            }
            const QBrush brush = v.value<QBrush>();
            if (brush.style() != Qt::SolidPattern)
                s += '?';
            else if (brush.color() == QColor(0xC0, 0x00, 0x00))
                s += 'r';
            else if (brush.color() == QColor(Qt::black))
                s += 'k';
            else
                s += '?';
        }
        return s;
    }

private Q_SLOTS:
    void init()
    {
        clearRecordingState();
        QVERIFY(openWindow());
    }
    void cleanup()
    {
        clearRecordingState();
        window.reset();
    }

    void theViewShowsTheOneModel()
    {
        QCOMPARE(listView()->model(), static_cast<QAbstractItemModel *>(&model));
        QCOMPARE(listView()->model()->columnCount(), 1);
        // A second window would get the same model.
        window.reset();
        window = std::make_unique<MainWindow>();
        QCOMPARE(listView()->model(), static_cast<QAbstractItemModel *>(&model));
    }

    void noRowsWithoutActiveButton()
    {
        scripttext::setScript(ButtonTable::instance().content(0), "a+ a-");
        QCOMPARE(model.rowCount(), 0);
        QCOMPARE(listView()->model()->rowCount(), 0);
        QVERIFY(!model.index(0, 0).isValid());
    }

    void emptyButtonHasNoRows()
    {
        showScript("");
        QCOMPARE(model.rowCount(), 0);
    }

    void rowTexts()
    {
        showScript("a+ [ ] a- 7:65 b+ b-");
        QCOMPARE(model.rowCount(), 7);
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.data(model.index(row, 0), Qt::DisplayRole).toString();
        const QString a = keyName(keyOf('a'));
        const QString b = keyName(keyOf('b'));
        QCOMPARE(texts, (QStringList{a + " down", "Delay", "0.5s", a + " up", b, b + " down",
                                     b + " up"}));
        // The view's own reading gives the same rows.
        QCOMPARE(listView()->model()->data(listView()->model()->index(1, 0)).toString(),
                 QString("Delay"));
        // A list row has no children.
        QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    }

    void rowColours_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("expected");

        QTest::newRow("combination") << "s+ a+ a- s-" << "kkkk";
        QTest::newRow("delay pair") << "[ ]" << "--";
        QTest::newRow("press twice") << "a+ a+ a-" << "rkk";
        QTest::newRow("press not released") << "a+ b+ b-" << "rkk";
        QTest::newRow("release not pressed") << "b+ b- a-" << "kkr";
        QTest::newRow("release at the top") << "a- a+ a-" << "rkk";
        QTest::newRow("other actions stay plain") << "7:64 250:9 9:9" << "---";
        QTest::newRow("other action hides a release") << "a+ 7:64 a-" << "r-r";
    }

    void rowColours()
    {
        QFETCH(QString, content);
        QFETCH(QString, expected);
        showScript(content);
        QCOMPARE(colours(), expected);
    }

    void noColoursWhileCapturing_data()
    {
        QTest::addColumn<bool>("keyInsert");
        QTest::newRow("recording") << false;
        QTest::newRow("waiting for a key") << true;
    }

    void noColoursWhileCapturing()
    {
        QFETCH(bool, keyInsert);
        showScript("a+ a+ a- [ ] b-");
        QCOMPARE(colours(), QString("rkk--r"));
        (keyInsert ? RecordingState::instance().keyInsertFlag
                   : RecordingState::instance().recordingFlag) = 1;
        QCOMPARE(colours(), QString("------"));
        // The texts stay.
        QCOMPARE(model.data(model.index(3, 0), Qt::DisplayRole).toString(), QString("Delay"));
        RecordingState::instance().recordingFlag = 0;
        RecordingState::instance().keyInsertFlag = 0;
        QCOMPARE(colours(), QString("rkk--r"));
    }

    void otherRolesAndHeaderAreEmpty()
    {
        showScript("a+ a-");
        const QModelIndex index = model.index(0, 0);
        for (int role : {int(Qt::DecorationRole), int(Qt::EditRole), int(Qt::ToolTipRole),
                         int(Qt::StatusTipRole), int(Qt::FontRole), int(Qt::BackgroundRole),
                         int(Qt::TextAlignmentRole), int(Qt::CheckStateRole), int(Qt::UserRole)})
            QVERIFY2(!model.data(index, role).isValid(), qPrintable(QString::number(role)));
        for (Qt::Orientation o : {Qt::Horizontal, Qt::Vertical})
            for (int role : {int(Qt::DisplayRole), int(Qt::ForegroundRole), int(Qt::SizeHintRole)})
                for (int section : {0, 1, -1})
                    QVERIFY(!model.headerData(section, o, role).isValid());
        QVERIFY(!(model.flags(index) & Qt::ItemIsEditable));
        QVERIFY(model.flags(index) & Qt::ItemIsSelectable);
    }

    // Every change reaches the view as a full reset, never as row signals.
    void changesArriveAsResets()
    {
        showScript("a+ a-");
        QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        ButtonTable &table = ButtonTable::instance();
        QVERIFY(table.insertEntryAfter(1, ActionPress, keyOf('c')));
        QCOMPARE(reset.size(), 1);
        QCOMPARE(listView()->model()->rowCount(), 3);
        QVERIFY(table.removeEntry(0));
        QCOMPARE(reset.size(), 2);
        QCOMPARE(listView()->model()->rowCount(), 2);

        scripttext::setScript(table.content(4), "a+ a- b+ b-");
        button(5)->click();
        QCOMPARE(reset.size(), 3);
        QCOMPARE(listView()->model()->rowCount(), 4);

        window->refreshAllMarks();
        QCOMPARE(reset.size(), 4);
        QCOMPARE(listView()->model()->rowCount(), 0);

        QCOMPARE(aboutToReset.size(), reset.size());
        QCOMPARE(inserted.size(), 0);
        QCOMPARE(removed.size(), 0);
        QCOMPARE(changed.size(), 0);
    }
};

QTEST_MAIN(TestContentListModel)
#include "test_contentlistmodel.moc"
