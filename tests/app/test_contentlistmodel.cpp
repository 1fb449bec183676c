#include "app/contentlistmodel.h"
#include "config/buttontable.h"
#include "config/scripttext.h"
#include "document/configdocument.h"
#include "keyboard/keynames.h"
#include "support/tablecontent.h"

#include <QBrush>
#include <QSignalSpy>
#include <QtTest>

using scripttext::keyOf;

class TestContentListModel : public QObject
{
    Q_OBJECT

    ConfigDocument document;
    EditorState editor;
    ContentListModel model{document, editor};

    // Puts a script into button `index` (0-based).
    void load(int index, const QString &text)
    {
        document.insertEntries(uint8_t(index), 0, entriesOf(scripttext::script(text)), "Edit");
    }
    // Loads a script into button 1 and makes it the active button.
    void showScript(const QString &text)
    {
        load(0, text);
        editor.activeButton = 0;
        model.reread();
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
        document.newConfiguration();
        editor = EditorState();
        model.reread();
    }

    void noRowsWithoutActiveButton()
    {
        load(0, "a+ a-");
        QCOMPARE(model.rowCount(), 0);
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
        editor.capture = keyInsert ? Capture::KeyInsert : Capture::Recording;
        QCOMPARE(colours(), QString("------"));
        // The texts stay.
        QCOMPARE(model.data(model.index(3, 0), Qt::DisplayRole).toString(), QString("Delay"));
        editor.capture = Capture::None;
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

        document.insertEntries(0, 1, {{ActionPress, keyOf('c')}}, "Edit");
        QCOMPARE(reset.size(), 1);
        QCOMPARE(model.rowCount(), 3);
        document.removeRows(0, {0}, "Edit");
        QCOMPARE(reset.size(), 2);
        QCOMPARE(model.rowCount(), 2);
        document.undo();
        QCOMPARE(reset.size(), 3);
        QCOMPARE(model.rowCount(), 3);

        QCOMPARE(aboutToReset.size(), reset.size());
        QCOMPARE(inserted.size(), 0);
        QCOMPARE(removed.size(), 0);
        QCOMPARE(changed.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestContentListModel)
#include "test_contentlistmodel.moc"
