#include "app/gridkeynavigation.h"

#include <QApplication>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QPushButton>

namespace {

bool isGridKey(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down
        || key == Qt::Key_Home || key == Qt::Key_End;
}

} // namespace

int gridKeyTarget(const QList<QPoint> &cells, int from, int key)
{
    if (from < 0 || from >= cells.size())
        return from;
    QPoint step;
    switch (key) {
    case Qt::Key_Home:
        return 0;
    case Qt::Key_End:
        return int(cells.size()) - 1;
    case Qt::Key_Left:
        step = QPoint(-1, 0);
        break;
    case Qt::Key_Right:
        step = QPoint(1, 0);
        break;
    case Qt::Key_Up:
        step = QPoint(0, -1);
        break;
    case Qt::Key_Down:
        step = QPoint(0, 1);
        break;
    default:
        return from;
    }
    const int target = int(cells.indexOf(cells.at(from) + step));
    return target < 0 ? from : target;
}

GridKeyNavigation::GridKeyNavigation(QGridLayout *grid, std::function<int()> activeButton,
                                     QObject *parent)
    : QObject(parent)
    , activeButton_(std::move(activeButton))
{
    for (int i = 0; i < grid->count(); ++i) {
        auto *button = qobject_cast<QPushButton *>(grid->itemAt(i)->widget());
        if (!button)
            continue;
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(i, &row, &column, &rows, &columns);
        buttons_ << button;
        cells_ << QPoint(column, row);
        button->installEventFilter(this);
    }
    makeTabStop(entryButton());
}

QPushButton *GridKeyNavigation::entryButton() const
{
    const int active = activeButton_();
    return buttons_.value(active >= 0 && active < buttons_.size() ? active : 0);
}

void GridKeyNavigation::makeTabStop(QPushButton *button)
{
    // The others still take the focus from a click or from the arrows.
    for (QPushButton *b : std::as_const(buttons_))
        b->setFocusPolicy(b == button ? Qt::StrongFocus : Qt::ClickFocus);
}

bool GridKeyNavigation::eventFilter(QObject *watched, QEvent *event)
{
    auto *button = qobject_cast<QPushButton *>(watched);
    const int index = int(buttons_.indexOf(button));
    if (index < 0)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        QPushButton *entry = entryButton();
        // Tab arrived on a stop that the active button has since moved from.
        if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && button != entry) {
            makeTabStop(entry);
            entry->setFocus(reason);
            return true;
        }
        // The focused button is the stop, so that Tab and Shift+Tab leave the grid.
        makeTabStop(button);
        break;
    }
    case QEvent::FocusOut: {
        // Out of the grid (not merely out of the window), the next Tab comes
        // back on the active button.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && !buttons_.contains(QApplication::focusWidget()))
            makeTabStop(entryButton());
        break;
    }
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->modifiers() & ~Qt::KeypadModifier)
            return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            button->click();
            return true;
        }
        if (!isGridKey(key->key()))
            return false;
        // At an edge the key does nothing, and goes nowhere else either.
        const int target = gridKeyTarget(cells_, index, key->key());
        if (target != index)
            buttons_.at(target)->setFocus(Qt::OtherFocusReason);
        return true;
    }
    default:
        break;
    }
    return false;
}
