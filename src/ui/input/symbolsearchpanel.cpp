#include "ui/input/symbolsearchpanel.h"

#include "ui/input/symbolsearchmodel.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QVBoxLayout>

namespace pelinor::ui {

SymbolSearchPanel::SymbolSearchPanel(const core::SymbolSearchIndex& index, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SymbolSearchPanel"));
    m_field = new QLineEdit;
    m_field->setObjectName(QStringLiteral("PadSymbolSearchField"));
    m_field->setPlaceholderText(tr("名前で検索"));
    m_field->setAccessibleName(tr("名前で検索"));
    m_field->setToolTip(tr("英語名・日本語名・ユニコード名・4桁16進・文字そのもので記号を探します。"
                           "Enterで最初の記号を入力します。"));
    m_field->installEventFilter(this);
    m_count = new QLabel;
    m_count->setObjectName(QStringLiteral("PadSymbolSearchCount"));

    m_model = new SymbolSearchModel(index, this);
    m_list = new QListView;
    m_list->setObjectName(QStringLiteral("PadSymbolSearchList"));
    m_list->setAccessibleName(tr("見つかった記号"));
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The input line keeps the focus when a character is clicked.
    m_list->setFocusPolicy(Qt::TabFocus);
    QFont listFont = m_list->font();
    listFont.setPointSize(12);
    m_list->setFont(listFont);

    auto* top = new QHBoxLayout;
    top->addWidget(m_field, 1);
    top->addWidget(m_count);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);

    connect(m_field, &QLineEdit::textChanged, this, &SymbolSearchPanel::search);
    connect(m_list, &QListView::clicked, this, [this](const QModelIndex& item) {
        const QString text = m_model->textAt(item.row());
        if (!text.isEmpty())
            Q_EMIT symbolChosen(text);
    });
}

void SymbolSearchPanel::search(const QString& query)
{
    m_model->search(query);
    m_count->setText(query.trimmed().isEmpty() ? QString() : tr("%n件", nullptr, m_model->rowCount()));
}

bool SymbolSearchPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_model->rowCount() > 0)
                Q_EMIT symbolChosen(m_model->textAt(0));
            return true;
        }
        if (key == Qt::Key_Escape && !m_field->text().isEmpty()) {
            m_field->clear();
            return true;
        }
        if (key == Qt::Key_Down && m_model->rowCount() > 0) {
            m_list->setFocus();
            m_list->setCurrentIndex(m_model->index(0));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace pelinor::ui
