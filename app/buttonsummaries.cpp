#include "app/buttonsummaries.h"

#include "app/mainwindow_form.h"
#include "config/buttontable.h"
#include "keyboard/keynames.h"
#include "summary/summarytext.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

ButtonSummaries::ButtonSummaries(Ui_MainWindow &form, const ButtonTable &table,
                                 std::function<int()> activeButton, QAbstractItemModel *listModel,
                                 QObject *parent)
    : QObject(parent)
    , form_(form)
    , table_(table)
    , activeButton_(std::move(activeButton))
{
    for (int i = 0; i < Ui_MainWindow::ButtonCount; ++i)
        marks_ << QCoreApplication::translate("MainWindow", "empty");
    pending_.setSingleShot(true);
    pending_.setInterval(0);
    connect(&pending_, &QTimer::timeout, this, &ButtonSummaries::refresh);
    const auto schedule = [this] { pending_.start(); };
    connect(listModel, &QAbstractItemModel::modelReset, this, schedule);
    connect(listModel, &QAbstractItemModel::rowsInserted, this, schedule);
    connect(listModel, &QAbstractItemModel::rowsRemoved, this, schedule);
    connect(listModel, &QAbstractItemModel::dataChanged, this, schedule);
    connect(listModel, &QAbstractItemModel::layoutChanged, this, schedule);
}

void ButtonSummaries::setMark(int index, const QString &state)
{
    if (index < 0 || index >= marks_.size())
        return;
    marks_[index] = state;
    pending_.start();
}

const LayoutKeymap &ButtonSummaries::keymap()
{
    const QString layout = xkbLayoutForNameTable(nameTableFor(keyboardLayoutId()));
    if (!keymap_ || keymap_->layout() != layout)
        keymap_ = std::make_unique<LayoutKeymap>(layout);
    return *keymap_;
}

void ButtonSummaries::refresh()
{
    const LayoutKeymap &map = keymap();
    const int active = activeButton_();
    for (int i = 0; i < Ui_MainWindow::ButtonCount; ++i) {
        QPushButton *button = form_.buttonAt(i);
        const ButtonSummary summary = i < table_.buttonCount
            ? buttonSummary(table_.content(uint8_t(i)), map, SummaryLanguage::Interface)
            : ButtonSummary();
        QString tip = QCoreApplication::translate("MainWindow", "Select button ") + QString::number(i + 1);
        QString description = Ui_MainWindow::gridButtonDescription(i, marks_[i]);
        if (!summary.full.isEmpty()) {
            // As rich text the tip wraps, where a long summary would run off the screen.
            tip = QStringLiteral("<p>%1<br/>%2</p>").arg(tip.toHtmlEscaped(), summary.full.toHtmlEscaped());
            description += QStringLiteral(": ") + summary.full;
        }
        button->setToolTip(tip);
        button->setAccessibleDescription(description);
        if (i == active) {
            const QString line = tr("Button %1: %2").arg(i + 1).arg(shownSummary(summary.brief));
            QLabel *label = form_.labelSummary;
            // The line is wide enough for the one-line form in every
            // language; eliding only guards against unusual fonts.
            label->setText(label->fontMetrics().elidedText(line, Qt::ElideRight, label->width()));
            label->setToolTip(summary.full);
            label->setAccessibleDescription(summary.full);
        }
    }
    if (active < 0 || active >= Ui_MainWindow::ButtonCount) {
        form_.labelSummary->clear();
        form_.labelSummary->setToolTip(QString());
    }
}
