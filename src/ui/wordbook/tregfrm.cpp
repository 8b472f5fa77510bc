#include "ui/wordbook/tregfrm.h"

#include "core/app/settings.h"
#include "core/wordbook/wordbookescapes.h"
#include "ui/wordbook/positionlistmodel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace pelinor::ui {

TRegFrm::TRegFrm(const core::Settings& settings, const QString& languageName, core::InputMode inputMode,
    qsizetype entryCount, const QString& foreignText, const QString& phoneticText, WordEntryDialogServices services,
    QWidget* parent)
    : WordEntryDialog(settings, languageName, inputMode, std::move(services), parent)
    , m_entryCount(entryCount)
{
    setObjectName(QStringLiteral("TRegFrm"));
    setWindowTitle(tr("単語登録"));
    setAccessibleName(tr("単語登録"));

    m_numberLabel = new QLabel(tr("No"), this);
    m_numberLabel->setObjectName(QStringLiteral("PositionLabel"));
    m_positions = new QComboBox(this);
    m_positions->setObjectName(QStringLiteral("PositionList"));
    m_positions->setAccessibleName(tr("No"));
    m_positions->setEditable(false);
    m_positions->setMaxVisibleItems(20);
    m_positions->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_positions->setMinimumContentsLength(7);
    if (auto* view = qobject_cast<QListView*>(m_positions->view()))
        view->setUniformItemSizes(true);
    m_positions->setModel(new PositionListModel(entryCount, m_positions));
    m_numberLabel->setBuddy(m_positions);
    m_aboveLabel = new QLabel(tr("の上に"), this);
    m_aboveLabel->setObjectName(QStringLiteral("AboveLabel"));
    m_insertButton = new QPushButton(tr("挿入"), this);
    m_insertButton->setObjectName(QStringLiteral("InsertButton"));
    m_insertButton->setAccessibleName(tr("挿入"));
    m_insertButton->setAutoDefault(false);
    m_addButton = new QPushButton(tr("追加 (F4)"), this);
    m_addButton->setObjectName(QStringLiteral("AddButton"));
    m_addButton->setAccessibleName(tr("追加 (F4)"));
    m_addButton->setAutoDefault(false);
    m_cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_cancelButton->setAccessibleName(tr("ｷｬﾝｾﾙ"));
    m_cancelButton->setAutoDefault(false);
    connect(m_insertButton, &QPushButton::clicked, this, &TRegFrm::insertEntry);
    connect(m_addButton, &QPushButton::clicked, this, &TRegFrm::addEntry);
    connect(m_cancelButton, &QPushButton::clicked, this, &TRegFrm::reject);

    const bool hasEntries = entryCount > 0;
    m_positions->setEnabled(hasEntries);
    m_insertButton->setEnabled(hasEntries);
    m_positions->setCurrentIndex(hasEntries ? 0 : -1);

    if (settings.flag(core::SettingKey::RegCopyFlg)) {
        if (!foreignText.isEmpty())
            foreignWordField()->setText(core::encodePlainTextLineBreaks(foreignText));
        if (!phoneticText.isEmpty())
            phoneticField()->setText(phoneticText);
    }
    layoutBottomBar(width(), kBottomBarTop);
}

void TRegFrm::layoutBottomBar(int width, int top)
{
    if (!m_cancelButton)
        return;
    m_numberLabel->setGeometry(10, top + 4, 30, 24);
    m_positions->setGeometry(42, top, 96, 30);
    m_aboveLabel->setGeometry(142, top + 4, 64, 24);
    m_insertButton->setGeometry(208, top, 70, 30);
    m_cancelButton->setGeometry(width - 10 - 90, top, 90, 30);
    m_addButton->setGeometry(width - 10 - 90 - 8 - 110, top, 110, 30);
}

void TRegFrm::showEvent(QShowEvent* event)
{
    WordEntryDialog::showEvent(event);
    if (m_focusSet)
        return;
    m_focusSet = true;
    const bool copied = m_settings.flag(core::SettingKey::RegCopyFlg) && !foreignWordField()->text().isEmpty();
    (copied ? kanaField() : foreignWordField())->setFocus();
}

void TRegFrm::addEntry()
{
    const core::WordEntry entry = entryFromFields();
    storeAndClose([&](QString* error) { return m_store ? m_store(entry, m_entryCount, error) : true; });
}

void TRegFrm::insertEntry()
{
    if (!m_insertButton->isEnabled() || m_positions->currentIndex() < 0)
        return;
    bool ok = false;
    const qsizetype number = m_positions->currentText().trimmed().toLongLong(&ok);
    if (!ok || number < 1 || number > m_entryCount)
        return;
    const core::WordEntry entry = entryFromFields();
    storeAndClose([&](QString* error) { return m_store ? m_store(entry, number - 1, error) : true; });
}

} // namespace pelinor::ui
