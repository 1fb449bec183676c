#pragma once

#include <QWidget>

class QPlainTextEdit;

// A plain text window for diagnostics; built with the main window, never shown.
class DBG : public QWidget
{
    Q_OBJECT

public:
    explicit DBG(QWidget *parent = nullptr);
    ~DBG() override;

    void appendLine(const QString &text);

private:
    QPlainTextEdit *plainTextEdit;
};
