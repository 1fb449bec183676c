#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QQueue>
#include <QTimer>

// Answers the modal message boxes that the code under test opens, from inside
// their event loops, and records what they said.
class ModalAnswerer : public QObject
{
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    };

    ModalAnswerer()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    // The next message box is answered with `button`; boxes without a queued
    // answer are answered with their default button.
    void enqueue(QMessageBox::StandardButton button) { answers_.enqueue(button); }

    const QList<Seen> &seen() const { return seen_; }
    Seen last() const { return seen_.isEmpty() ? Seen{} : seen_.last(); }
    void clear() { seen_.clear(); }

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        Seen s;
        s.title = box->windowTitle();
        s.text = box->text();
        s.buttons = box->standardButtons();
        if (QPushButton *def = box->defaultButton())
            s.defaultButton = box->standardButton(def);
        seen_.append(s);
        QMessageBox::StandardButton answer = answers_.isEmpty() ? s.defaultButton : answers_.dequeue();
        QAbstractButton *button = box->button(answer);
        if (button)
            button->click();
        else
            box->done(answer);
    }

    QTimer timer_;
    QQueue<QMessageBox::StandardButton> answers_;
    QList<Seen> seen_;
};
