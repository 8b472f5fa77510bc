#include "ui/wordbook/twordmovefrm.h"

#include "ui/wordbook/wordbookdialogstyle.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelinor::ui {

namespace {

constexpr int kListRows = 20;

} // namespace

TWordMoveFrm::TWordMoveFrm(qsizetype source, qsizetype count, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TWordMoveFrm"));
    setUpWordBookDialog(this, tr("単語移動"), QSize(480, 240));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto* sourceField = new QLineEdit(QString::number(source), this);
    sourceField->setObjectName(QStringLiteral("MoveWordSource"));
    sourceField->setReadOnly(true);
    sourceField->setAlignment(Qt::AlignRight);
    m_target = new QComboBox(this);
    m_target->setObjectName(QStringLiteral("MoveWordTarget"));
    m_target->setEditable(true);
    m_target->setInsertPolicy(QComboBox::NoInsert);
    m_target->setMaxVisibleItems(kListRows);
    for (qsizetype n = 1; n <= count; ++n) {
        if (n != source)
            m_target->addItem(QString::number(n));
    }
    m_target->setCurrentIndex(-1);
    m_target->setEditText(QString());
    grid->addWidget(new QLabel(tr("■移動元：　No"), this), 0, 0);
    grid->addWidget(sourceField, 0, 1);
    grid->addWidget(new QLabel(tr("の単語を"), this), 0, 2);
    grid->addWidget(new QLabel(tr("↑"), this), 1, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(tr("■移動先：  No"), this), 2, 0);
    grid->addWidget(m_target, 2, 1);
    grid->addWidget(new QLabel(tr("の単語の上に挿入します。"), this), 2, 2);
    layout->addLayout(grid);
    layout->addWidget(new QLabel(tr("※移動先単語のNoを指定し、移動ボタンを押して下さい。"), this));
    layout->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    m_move = new QPushButton(tr("移動"), this);
    m_move->setObjectName(QStringLiteral("MoveWordOk"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("MoveWordCancel"));
    for (QPushButton* button : {m_move, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    m_move->setEnabled(false);
    connect(m_target, &QComboBox::editTextChanged, this,
        [this](const QString& text) { m_move->setEnabled(m_target->findText(text) >= 0); });
    connect(m_target, &QComboBox::activated, this, [this] { m_move->setEnabled(true); });
    connect(m_move, &QPushButton::clicked, this, [this] {
        if (m_moveFunction && m_moveFunction(m_target->currentText()))
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

} // namespace pelinor::ui
