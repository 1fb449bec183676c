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

#include <memory>

namespace {

QString captionOf(const QObject *o)
{
    if (auto *a = qobject_cast<const QAction *>(o))
        return a->text();
    if (auto *m = qobject_cast<const QMenu *>(o))
        return m->title();
    if (auto *w = qobject_cast<const QWidget *>(o); w && w->isWindow())
        return w->windowTitle();
    if (auto *l = qobject_cast<const QLabel *>(o))
        return l->text();
    if (auto *b = qobject_cast<const QAbstractButton *>(o))
        return b->text();
    if (auto *g = qobject_cast<const QGroupBox *>(o))
        return g->title();
    return {};
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
    if (w->parentWidget()->layout())
        return "-";
    const QRect r = w->geometry();
    return QString("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString fontOf(const QWidget *w)
{
    QStringList parts;
    if (w->font().pointSizeF() != QApplication::font().pointSizeF())
        parts << QString::number(w->font().pointSizeF());
    if (w->font().bold())
        parts << "bold";
    return parts.isEmpty() ? "-" : parts.join(' ');
}

// The picture of an icon, as a digest; empty for no icon.
QString iconDigest(const QIcon &icon)
{
    if (icon.isNull())
        return {};
    const QImage image = icon.pixmap(16).toImage();
    return QString::number(qHashBits(image.constBits(), size_t(image.sizeInBytes())), 16);
}

QString entriesOf(const QWidget *menuOrBar)
{
    QStringList entries;
    for (QAction *a : menuOrBar->actions())
        entries << (a->isSeparator() ? "-" : a->text());
    return entries.join(',');
}

// The value of one "more" key as the widget or action has it.
QString propertyOf(const QObject *o, const QString &key)
{
    auto *w = qobject_cast<const QWidget *>(o);
    auto *button = qobject_cast<const QPushButton *>(o);
    auto *bar = qobject_cast<const QProgressBar *>(o);
    const auto yesNo = [](bool on) { return QString(on ? "yes" : "no"); };
    if (key == "style" && w)
        return w->styleSheet();
    if (key == "min" && w)
        return QString("%1x%2").arg(w->minimumWidth()).arg(w->minimumHeight());
    if (key == "entries" && w)
        return entriesOf(w);
    if (key == "grid" && w && w->layout())
        return QString("%1,%2").arg(w->layout()->spacing()).arg(w->layout()->contentsMargins().left());
    if (key == "align" && qobject_cast<const QLabel *>(o))
        return qobject_cast<const QLabel *>(o)->alignment() == (Qt::AlignLeft | Qt::AlignVCenter)
            ? "left vcenter" : "other";
    if (key == "line" && qobject_cast<const QFrame *>(o)) {
        auto *f = qobject_cast<const QFrame *>(o);
        return f->frameShape() == QFrame::HLine && f->frameShadow() == QFrame::Sunken ? "sunken" : "other";
    }
    if (key == "pixmap" && qobject_cast<const QLabel *>(o))
        return yesNo(!qobject_cast<const QLabel *>(o)->pixmap().isNull());
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
    if (auto *a = qobject_cast<const QAction *>(o)) {
        if (key == "shortcut") {
            QStringList keys;
            for (const QKeySequence &k : a->shortcuts())
                keys << k.toString();
            return keys.join(',');
        }
        if (key == "icon")
            return iconDigest(a->icon());
    }
    return "(no such property)";
}

} // namespace

class TestWindowForms : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> main;
    std::unique_ptr<About> about;
    std::unique_ptr<progressBar> progress;
    std::unique_ptr<comPort> ports;

    QWidget *window(const QString &name) const
    {
        if (name == "MainWindow")
            return main.get();
        if (name == "About")
            return about.get();
        if (name == "progressBar")
            return progress.get();
        return ports.get();
    }

    static QList<QStringList> rows()
    {
        QFile file(QM47_FORMS_FILE);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QStringList> rows;
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

private Q_SLOTS:
    void initTestCase()
    {
        QApplication::setFont(referenceFormFont());
        main = std::make_unique<MainWindow>();
        about = std::make_unique<About>();
        progress = std::make_unique<progressBar>();
        ports = std::make_unique<comPort>();
        applyDialogLook(ports.get(), "blue"); // as the main window does
        QVERIFY(rows().size() > 75);
    }

    void form_data()
    {
        QTest::addColumn<QStringList>("row");
        for (const QStringList &row : rows())
            QTest::newRow(qPrintable(row.value(0) + ' ' + row.value(1) + '/' + row.value(2))) << row;
    }
    void form()
    {
        QFETCH(QStringList, row);
        QVERIFY2(row.size() >= 10, "a row has at least ten columns");
        QWidget *root = window(row[1]);
        QObject *o = root->objectName() == row[2] && row[0] == "window"
            ? root : root->findChild<QObject *>(row[2]);
        QVERIFY2(o, "no such object");
        QCOMPARE(QString(o->metaObject()->className()), row[3]);
        auto *w = qobject_cast<QWidget *>(o);
        auto *a = qobject_cast<QAction *>(o);
        const QObject *parent = w ? w->parentWidget() : o->parent();
        QCOMPARE(parent ? parent->objectName() : QString("-"), row[4]);
        if (w && row[0] != "menu") {
            if (row[5] != "-" || !w->isWindow())
                QCOMPARE(geometryOf(w), row[5]);
            QCOMPARE(fontOf(w), row[6]);
        }
        const bool enabled = a ? a->isEnabled() : w->isEnabled();
        const bool visible = a ? a->isVisible()
            : qobject_cast<QMenu *>(o) ? qobject_cast<QMenu *>(o)->menuAction()->isVisible()
                                       : w == root || w->isVisibleTo(root);
        QCOMPARE(QString(enabled ? "enabled" : "disabled") + (visible ? "" : " hidden"), row[7]);
        if (row[8] != "*")
            QCOMPARE(captionOf(o), row[8]);
        QCOMPARE(a ? a->toolTip() == a->text() ? QString() : a->toolTip() : w->toolTip(), row[9]);
        for (const QString &more : row.mid(10)) {
            if (more.isEmpty())
                continue;
            const QString key = more.section('=', 0, 0);
            QString expected = more.section('=', 1);
            if (key == "icon")
                expected = iconDigest(expected.isEmpty() ? QIcon() : QIcon(expected));
            QCOMPARE(propertyOf(o, key), expected);
        }
    }

    // Nothing on the windows that the forms do not name: a widget added,
    // renamed or left over shows here.
    void everyNamedWidgetIsListed()
    {
        QMap<QString, QStringList> listed;
        for (const QStringList &row : rows())
            if (row[0] != "menu" || row[3] == "QMenu")
                listed[row[1]] << row[2];
        for (auto it = listed.cbegin(); it != listed.cend(); ++it) {
            QWidget *root = window(it.key());
            QStringList present{root->objectName()};
            for (QObject *o : root->findChildren<QObject *>())
                if ((qobject_cast<QWidget *>(o) || qobject_cast<QAction *>(o))
                    && !o->objectName().isEmpty() && !o->objectName().startsWith("qt_"))
                    present << o->objectName();
            QStringList expected = it.value();
            present.sort();
            expected.sort();
            QCOMPARE(present, expected);
        }
    }
};

QTEST_MAIN(TestWindowForms)
#include "test_windowforms.moc"
