#include "ui/wordbook/tgroupfrm.h"

#include "ui/wordbook/wordbookdialogstyle.h"
#include "ui/wordbook/wordbookmessages.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace pelinor::ui {

TGroupFrm::TGroupFrm(const QStringList& names, QWidget* parent)
    : QDialog(parent)
    , m_edit(names)
{
    setObjectName(QStringLiteral("TGroupFrm"));
    setUpWordBookDialog(this, tr("グループ名の編集"), QSize(480, 340));
    auto* layout = new QHBoxLayout(this);
    m_model = new QStringListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("GroupNameList"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(m_list, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(tr("※グループ名の追加、挿入、削除"), this));
    right->addWidget(new QLabel(tr("順番の変更ができます。"), this));
    right->addWidget(new QLabel(tr("■グループ名："), this));
    m_field = new QLineEdit(this);
    m_field->setObjectName(QStringLiteral("GroupNameField"));
    right->addWidget(m_field);
    auto* editButtons = new QGridLayout;
    const auto button = [this](const char* text, const char* name) {
        auto* b = new QPushButton(tr(text), this);
        b->setObjectName(QLatin1StringView(name));
        b->setAutoDefault(false);
        b->setEnabled(false);
        return b;
    };
    m_add = button("追加", "GroupNameAdd");
    m_insert = button("挿入", "GroupNameInsert");
    m_delete = button("削除", "GroupNameDelete");
    m_up = button("↑", "GroupNameUp");
    m_down = button("↓", "GroupNameDown");
    editButtons->addWidget(m_add, 0, 0);
    editButtons->addWidget(m_insert, 0, 1);
    editButtons->addWidget(m_delete, 0, 2);
    editButtons->addWidget(m_up, 1, 0);
    editButtons->addWidget(m_down, 1, 1);
    right->addLayout(editButtons);
    right->addWidget(new QLabel(tr("※個数は最少2個, 最大30個です。"), this));
    m_count = new QLabel(this);
    m_count->setObjectName(QStringLiteral("GroupNameCount"));
    right->addWidget(m_count);
    right->addStretch(1);
    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(tr("更新"), this);
    save->setObjectName(QStringLiteral("GroupNameSave"));
    auto* cancel = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName(QStringLiteral("GroupNameCancel"));
    for (QPushButton* b : {save, cancel}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    right->addLayout(buttons);
    layout->addLayout(right);

    showNames();
    connect(m_field, &QLineEdit::textChanged, this, [this](const QString& text) {
        // Once enabled, "追加" stays so; a click on it with a blank text adds nothing.
        if (m_edit.canAdd(text))
            m_add->setEnabled(true);
    });
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this, &TGroupFrm::selectionChanged);
    connect(m_list, &QListView::clicked, this, &TGroupFrm::selectionChanged);
    connect(m_add, &QPushButton::clicked, this, [this] {
        if (m_edit.add(m_field->text()))
            showNames();
    });
    connect(m_insert, &QPushButton::clicked, this, [this] {
        if (m_edit.insert(m_field->text()))
            showNames();
    });
    connect(m_delete, &QPushButton::clicked, this, &TGroupFrm::deleteName);
    connect(m_up, &QPushButton::clicked, this, [this] {
        if (m_edit.moveUp())
            showNames();
    });
    connect(m_down, &QPushButton::clicked, this, [this] {
        if (m_edit.moveDown())
            showNames();
    });
    connect(save, &QPushButton::clicked, this, [this] {
        if (m_saveFunction && m_saveFunction(m_edit.names()))
            accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_field->setFocus();
}

void TGroupFrm::showNames()
{
    const QSignalBlocker blocker(m_list->selectionModel());
    m_model->setStringList(m_edit.names());
    if (m_edit.selected() >= 0)
        m_list->setCurrentIndex(m_model->index(static_cast<int>(m_edit.selected())));
    m_count->setText(tr("個数： ") + QString::number(m_edit.count()) + tr("個"));
    updateMoveButtons();
}

void TGroupFrm::selectionChanged()
{
    const QModelIndex current = m_list->currentIndex();
    m_edit.select(current.isValid() ? current.row() : -1);
    if (m_edit.selected() >= 0) {
        m_insert->setEnabled(m_edit.canInsert());
        m_delete->setEnabled(m_edit.count() > 1);
    }
    updateMoveButtons();
}

void TGroupFrm::updateMoveButtons()
{
    if (m_edit.selected() < 0)
        return;
    m_up->setEnabled(m_edit.canMoveUp());
    m_down->setEnabled(m_edit.canMoveDown());
}

void TGroupFrm::deleteName()
{
    if (!m_edit.deleteSelected()) {
        showWordBookWarning(this, tr("グループをゼロにすることはできません。"));
        return;
    }
    m_list->clearSelection();
    showNames();
}

} // namespace pelinor::ui
