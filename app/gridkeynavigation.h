#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

#include <functional>

class QGridLayout;
class QPushButton;

// The button `from` reaches with `key` in a grid whose buttons sit at `cells`
// (column, row): the arrows step to the neighbouring cell as drawn, Home and
// End to the first and last button. Where no button is in that direction, and
// for other keys, `from` itself.
int gridKeyTarget(const QList<QPoint> &cells, int from, int key);

// Makes the buttons of a grid layout one Tab stop. Tab enters the grid on the
// active button (or the first one) and the next Tab leaves it; inside, the
// arrows, Home and End move the focus as the grid is drawn, and Space, Enter
// or Return click the focused button.
class GridKeyNavigation : public QObject
{
    Q_OBJECT

public:
    // `activeButton` gives the index of the active button, or a value outside
    // the grid when none is active.
    GridKeyNavigation(QGridLayout *grid, std::function<int()> activeButton, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The button Tab enters the grid on.
    QPushButton *entryButton() const;
    // Leaves `button` as the grid's only Tab stop.
    void makeTabStop(QPushButton *button);

    QList<QPushButton *> buttons_;
    QList<QPoint> cells_;
    std::function<int()> activeButton_;
};
