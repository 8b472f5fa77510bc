#include "ui/wordbook/wordbookheaderfields.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace pelinor::ui {

namespace {

constexpr int kGroupRows = 20;

} // namespace

WordBookHeaderFields::WordBookHeaderFields(ChooseFolder chooseFolder, QWidget* parent)
    : QWidget(parent)
    , m_chooseFolder(std::move(chooseFolder))
{
    m_grid = new QGridLayout(this);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("WordBookTitleField"));
    m_group = new QComboBox(this);
    m_group->setObjectName(QStringLiteral("WordBookGroupBox"));
    m_group->setEditable(false);
    m_group->setMaxVisibleItems(kGroupRows);
    m_soundFolder = new QLineEdit(this);
    m_soundFolder->setObjectName(QStringLiteral("WordBookSoundFolderField"));
    // A folder path is typed as it is, without the input method.
    m_soundFolder->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_browse = new QPushButton(tr("参照"), this);
    m_browse->setObjectName(QStringLiteral("WordBookSoundFolderBrowse"));
    m_browse->setAutoDefault(false);

    m_grid->addWidget(new QLabel(tr("■タイトル："), this), 0, 0);
    m_grid->addWidget(m_title, 0, 1, 1, 2);
    m_grid->addWidget(new QLabel(tr("■グループ："), this), 1, 0);
    m_grid->addWidget(m_group, 1, 1);
    m_grid->addWidget(new QLabel(tr("■音声ﾌｫﾙﾀﾞ："), this), 2, 0);
    m_grid->addWidget(m_soundFolder, 2, 1);
    m_grid->addWidget(m_browse, 2, 2);
    m_grid->setColumnStretch(1, 1);

    connect(m_browse, &QPushButton::clicked, this, &WordBookHeaderFields::browse);
}

void WordBookHeaderFields::setGroups(const QStringList& names, qsizetype selected)
{
    m_group->clear();
    m_group->addItems(names);
    m_group->setCurrentIndex(static_cast<int>(selected));
}

QString WordBookHeaderFields::group() const
{
    return m_group->currentIndex() >= 0 ? m_group->currentText() : QString();
}

void WordBookHeaderFields::browse()
{
    const QString caption = tr("希望するカレントの単語帳フォルダを指定して下さい。");
    const QString chosen = m_chooseFolder ? m_chooseFolder(window(), caption, m_browseStart)
                                          : QFileDialog::getExistingDirectory(window(), caption, m_browseStart);
    if (chosen.isEmpty())
        return;
    m_soundFolder->setText(QDir::toNativeSeparators(QDir::cleanPath(chosen)));
    m_soundFolder->end(false);
}

} // namespace pelinor::ui
