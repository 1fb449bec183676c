#pragma once

#include <QWidget>

class QProgressBar;

// Borderless bar that floats over the main window during a transfer and
// advances one step per button.
class progressBar : public QWidget
{
    Q_OBJECT

public:
    explicit progressBar(QWidget *parent = nullptr);
    ~progressBar() override;

    void reset();
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void advance();

    int value() const;
    int maximum() const;

Q_SIGNALS:
    // Someone asked to close the bar (the window system's close); the bar
    // stays until its owner hides it.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QProgressBar *progressBar_2;
};
