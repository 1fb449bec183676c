#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Names the product, its version and its maker.
class About : public QDialog
{
    Q_OBJECT

public:
    static QString versionText() { return QStringLiteral("1.0.000 (00201)"); }

    explicit About(QWidget *parent = nullptr);
    ~About() override;

    void setVersion(const QString &version);

public Q_SLOTS:
    void on_pushButtonOk_clicked();

private:
    QLabel *label_version;
};
