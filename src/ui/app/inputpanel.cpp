#include "ui/app/inputpanel.h"

#include "core/app/settings.h"
#include "ui/common/fontfamilies.h"
#include "ui/common/qtcolours.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace pelinor::ui {

using core::SettingKey;

InputPanel::InputPanel(const core::Settings& settings, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("InputPanel"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_phoneticArea = new QLineEdit(this);
    m_phoneticArea->setObjectName(QStringLiteral("PhoneticArea"));
    m_phoneticArea->setAccessibleName(tr("発音記号"));
    m_phoneticArea->setMinimumHeight(24);

    m_foreignArea = new QPlainTextEdit(this);
    m_foreignArea->setObjectName(QStringLiteral("ForeignArea"));
    m_foreignArea->setAccessibleName(tr("外国語"));

    layout->addWidget(m_phoneticArea);
    layout->addWidget(m_foreignArea, 1);
    applySettings(settings);
}

void InputPanel::applySettings(const core::Settings& settings)
{
    // With DispFSizeLockFlg the areas keep their fixed display sizes whatever size the boxes choose.
    const bool fixedSizes = settings.flag(SettingKey::DispFSizeLockFlg);
    setPhoneticFont(settings.text(SettingKey::UsrSubFont),
        settings.integer(fixedSizes ? SettingKey::DispSubFSize : SettingKey::UsrSubFontSize));
    setPhoneticColour(toQColor(settings.phoneticAreaColour()));
    m_phoneticArea->setPlaceholderText(tr("< 発音記号 >"));
    // The areas convert keys themselves; an input method would take them first.
    m_phoneticArea->setAttribute(Qt::WA_InputMethodEnabled, false);

    QFont foreignFont = fontOfFamily(settings.text(SettingKey::UsrMainFont));
    foreignFont.setPointSize(settings.integer(fixedSizes ? SettingKey::DispMainFSize : SettingKey::UsrMainFontSize));
    m_foreignArea->setFont(foreignFont);
    m_foreignArea->setAttribute(Qt::WA_InputMethodEnabled, false);
    setScrollBars(settings.flag(SettingKey::ScroBarsFlg));
    setWordWrap(settings.flag(SettingKey::WordWrapFlg));
}

void InputPanel::setPhoneticFont(const QString& family, int size)
{
    QFont font = fontOfFamily(family);
    font.setPointSize(size);
    m_phoneticArea->setFont(font);
}

void InputPanel::setPhoneticPointSize(int size)
{
    QFont font = m_phoneticArea->font();
    font.setPointSize(size);
    m_phoneticArea->setFont(font);
}

void InputPanel::setPhoneticColour(const QColor& colour)
{
    QPalette palette = m_phoneticArea->palette();
    palette.setColor(QPalette::Base, colour);
    m_phoneticArea->setPalette(palette);
}

void InputPanel::setWordWrap(bool on)
{
    m_foreignArea->setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
}

void InputPanel::setScrollBars(bool on)
{
    const Qt::ScrollBarPolicy bars = on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    m_foreignArea->setHorizontalScrollBarPolicy(bars);
    m_foreignArea->setVerticalScrollBarPolicy(bars);
}

void InputPanel::clear()
{
    m_phoneticArea->clear();
    m_foreignArea->clear();
    m_foreignArea->setFocus();
}

void InputPanel::switchFocus()
{
    if (m_foreignArea->hasFocus()) {
        m_phoneticArea->setFocus();
        m_phoneticArea->end(false);
    } else {
        m_foreignArea->setFocus();
        m_foreignArea->moveCursor(QTextCursor::End);
    }
}

void InputPanel::insertIntoForeignArea(const QString& text)
{
    m_foreignArea->setFocus();
    m_foreignArea->insertPlainText(text);
}

void InputPanel::setForeignFamily(const QString& family)
{
    QFont font = m_foreignArea->font();
    setFontFamily(font, family);
    m_foreignArea->setFont(font);
}

void InputPanel::setForeignPointSize(int size)
{
    QFont font = m_foreignArea->font();
    font.setPointSize(size);
    m_foreignArea->setFont(font);
}

int InputPanel::foreignPointSize() const
{
    return m_foreignArea->font().pointSize();
}

} // namespace pelinor::ui
