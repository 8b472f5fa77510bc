#include "ui/wordbook/tjumpfrm.h"

#include "ui/wordbook/wordbookdialogstyle.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

constexpr int kListRows = 20;

} // namespace

TJumpFrm::TJumpFrm(qsizetype count, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TJumpFrm"));
    setUpWordBookDialog(this, tr("ジャンプ"), QSize(480, 200));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    m_number = new QComboBox(this);
    m_number->setObjectName(QStringLiteral("JumpNumber"));
    m_number->setEditable(true);
    m_number->setInsertPolicy(QComboBox::NoInsert);
    m_number->setMaxVisibleItems(kListRows);
    // Numbers are typed without the input method.
    m_number->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_number->lineEdit()->setAttribute(Qt::WA_InputMethodEnabled, false);
    for (qsizetype n = 1; n <= count; ++n)
        m_number->addItem(QString::number(n));
    m_number->setCurrentIndex(-1);
    m_number->setEditText(QString());
    row->addWidget(new QLabel(tr("■No"), this));
    row->addWidget(m_number);
    row->addWidget(new QLabel(tr("の単語にジャンプします。"), this));
    row->addStretch(1);
    layout->addLayout(row);
    layout->addWidget(new QLabel(tr("※ジャンプするNoを指定し、OKボタンを押して下さい。"), this));
    layout->addWidget(new QLabel(tr("（数字を入力後、エンターキーを押すとOKボタンを押せます）"), this));
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_ok = new QPushButton(tr("OK"), this);
    m_ok->setObjectName(QStringLiteral("JumpOk"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("JumpCancel"));
    for (QPushButton* button : {m_ok, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    m_ok->setEnabled(false);
    connect(m_number, &QComboBox::editTextChanged, this,
        [this](const QString& text) { m_ok->setEnabled(m_number->findText(text) >= 0); });
    connect(m_number, &QComboBox::activated, this, [this] { m_ok->setEnabled(true); });
    connect(m_number->lineEdit(), &QLineEdit::returnPressed, this, &TJumpFrm::jump);
    connect(m_ok, &QPushButton::clicked, this, &TJumpFrm::jump);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_number->setFocus();
}

void TJumpFrm::jump()
{
    if (m_jumpFunction && m_jumpFunction(m_number->currentText()))
        accept();
}

} // namespace pelinor::ui
