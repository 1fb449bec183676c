#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QObject>
#include <QQueue>
#include <QTimer>

#include <functional>

// Answers the modal file dialogs that the code under test opens (the toolkit's
// own widget dialog, as used on the offscreen platform), from inside their
// event loops, and records what they showed.
class FileDialogDriver : public QObject
{
public:
    struct Seen {
        QString caption;
        QString directory;
        QStringList nameFilters;
        QFileDialog::AcceptMode acceptMode = QFileDialog::AcceptOpen;
        bool parentEnabled = true; // state of the dialog's parent while it was shown
        bool enabled = true;       // whether the user could work the dialog
    };

    FileDialogDriver()
    {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
        timer_.start();
    }

    // The next dialog selects `path` and is accepted; `afterAccept` runs once
    // the dialog has been accepted, before the code under test goes on.
    // A `filter` given is selected first.
    void choose(const QString &path, std::function<void()> afterAccept = {},
                const QString &filter = {})
    {
        answers_.enqueue({path, std::move(afterAccept), filter});
    }
    // The next dialog is cancelled. Dialogs without a queued answer are cancelled too.
    void cancel() { answers_.enqueue({QString(), {}, {}}); }

    const QList<Seen> &seen() const { return seen_; }
    Seen last() const { return seen_.isEmpty() ? Seen{} : seen_.last(); }

private:
    static constexpr const char *HandledMark = "fileDialogDriverHandled";

    struct Answer {
        QString path;
        std::function<void()> afterAccept;
        QString filter;
    };

    void poll()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || dialog->property(HandledMark).toBool())
            return;
        dialog->setProperty(HandledMark, true);
        Seen s;
        s.caption = dialog->windowTitle();
        s.directory = dialog->directory().absolutePath();
        s.nameFilters = dialog->nameFilters();
        s.acceptMode = dialog->acceptMode();
        s.parentEnabled = dialog->parentWidget() ? dialog->parentWidget()->isEnabled() : true;
        s.enabled = dialog->isEnabled();
        seen_.append(s);

        const Answer answer = answers_.isEmpty() ? Answer{} : answers_.dequeue();
        if (answer.path.isEmpty()) {
            dialog->reject();
            return;
        }
        if (!answer.filter.isEmpty())
            dialog->selectNameFilter(answer.filter);
        dialog->selectFile(answer.path);
        static_cast<QDialog *>(dialog)->accept(); // runs the file dialog's own checks
        if (answer.afterAccept)
            answer.afterAccept();
    }

    QTimer timer_;
    QQueue<Answer> answers_;
    QList<Seen> seen_;
};
