#pragma once

#include <QDialog>

class QLineEdit;

// Asks for a piece of text that the configurator turns into key strokes.
class TypeTextDialog : public QDialog
{
    Q_OBJECT

public:
    // `layoutName` names the keyboard layout the text is typed with; `room`
    // is the number of entries the active button can still take.
    TypeTextDialog(const QString &layoutName, int room, QWidget *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

private:
    QLineEdit *edit_ = nullptr;
};
