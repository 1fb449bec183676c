// Every widget, menu and action of the four windows against the forms as
// designed (windowforms.txt), at the font the fixed geometry was drawn for.
#include "app/aboutdialog.h"
#include "app/formparts.h"
#include "app/formscale.h"
#include "app/mainwindow.h"
#include "app/progresswindow.h"
#include "device/portdialog.h"

#include <QAction>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList Columns = {"kind", "window", "object", "class", "parent", "geometry",
                             "font", "state", "text", "tip"};

QString yesNo(bool on) { return on ? "yes" : "no"; }

QString iconDigest(const QIcon &icon)
{
    const QImage image = icon.pixmap(16).toImage();
    return icon.isNull() ? "" : QString::number(qHashBits(image.constBits(), size_t(image.sizeInBytes())), 16);
}

QString geometryOf(const QWidget *w)
{
    if (w->isWindow())
        return QString("%1x%2").arg(w->width()).arg(w->height())
            + (w->minimumSize() == w->size() && w->maximumSize() == w->size() ? " fixed" : "");
    if (auto *grid = qobject_cast<QGridLayout *>(w->parentWidget()->layout())) {
        int row, column, rows, columns;
        grid->getItemPosition(grid->indexOf(w), &row, &column, &rows, &columns);
        return QString("cell %1,%2").arg(row).arg(column) + (rows * columns == 1 ? "" : " spans");
    }
    const QRect r = w->geometry();
    return w->parentWidget()->layout() ? "-" : QString("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// One property of a widget, menu or action, written as the forms write it.
QString describe(QObject *o, QWidget *root, const QString &key)
{
    auto *w = qobject_cast<QWidget *>(o);
    auto *a = qobject_cast<QAction *>(o);
    auto *menu = qobject_cast<QMenu *>(o);
    auto *label = qobject_cast<QLabel *>(o);
    auto *button = qobject_cast<QPushButton *>(o);
    auto *bar = qobject_cast<QProgressBar *>(o);
    if (key == "class")
        return o->metaObject()->className();
    if (key == "parent")
        return w && w->parentWidget() ? w->parentWidget()->objectName() : w ? "-" : o->parent()->objectName();
    if (key == "geometry")
        return w && !menu ? geometryOf(w) : "-";
    if (key == "font") {
        if (!w || menu)
            return "-";
        QStringList parts;
        if (w->font().pointSizeF() != QApplication::font().pointSizeF())
            parts << QString::number(w->font().pointSizeF());
        if (w->font().bold())
            parts << "bold";
        return parts.isEmpty() ? "-" : parts.join(' ');
    }
    if (key == "state") {
        const bool visible = a ? a->isVisible() : menu ? menu->menuAction()->isVisible() : w == root || w->isVisibleTo(root);
        return QString((a ? a->isEnabled() : w->isEnabled()) ? "enabled" : "disabled") + (visible ? "" : " hidden");
    }
    if (key == "text")
        return a ? a->text() : menu ? menu->title() : w->isWindow() ? w->windowTitle()
            : label ? label->text() : qobject_cast<QAbstractButton *>(o) ? qobject_cast<QAbstractButton *>(o)->text()
            : qobject_cast<QGroupBox *>(o) ? qobject_cast<QGroupBox *>(o)->title() : "";
    if (key == "tip")
        return a ? (a->toolTip() == a->text() ? "" : a->toolTip()) : w->toolTip();
    if (key == "style")
        return w->styleSheet();
    if (key == "min")
        return QString("%1x%2").arg(w->minimumWidth()).arg(w->minimumHeight());
    if (key == "entries") {
        QStringList entries;
        for (QAction *entry : w->actions())
            entries << (entry->isSeparator() ? "-" : entry->text());
        return entries.join(',');
    }
    if (key == "grid")
        return QString("%1,%2").arg(w->layout()->spacing()).arg(w->layout()->contentsMargins().left());
    if (key == "align" && label)
        return label->alignment() == (Qt::AlignLeft | Qt::AlignVCenter) ? "left vcenter" : "other";
    if (key == "line" && qobject_cast<QFrame *>(o)) {
        auto *f = qobject_cast<QFrame *>(o);
        return f->frameShape() == QFrame::HLine && f->frameShadow() == QFrame::Sunken ? "sunken" : "other";
    }
    if (key == "pixmap" && label)
        return yesNo(!label->pixmap().isNull());
    if (key == "autoDefault" && button)
        return yesNo(button->autoDefault());
    if (key == "default" && button)
        return yesNo(button->isDefault());
    if (key == "range" && bar)
        return QString("%1..%2").arg(bar->minimum()).arg(bar->maximum());
    if (key == "value" && bar)
        return QString::number(bar->value());
    if (key == "percentage" && bar)
        return yesNo(bar->isTextVisible());
    if (key == "shortcut" && a) {
        QStringList keys;
        for (const QKeySequence &k : a->shortcuts())
            keys << k.toString();
        return keys.join(',');
    }
    if (key == "icon" && a)
        return iconDigest(a->icon());
    return "(no such property)";
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
        for (const QString &f : line.split('|'))
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
            QTest::newRow(qPrintable(row.value(0) + ' ' + row.value(1) + '/' + row.value(2))) << row;
    }
    void form()
    {
        QFETCH(QStringList, row);
        QVERIFY2(row.size() >= Columns.size(), "a row has at least ten columns");
        QWidget *root = windows.value(row[1]);
        QObject *o = row[0] == "window" ? root : root->findChild<QObject *>(row[2]);
        QVERIFY2(o && o->objectName() == row[2], "no such object");
        for (int i = 3; i < row.size(); ++i) {
            const QString key = i < Columns.size() ? Columns[i] : row[i].section('=', 0, 0);
            QString expected = i < Columns.size() ? row[i] : row[i].section('=', 1);
            if (key == "icon" && !expected.isEmpty())
                expected = iconDigest(QIcon(expected)); // the picture of that resource
            if (expected != "*" && !key.isEmpty())
                QCOMPARE(describe(o, root, key), expected);
        }
    }

    // Nothing on the windows that the forms do not name: a widget added,
    // renamed or left over shows here.
    void everyNamedWidgetIsListed()
    {
        QMap<QString, QStringList> listed;
        for (const QStringList &row : formRows())
            if (row[0] != "menu" || row[3] == "QMenu")
                listed[row[1]] << row[2];
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
