#include "ui/wordbook/tnewwbfrm.h"

#include "core/wordbook/groupnameedit.h"
#include "ui/wordbook/wordbookdialogstyle.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

TNewWBFrm::TNewWBFrm(WordBookHeaderFields::ChooseFolder chooseFolder, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TNewWBFrm"));
    setUpWordBookDialog(this, tr("単語帳の新規作成"), QSize(480, 320));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(boldLabel(tr("・タイトルとグループを指定し、「作成」ボタンを押して下さい。"), this));
    m_fields = new WordBookHeaderFields(std::move(chooseFolder), this);
    m_groupEdit = new QPushButton(tr("グループ名編集"), m_fields);
    m_groupEdit->setObjectName(QStringLiteral("NewWordBookGroupEdit"));
    m_groupEdit->setAutoDefault(false);
    m_fields->grid()->addWidget(m_groupEdit, 1, 2);
    layout->addWidget(m_fields);
    for (const char* note : {"※1 「作成」ボタンを押すとファイル名を指定する画面が出ます。",
             "※2 グループは単語帳メニュー内で、隣接表示するためのものです。",
             "※3 音声フォルダは、特定フォルダに音声ファイルを置く場合に用います。",
             "指定しない場合カレントの単語帳フォルダが音声フォルダになります。"})
        layout->addWidget(new QLabel(tr(note), this));
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_create = new QPushButton(tr("作　成"), this);
    m_create->setObjectName(QStringLiteral("NewWordBookCreate"));
    m_cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    m_cancel->setObjectName(QStringLiteral("NewWordBookCancel"));
    for (QPushButton* button : {m_create, m_cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    m_create->setEnabled(false);
    connect(m_fields->titleField(), &QLineEdit::textChanged, this,
        [this](const QString& text) { m_create->setEnabled(!core::trimBlanks(text).isEmpty()); });
    connect(m_fields->titleField(), &QLineEdit::returnPressed, this, [this] {
        if (!core::trimBlanks(m_fields->titleField()->text()).isEmpty())
            create();
    });
    connect(m_create, &QPushButton::clicked, this, &TNewWBFrm::create);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_groupEdit, &QPushButton::clicked, this, [this] {
        if (m_groupEditFunction)
            m_groupEditFunction();
    });
    m_fields->titleField()->setFocus();
}

void TNewWBFrm::create()
{
    if (m_createFunction && m_createFunction())
        accept();
}

} // namespace pelinor::ui
