#include "app/typetextdialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TypeTextDialog::TypeTextDialog(const QString &layoutName, int room, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TypeTextDialog"));
    setWindowTitle(tr("Type text"));
    auto *layout = new QVBoxLayout(this);
    auto *prompt = new QLabel(
        tr("Text to type with the %1 keyboard layout\n"
           "(a key press and release per character, Shift for capitals;\n"
           "room for %2 entries):").arg(layoutName).arg(room),
        this);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("lineEditText"));
    prompt->setBuddy(edit_);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton *ok = buttons->button(QDialogButtonBox::Ok);
    // The toolkit's captions carry no access keys.
    ok->setText(tr("&OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("&Cancel"));
    ok->setEnabled(false);
    connect(edit_, &QLineEdit::textChanged, ok,
            [ok](const QString &text) { ok->setEnabled(!text.isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(prompt);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

QString TypeTextDialog::text() const
{
    return edit_->text();
}

void TypeTextDialog::setText(const QString &text)
{
    edit_->setText(text);
}
