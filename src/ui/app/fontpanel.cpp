#include "ui/app/fontpanel.h"

#include "core/app/inputmodes.h"
#include "core/app/settings.h"
#include "ui/app/fontboxes.h"

#include <QComboBox>
#include <QGridLayout>

namespace pelinor::ui {

FontPanel::FontPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FontPanel"));
    setMinimumWidth(193);

    m_fontBox = new QComboBox(this);
    m_fontBox->setObjectName(QStringLiteral("FontBox"));
    m_fontBox->setAccessibleName(tr("フォント"));
    m_fontBox->setEditable(true);
    m_fontBox->setMaxVisibleItems(20);
    m_fontBox->setInsertPolicy(QComboBox::NoInsert);
    m_fontBox->setMinimumWidth(180);

    m_inputModeBox = new QComboBox(this);
    m_inputModeBox->setObjectName(QStringLiteral("InputModeBox"));
    m_inputModeBox->setAccessibleName(tr("入力モード"));
    m_inputModeBox->setFixedWidth(128);
    QFont modeFont = m_inputModeBox->font();
    modeFont.setPointSize(11);
    m_inputModeBox->setFont(modeFont);
    for (int item = 0; item < core::kInputModeCount; ++item)
        m_inputModeBox->addItem(core::inputModeAtItem(item).label);

    m_sizeBox = new QComboBox(this);
    m_sizeBox->setObjectName(QStringLiteral("SizeBox"));
    m_sizeBox->setAccessibleName(tr("サイズ"));
    m_sizeBox->setEditable(true);
    // Typing "5" must give 5 (and so 8), not be completed to the first listed size starting with it.
    m_sizeBox->setCompleter(nullptr);
    m_sizeBox->setMaxVisibleItems(20);
    m_sizeBox->setInsertPolicy(QComboBox::NoInsert);
    m_sizeBox->setFixedWidth(50);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 6, 4, 6);
    grid->setHorizontalSpacing(4);
    grid->addWidget(m_fontBox, 0, 0, 1, 3);
    grid->addWidget(m_inputModeBox, 1, 0);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_sizeBox, 1, 2, Qt::AlignRight);
    connect(m_fontBox, &QComboBox::currentTextChanged, this, &FontPanel::fontChosen);
}

void FontPanel::fillFromSettings(const core::Settings& settings)
{
    refillFontBox(settings);
    fillSizeBox(m_sizeBox, 9, 60);
    m_sizeBox->setEditText(QString::number(settings.integer(core::SettingKey::UsrMainFontSize)));
}

void FontPanel::refillFontBox(const core::Settings& settings)
{
    const QSignalBlocker blocker(m_fontBox);
    fillFontBox(m_fontBox, settings.integer(core::SettingKey::FontMode), settings.scriptCharset());
    if (!selectFontInBox(m_fontBox, settings.text(core::SettingKey::UsrMainFont)))
        m_fontBox->setEditText(QStringLiteral("Times New Roman"));
}

bool FontPanel::showFont(const QString& name)
{
    if (!selectFontInBox(m_fontBox, name))
        return false;
    Q_EMIT fontChosen(m_fontBox->currentText());
    return true;
}

int FontPanel::takeSize(int fallback)
{
    bool ok = false;
    int size = m_sizeBox->currentText().trimmed().toInt(&ok);
    if (!ok)
        size = fallback;
    if (size < 8) {
        size = 8;
        m_sizeBox->setEditText(QStringLiteral("8"));
    }
    return size;
}

} // namespace pelinor::ui
