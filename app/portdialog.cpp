#include "app/portdialog.h"

#include "app/formparts.h"
#include "app/porttablemodel.h"
#include "serial/portlist.h"
#include "device/portmatch.h"

#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMetaObject>
#include <QPixmap>
#include <QPushButton>
#include <QTableView>

namespace {

QPushButton *makeButton(QWidget *parent, const char *objectName, QRect geometry)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(geometry);
    return button;
}

QLabel *makeHeading(QWidget *parent, const char *objectName, QRect geometry, bool bold)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setGeometry(geometry);
    QFont font;
    font.setPointSize(12);
    font.setBold(bold);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: rgb(9, 20, 82);"));
    return label;
}

} // namespace

comPort::comPort(QWidget *parent)
    : QDialog(parent)
{
    if (objectName().isEmpty())
        setObjectName(QStringLiteral("comPort"));
    resize(501, 351);
    setMinimumSize(501, 351);
    setMaximumSize(501, 351);
    setModal(true);

    auto *widget = new QWidget(this);
    widget->setObjectName(QStringLiteral("widget"));
    widget->setGeometry(QRect(10, 310, 481, 41));
    auto *pushButtonCancel = makeButton(widget, "pushButtonCancel", QRect(400, 10, 75, 23));
    pushButtonCancel->setAutoDefault(true);
    pushButtonOk = makeButton(widget, "pushButtonOk", QRect(310, 10, 75, 23));
    pushButtonOk->setAutoDefault(false);
    pushButtonOk->setDefault(true);
    auto *pushButtonRefresh = makeButton(widget, "pushButtonRefresh", QRect(5, 10, 75, 23));

    auto *label = new QLabel(this);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(QRect(10, 90, 481, 16));
    label->setAlignment(Qt::AlignLeading | Qt::AlignLeft | Qt::AlignVCenter);

    tableView = new QTableView(this);
    tableView->setObjectName(QStringLiteral("tableView"));
    tableView->setGeometry(QRect(10, 110, 481, 191));
    tableView->setStyleSheet(QStringLiteral("QHeaderView{\n\tfont: 12px;\n\ttext-align: left;\n}"));
    tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tableView->setTabKeyNavigation(false);
    tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    tableView->setShowGrid(true);
    tableView->setWordWrap(false);
    tableView->setCornerButtonEnabled(false);
    tableView->horizontalHeader()->setHighlightSections(false);
    tableView->horizontalHeader()->setStretchLastSection(true);
    tableView->verticalHeader()->setVisible(false);
    tableView->verticalHeader()->setDefaultSectionSize(20);
    tableView->verticalHeader()->setHighlightSections(false);

    auto *widget_2 = new QWidget(this);
    widget_2->setObjectName(QStringLiteral("widget_2"));
    widget_2->setGeometry(QRect(10, 10, 481, 61));
    QLabel *label_4 = makeHeading(widget_2, "label_4", QRect(0, 0, 351, 31), false);
    QLabel *label_2 = makeHeading(widget_2, "label_2", QRect(0, 20, 351, 31), true);
    auto *label_3 = new QLabel(widget_2);
    label_3->setObjectName(QStringLiteral("label_3"));
    label_3->setGeometry(QRect(350, 0, 131, 61));
    label_3->setPixmap(QPixmap(QStringLiteral(":/images/logo-small.jpg")));
    label_3->setScaledContents(false);

    makeHorizontalLine(this, "line", QRect(-10, 70, 521, 20));
    makeHorizontalLine(this, "line_2", QRect(-10, 300, 531, 20));

    QWidget::setTabOrder(tableView, pushButtonOk);
    QWidget::setTabOrder(pushButtonOk, pushButtonCancel);
    QWidget::setTabOrder(pushButtonCancel, pushButtonRefresh);

    setWindowTitle(tr("Serial interface selection"));
    pushButtonCancel->setToolTip(tr("Cancel"));
    pushButtonCancel->setText(tr("&Cancel"));
    pushButtonOk->setToolTip(tr("Start readout / transmit"));
    pushButtonOk->setText(tr("&OK"));
    pushButtonRefresh->setToolTip(tr("Refresh the serial port list"));
    pushButtonRefresh->setText(tr("&Refresh"));
    label->setText(tr("Please choose the interface where the service cable is connected."));
    tableView->setToolTip(tr("Choose serial port"));
    tableView->setAccessibleName(tr("Serial ports"));
    label_4->setText(tr("Talvar QM-47 button configurator"));
    label_2->setText(tr("Selection of the computer interface"));

    QMetaObject::connectSlotsByName(this);
    connect(&watcher, &PortWatcher::portsChanged, this, &comPort::followPorts);

    tableView->setModel(&model);
    tableView->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft);
    tableView->setFocus();
}

comPort::~comPort() = default;

void comPort::refreshPortList(const PortRecord &preselect)
{
    chosenPort = preselect;
    showPorts(availablePorts(), chosenPort);
    tableView->setFocus();
}

void comPort::showPorts(const QList<PortRecord> &ports, const PortRecord &keep)
{
    model.replacePorts(ports);
    // A row with a stable name shows it on a second line, and grows to fit.
    for (int row = 0; row < ports.size(); ++row)
        if (!ports.at(row).stableNames.isEmpty())
            tableView->resizeRowToContents(row);
    const int match = rowToPreselect(ports, keep);
    tableView->selectRow(match >= 0 ? match : 0);
}

void comPort::followPorts(const QList<PortRecord> &ports)
{
    const int row = selectedRow();
    const PortRecord selected = row >= 0 && row < model.ports().size() ? model.ports().at(row)
                                                                      : chosenPort;
    showPorts(ports, selected);
}

void comPort::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    watcher.start(model.ports());
}

void comPort::hideEvent(QHideEvent *event)
{
    watcher.stop();
    QDialog::hideEvent(event);
}

void comPort::setTransferTitle(const QString &text)
{
    setWindowTitle(text);
    pushButtonOk->setToolTip(text);
    pushButtonOk->setDefault(true);
}

int comPort::selectedRow() const
{
    const QModelIndexList rows = tableView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void comPort::on_pushButtonOk_clicked()
{
    const int row = selectedRow();
    if (row < 0 || row >= model.ports().size())
        return;
    chosenPort = model.ports().at(row);
    accept();
}

void comPort::on_pushButtonCancel_clicked()
{
    reject();
}

void comPort::on_pushButtonRefresh_clicked()
{
    const int row = selectedRow();
    if (row >= 0 && row < model.ports().size())
        chosenPort = model.ports().at(row);
    const PortRecord preselect = chosenPort;
    refreshPortList(preselect);
}
