// Every widget, menu and action of the four windows against the forms as
// designed (windowforms.txt), at the font the fixed geometry was drawn for.
#include "app/aboutdialog.h"
#include "app/formparts.h"
#include "app/formscale.h"
#include "app/mainwindow.h"
#include "app/portdialog.h"
#include "app/progresswindow.h"

#include <QAction>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaProperty>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList Columns = {"window", "object", "class", "parent", "font", "state", "tip"};

QString iconDigest(const QIcon &icon)
{
    const QImage image = icon.pixmap(16).toImage();
    return icon.isNull() ? "" : QString::number(qHashBits(image.constBits(), size_t(image.sizeInBytes())), 16);
}

// One property of a widget, menu or action, written as the forms write it.
QString describe(QObject *o, QWidget *root, const QString &key)
{
    auto *w = qobject_cast<QWidget *>(o);
    auto *a = qobject_cast<QAction *>(o);
    auto *menu = qobject_cast<QMenu *>(o);
    if (key == "class")
        return o->metaObject()->className();
    if (key == "parent")
        return w && w->parentWidget() ? w->parentWidget()->objectName() : w ? "-" : o->parent()->objectName();
    if (key == "font") {
        QStringList parts;
        if (w && !menu && w->font().pointSizeF() != QApplication::font().pointSizeF())
            parts << QString::number(w->font().pointSizeF());
        if (w && !menu && w->font().bold())
            parts << "bold";
        return parts.isEmpty() ? "-" : parts.join(' ');
    }
    if (key == "state") {
        const bool visible = a ? a->isVisible() : menu ? menu->menuAction()->isVisible() : w == root || w->isVisibleTo(root);
        return QString((a ? a->isEnabled() : w->isEnabled()) ? "enabled" : "disabled") + (visible ? "" : " hidden");
    }
    if (key == "tip")
        return a ? (a->toolTip() == QString(a->text()).remove('&') ? "" : a->toolTip()) : w->toolTip();
    if (key == "cell") {
        auto *grid = qobject_cast<QGridLayout *>(w->parentWidget()->layout());
        int row = -1, column = -1, rows = 0, columns = 0;
        if (grid)
            grid->getItemPosition(grid->indexOf(w), &row, &column, &rows, &columns);
        return QString("%1,%2").arg(row).arg(column) + (rows * columns == 1 ? "" : " spans");
    }
    if (key == "grid")
        return QString("%1,%2").arg(w->layout()->spacing()).arg(w->layout()->contentsMargins().left());
    if (key == "entries") {
        QStringList entries;
        for (QAction *entry : w->actions())
            entries << (entry->isSeparator() ? "-" : entry->text());
        return entries.join(',');
    }
    if (key == "icon")
        return iconDigest(a->icon());
    if (key == "pixmap")
        return qobject_cast<QLabel *>(o)->pixmap().isNull() ? "no" : "yes";

    const QMetaProperty property = o->metaObject()->property(o->metaObject()->indexOfProperty(qPrintable(key)));
    const QVariant value = o->property(qPrintable(key));
    if (!property.isValid())
        return "(no such property)";
    if (property.isEnumType())
        return property.isFlagType() ? QString(property.enumerator().valueToKeys(value.toInt()))
                                     : QString(property.enumerator().valueToKey(value.toInt()));
    if (value.typeId() == QMetaType::QSize)
        return QString("%1x%2").arg(value.toSize().width()).arg(value.toSize().height());
    if (value.typeId() == QMetaType::QRect) {
        const QRect r = value.toRect();
        return QString("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    return value.toString();
}

QList<QStringList> formRows()
{
    QFile file(QM47_FORMS_FILE);
    QList<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    for (const QString &line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (line.trimmed().isEmpty() || line.startsWith('#'))
            continue;
        QStringList fields;
        for (const QString &f : (line + ' ').split(" | "))
            fields << f.trimmed().replace("\\n", "\n").replace("\\t", "\t");
        rows << fields;
    }
    return rows;
}

} // namespace

class TestWindowForms : public QObject
{
    Q_OBJECT

    QMap<QString, QWidget *> windows;

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(referenceFormFont());
        windows["MainWindow"] = new MainWindow;
        windows["About"] = new About;
        windows["progressBar"] = new progressBar;
        auto *ports = new comPort;
        applyDialogLook(ports, "blue"); // as the main window does
        windows["comPort"] = ports;
        QVERIFY(formRows().size() > 75);
    }
    void cleanupTestCase() { qDeleteAll(windows); }

    void form_data()
    {
        QTest::addColumn<QStringList>("row");
        for (const QStringList &row : formRows())
            QTest::newRow(qPrintable(row.value(0) + '/' + row.value(1))) << row;
    }
    void form()
    {
        QFETCH(QStringList, row);
        QVERIFY2(row.size() >= Columns.size(), "a row has at least seven columns");
        QWidget *root = windows.value(row[0]);
        QObject *o = row[0] == row[1] ? root : root->findChild<QObject *>(row[1]);
        QVERIFY2(o && o->objectName() == row[1], "no such object");
        for (int i = 2; i < row.size(); ++i) {
            const QString key = i < Columns.size() ? Columns[i] : row[i].section('=', 0, 0);
            QString expected = i < Columns.size() ? row[i] : row[i].section('=', 1);
            if (key == "icon" && !expected.isEmpty())
                expected = iconDigest(QIcon(expected)); // the picture of that resource
            QCOMPARE(key + '=' + describe(o, root, key), key + '=' + expected);
        }
    }

    // Nothing on the windows that the forms do not name: a widget added,
    // renamed or left over shows here.
    void everyNamedWidgetIsListed()
    {
        QMap<QString, QStringList> listed;
        for (const QStringList &row : formRows())
            listed[row[0]] << row[1];
        for (auto it = listed.begin(); it != listed.end(); ++it) {
            QStringList present{windows.value(it.key())->objectName()};
            for (QObject *o : windows.value(it.key())->findChildren<QObject *>())
                if ((o->isWidgetType() || qobject_cast<QAction *>(o)) && !o->objectName().isEmpty()
                    && !o->objectName().startsWith("qt_"))
                    present << o->objectName();
            present.sort();
            it.value().sort();
            QCOMPARE(present, it.value());
        }
    }
};

QTEST_MAIN(TestWindowForms)
#include "test_windowforms.moc"
