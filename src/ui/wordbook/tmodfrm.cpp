#include "ui/wordbook/tmodfrm.h"

#include "core/wordbook/wordbookescapes.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace pelinor::ui {

TModFrm::TModFrm(const core::Settings& settings, const QString& languageName, core::InputMode inputMode,
    const std::optional<core::WordEntry>& entry, WordEntryDialogServices services, QWidget* parent)
    : WordEntryDialog(settings, languageName, inputMode, std::move(services), parent)
{
    setObjectName(QStringLiteral("TModFrm"));
    setWindowTitle(tr("単語編集"));
    setAccessibleName(tr("単語編集"));

    m_applyButton = new QPushButton(tr("反映 (F4)"), this);
    m_applyButton->setObjectName(QStringLiteral("ApplyButton"));
    m_applyButton->setAccessibleName(tr("反映 (F4)"));
    m_applyButton->setAutoDefault(false);
    m_cancelButton = new QPushButton(tr("ｷｬﾝｾﾙ"), this);
    m_cancelButton->setObjectName(QStringLiteral("CancelButton"));
    m_cancelButton->setAccessibleName(tr("ｷｬﾝｾﾙ"));
    m_cancelButton->setAutoDefault(false);
    connect(m_applyButton, &QPushButton::clicked, this, &TModFrm::applyEntry);
    connect(m_cancelButton, &QPushButton::clicked, this, &TModFrm::reject);

    if (entry) {
        // The foreign word as held: a line-break escape stays visible in the one-line field.
        foreignWordField()->setText(entry->foreignWord);
        phoneticField()->setText(entry->phonetic);
        kanaField()->setText(entry->kana);
        japaneseField()->setText(entry->japanese);
        noteField()->setPlainText(core::decodePlainTextLineBreaks(entry->note));
        soundFileField()->setText(entry->soundFile);
    }
    layoutBottomBar(width(), kBottomBarTop);
}

void TModFrm::layoutBottomBar(int width, int top)
{
    if (!m_cancelButton)
        return;
    m_cancelButton->setGeometry(width - 10 - 90, top, 90, 30);
    m_applyButton->setGeometry(width - 10 - 90 - 8 - 110, top, 110, 30);
}

void TModFrm::showEvent(QShowEvent* event)
{
    WordEntryDialog::showEvent(event);
    if (m_focusSet)
        return;
    m_focusSet = true;
    noteField()->setFocus();
    noteField()->moveCursor(QTextCursor::End);
}

void TModFrm::applyEntry()
{
    const core::WordEntry fields = entryFromFields();
    storeAndClose([&](QString* error) { return m_apply ? m_apply(fields, error) : true; });
}

} // namespace pelinor::ui
