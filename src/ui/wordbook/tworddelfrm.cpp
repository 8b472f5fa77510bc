#include "ui/wordbook/tworddelfrm.h"

#include "ui/wordbook/wordbookdialogstyle.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

TWordDelFrm::TWordDelFrm(
    const QString& languageName, const QFont& foreignFont, const std::optional<core::WordEntry>& entry, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TWordDelFrm"));
    setUpWordBookDialog(this, tr("単語削除"), QSize(480, 240));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("※以下の単語を削除しますか？"), this));
    auto* form = new QFormLayout;
    auto* number = new QLineEdit(this);
    number->setObjectName(QStringLiteral("DeleteWordNumber"));
    number->setAlignment(Qt::AlignRight);
    QPalette grey = number->palette();
    grey.setColor(QPalette::Base, QColor(128, 128, 128));
    grey.setColor(QPalette::Text, Qt::white);
    number->setPalette(grey);
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    auto* foreign = new QLineEdit(this);
    foreign->setObjectName(QStringLiteral("DeleteWordForeign"));
    foreign->setFont(foreignFont);
    auto* japanese = new QLineEdit(this);
    japanese->setObjectName(QStringLiteral("DeleteWordJapanese"));
    for (QLineEdit* field : {number, foreign, japanese})
        field->setReadOnly(true);
    if (entry) {
        number->setText(QString::number(entry->number));
        foreign->setText(entry->foreignWord);
        japanese->setText(entry->japanese);
    }
    form->addRow(tr("■No："), number);
    form->addRow(QStringLiteral("■") + languageName + QStringLiteral("："), foreign);
    form->addRow(tr("■日本語："), japanese);
    layout->addLayout(form);
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* remove = new QPushButton(tr("削除"), this);
    remove->setObjectName(QStringLiteral("DeleteWordOk"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("DeleteWordCancel"));
    for (QPushButton* button : {remove, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    cancel->setFocus();
    connect(remove, &QPushButton::clicked, this, [this] {
        if (m_deleteFunction && m_deleteFunction())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace pelinor::ui
