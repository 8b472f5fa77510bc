#include "ui/wordbook/wordbookpanel.h"

#include "ui/wordbook/wordbooklistmodel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace pelinor::ui {

WordBookPanel::WordBookPanel(WordBookListModel* model, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
{
    setObjectName(QStringLiteral("WordBookPanel"));
    setAccessibleName(tr("■単語帳"));
    setMinimumWidth(0);

    auto* top = new QWidget(this);
    top->setObjectName(QStringLiteral("WordBookPanelTop"));
    top->setFixedHeight(48);
    top->setMinimumWidth(0);

    m_doorButton = new QToolButton(top);
    m_doorButton->setObjectName(QStringLiteral("DoorButton"));
    m_doorButton->setText(tr("→"));
    m_doorButton->setAccessibleName(tr("単語帳メニューを開いたり閉じたりします"));
    m_doorButton->setToolTip(tr("単語帳メニューを開いたり閉じたりします"));
    m_doorButton->setFocusPolicy(Qt::NoFocus);
    m_doorButton->setGeometry(2, 2, 28, 22);

    m_autoDoorBox = new QCheckBox(top);
    m_autoDoorBox->setObjectName(QStringLiteral("AutoDoorBox"));
    m_autoDoorBox->setAccessibleName(tr("チェックを入れた場合、単語帳を選ぶと自動で開閉します。"));
    m_autoDoorBox->setToolTip(tr("チェックを入れた場合、単語帳を選ぶと自動で開閉します。"));
    m_autoDoorBox->setFocusPolicy(Qt::NoFocus);
    m_autoDoorBox->setGeometry(8, 26, 20, 20);

    m_titleLabel = new QLabel(tr("■単語帳"), top);
    m_titleLabel->setObjectName(QStringLiteral("WordBookLabel"));
    m_titleLabel->setGeometry(34, 4, 62, 18);
    m_menuLabel = new QLabel(tr("メニュー"), top);
    m_menuLabel->setObjectName(QStringLiteral("MenuLabel"));
    m_menuLabel->setGeometry(34, 26, 62, 18);
    // The two labels share 62 pixels beside the buttons: a smaller face than the window's keeps them whole.
    for (QLabel* label : {m_titleLabel, m_menuLabel}) {
        QFont small = label->font();
        small.setPixelSize(12);
        label->setFont(small);
    }

    m_newButton = new QPushButton(tr("新規作成"), top);
    m_newButton->setObjectName(QStringLiteral("NewWordBookButton"));
    m_newButton->setAccessibleName(tr("新規作成"));
    m_newButton->setToolTip(tr("新しい単語帳を作ります"));
    m_newButton->setFocusPolicy(Qt::NoFocus);
    m_newButton->setGeometry(98, 4, 72, 40);

    m_dictionaryButton = new QToolButton(top);
    m_dictionaryButton->setObjectName(QStringLiteral("DictionaryButton"));
    m_dictionaryButton->setText(tr("辞書"));
    m_dictionaryButton->setAccessibleName(tr("辞書"));
    m_dictionaryButton->setToolTip(tr("辞書フォルダと通常フォルダを切替えられます"));
    m_dictionaryButton->setCheckable(true);
    m_dictionaryButton->setFocusPolicy(Qt::NoFocus);
    m_dictionaryButton->setGeometry(172, 4, 44, 40);

    m_folderButton = new QPushButton(tr("変更"), top);
    m_folderButton->setObjectName(QStringLiteral("FolderButton"));
    m_folderButton->setAccessibleName(tr("変更"));
    m_folderButton->setToolTip(tr("カレントのフォルダを任意のフォルダに切替えられます"));
    m_folderButton->setFocusPolicy(Qt::NoFocus);
    m_folderButton->setGeometry(218, 4, 44, 40);

    m_foreignFirstButton = new QRadioButton(top);
    m_foreignFirstButton->setObjectName(QStringLiteral("ForeignFirstButton"));
    m_foreignFirstButton->setFocusPolicy(Qt::NoFocus);
    m_foreignFirstButton->setGeometry(266, 14, 55, 20);
    m_japaneseFirstButton = new QRadioButton(top);
    m_japaneseFirstButton->setObjectName(QStringLiteral("JapaneseFirstButton"));
    m_japaneseFirstButton->setFocusPolicy(Qt::NoFocus);
    m_japaneseFirstButton->setGeometry(323, 14, 55, 20);
    auto* directions = new QButtonGroup(this);
    directions->addButton(m_foreignFirstButton);
    directions->addButton(m_japaneseFirstButton);

    m_list = new QTableView(this);
    m_list->setObjectName(QStringLiteral("WordBookList"));
    m_list->setAccessibleName(tr("単語帳リスト"));
    m_list->setModel(model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setShowGrid(false);
    m_list->setWordWrap(false);
    m_list->setTabKeyNavigation(false);
    m_list->verticalHeader()->hide();
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(21);
    QHeaderView* columns = m_list->horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setSortIndicatorShown(false);
    columns->setHighlightSections(false);
    columns->setStretchLastSection(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->setColumnWidth(WordBookListModel::TitleColumn, 100);
    m_list->setColumnWidth(WordBookListModel::FileNameColumn, 100);
    m_list->setColumnWidth(WordBookListModel::GroupColumn, 90);
    m_list->setColumnWidth(WordBookListModel::CountColumn, 55);
    QPalette colours = m_list->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, QColor(64, 64, 64));
        colours.setColor(group, QPalette::Text, Qt::white);
    }
    // The selection shows also while the list has no focus.
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(
        QPalette::Inactive, QPalette::HighlightedText, colours.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(colours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(m_list, 1);

    m_doorTimer = new QTimer(this);
    m_doorTimer->setObjectName(QStringLiteral("DoorTimer"));
    m_doorTimer->setInterval(kDoorInterval);
    connect(m_doorTimer, &QTimer::timeout, this, &WordBookPanel::doorStep);
    connect(m_doorButton, &QToolButton::clicked, this, &WordBookPanel::operateDoor);
}

void WordBookPanel::setDirectionLabels(const QString& foreignFirst, const QString& japaneseFirst)
{
    m_foreignFirstButton->setText(foreignFirst);
    m_foreignFirstButton->setAccessibleName(foreignFirst);
    m_japaneseFirstButton->setText(japaneseFirst);
    m_japaneseFirstButton->setAccessibleName(japaneseFirst);
}

void WordBookPanel::operateDoor()
{
    if (!m_autoDoorBox->isChecked() || m_doorTimer->isActive())
        return;
    m_doorIdle = false;
    m_newButton->setEnabled(false);
    m_dictionaryButton->setEnabled(false);
    m_folderButton->setEnabled(false);
    Q_EMIT doorStarted();
    m_doorTimer->start();
}

void WordBookPanel::doorStep()
{
    if (m_doorOpen) {
        if (m_doorWidth > 39) {
            m_doorWidth -= kDoorStep;
            Q_EMIT doorWidthChanged(m_doorWidth);
        } else {
            finishDoor(false);
        }
    } else {
        if (m_doorWidth < 383) {
            m_doorWidth += kDoorStep;
            Q_EMIT doorWidthChanged(m_doorWidth);
        } else {
            finishDoor(true);
        }
    }
}

void WordBookPanel::finishDoor(bool open)
{
    m_doorTimer->stop();
    m_doorWidth = open ? kOpenWidth : kClosedWidth;
    Q_EMIT doorWidthChanged(m_doorWidth);
    m_titleLabel->setVisible(open);
    m_menuLabel->setVisible(open);
    m_newButton->setEnabled(true);
    m_dictionaryButton->setEnabled(true);
    m_folderButton->setEnabled(true);
    m_doorButton->setText(open ? tr("→") : tr("←"));
    m_doorOpen = open;
    m_doorIdle = true;
    Q_EMIT doorStopped();
}

} // namespace pelinor::ui
