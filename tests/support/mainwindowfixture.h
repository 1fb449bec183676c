#pragma once

#include "app/mainwindow.h"
#include "controllers/filecontroller.h"
#include "controllers/transfercheck.h"
#include "controllers/transfercontroller.h"
#include "config/buttontable.h"
#include "support/activescript.h"
#include "support/tablecontent.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <functional>
#include <memory>

// The plumbing of the tests that drive a whole main window: the window of the
// running test function, and its widgets found by object name. A test class
// derives from this instead of QObject (keeping its own Q_OBJECT and slots)
// and opens the window in its init().
class MainWindowFixture : public QObject
{
protected:
    std::unique_ptr<MainWindow> window;

    // Makes a new window and shows it; `beforeShow` runs in between, to place
    // the window or to set what it must find when it is shown. True once the
    // window is exposed.
    bool openWindow(const std::function<void()> &beforeShow = {})
    {
        window = std::make_unique<MainWindow>();
        if (beforeShow)
            beforeShow();
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    // A key event with the native keycode `keycode`, as the window gets it.
    void key(QEvent::Type type, uint32_t keycode, Qt::KeyboardModifiers modifiers = {},
             bool autoRepeat = false)
    {
        QKeyEvent event(type, Qt::Key_unknown, modifiers, keycode, 0, 0, QString(), autoRepeat);
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    }

    // Replaces the script of `button` (0-based) through the open document,
    // as editing commands do: one undoable step, after which the
    // configuration is modified.
    void edit(int button, const QList<ContentEntry> &entries)
    {
        static int step = 0;
        ConfigDocument &document = window->document();
        const int length = document.table().content(uint8_t(button)).length;
        QList<int> rows;
        for (int row = 0; row < length; ++row)
            rows.append(row);
        document.removeRows(uint8_t(button), rows, QStringLiteral("Edit"), --step);
        document.insertEntries(uint8_t(button), 0, entries, QStringLiteral("Edit"), step);
    }
    // Every window starts with an empty, unmodified configuration of its own.
    bool openFreshWindow() { return openWindow(); }
    const ButtonTable &table() const { return window->document().table(); }
    QString activeEntryCodes() const { return ::activeEntryCodes(*window); }

    QPushButton *button(const char *name) const
    {
        auto *b = window->findChild<QPushButton *>(QString::fromLatin1(name));
        Q_ASSERT(b);
        return b;
    }
    // One of the 23 keypad buttons, by the number printed on it.
    QPushButton *button(int number) const
    {
        return button(qPrintable(QString("pushButton%1").arg(number)));
    }
    QAction *action(const char *name) const
    {
        auto *a = window->findChild<QAction *>(QString::fromLatin1(name));
        Q_ASSERT(a);
        return a;
    }
    QListView *listView() const { return window->findChild<QListView *>("listView"); }

    // The text of the status line.
    QString status() const { return window->findChild<QLabel *>("labelState")->text(); }
    // The file name shown in the status bar (its one label without a name).
    QString fileLabel() const
    {
        const auto labels = window->statusBar()->findChildren<QLabel *>();
        for (QLabel *l : labels)
            if (l->objectName().isEmpty())
                return l->text();
        return {};
    }
    // "1010101": which of Start, Stop, Delay, Key, Up, Down, Delete are enabled.
    QString editState() const
    {
        QString s;
        for (const char *name : {"pushButtonStart", "pushButtonStop", "pushButtonDelay",
                                 "pushButtonKey", "pushButtonUp", "pushButtonDown",
                                 "pushButtonDelete"})
            s += button(name)->isEnabled() ? '1' : '0';
        return s;
    }
};
