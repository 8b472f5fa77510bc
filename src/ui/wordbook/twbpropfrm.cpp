#include "ui/wordbook/twbpropfrm.h"

#include "ui/wordbook/wordbookdialogstyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

TWBPropFrm::TWBPropFrm(WordBookHeaderFields::ChooseFolder chooseFolder, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TWBPropFrm"));
    setUpWordBookDialog(this, tr("単語帳のプロパティ変更"), QSize(480, 280));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boldLabel(tr("・カレントの単語帳の属性を変更できます。"), this));
    layout->addWidget(new QLabel(tr("（タイトルを変更する場合は、重複しないように気をつけて下さい）"), this));
    m_fields = new WordBookHeaderFields(std::move(chooseFolder), this);
    layout->addWidget(m_fields);
    layout->addWidget(new QLabel(tr("※音声フォルダを空欄にすると単語帳フォルダが音声フォルダになります。"), this));
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_apply = new QPushButton(tr("変更"), this);
    m_apply->setObjectName(QStringLiteral("WordBookPropertiesApply"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("WordBookPropertiesCancel"));
    for (QPushButton* button : {m_apply, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    cancel->setFocus();

    connect(m_apply, &QPushButton::clicked, this, [this] {
        if (m_applyFunction && m_applyFunction())
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace pelinor::ui
