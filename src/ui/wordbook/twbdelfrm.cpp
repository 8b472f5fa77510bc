#include "ui/wordbook/twbdelfrm.h"

#include "ui/wordbook/wordbookdialogstyle.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

TWBDelFrm::TWBDelFrm(const QString& title, const QString& fileName, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TWBDelFrm"));
    setUpWordBookDialog(this, tr("単語帳の削除"), QSize(480, 200));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("※以下の単語帳を削除しますがよろしいですか？"), this));
    auto* form = new QFormLayout;
    auto* titleField = new QLineEdit(title, this);
    titleField->setObjectName(QStringLiteral("DeleteWordBookTitle"));
    auto* fileField = new QLineEdit(fileName, this);
    fileField->setObjectName(QStringLiteral("DeleteWordBookFile"));
    for (QLineEdit* field : {titleField, fileField})
        field->setReadOnly(true);
    form->addRow(tr("■タイトル："), titleField);
    form->addRow(tr("■ファイル名："), fileField);
    layout->addLayout(form);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("DeleteWordBookOk"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("DeleteWordBookCancel"));
    for (QPushButton* button : {ok, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (m_deleteFunction && m_deleteFunction())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace pelinor::ui
