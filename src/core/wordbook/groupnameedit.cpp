#include "core/wordbook/groupnameedit.h"

namespace pelinor::core {

GroupNameEdit::GroupNameEdit(QStringList names)
    : m_names(std::move(names))
{
}

void GroupNameEdit::select(qsizetype index)
{
    m_selected = index >= 0 && index < m_names.size() ? index : -1;
}

bool GroupNameEdit::canAdd(const QString& text) const
{
    return !trimBlanks(text).isEmpty() && m_names.size() < kMaxGroupNames;
}

bool GroupNameEdit::canInsert() const
{
    return m_selected >= 0 && m_names.size() < kMaxGroupNames;
}

bool GroupNameEdit::canDeleteSelected() const
{
    return m_selected >= 0 && m_names.size() > kMinGroupNames;
}

bool GroupNameEdit::canMoveUp() const
{
    return m_selected > 0;
}

bool GroupNameEdit::canMoveDown() const
{
    return m_selected >= 0 && m_selected < m_names.size() - 1;
}

bool GroupNameEdit::add(const QString& text)
{
    if (!canAdd(text))
        return false;
    m_names.append(trimBlanks(text));
    return true;
}

bool GroupNameEdit::insert(const QString& text)
{
    if (!canAdd(text))
        return false;
    if (m_selected < 0)
        return add(text);
    m_names.insert(m_selected, trimBlanks(text));
    ++m_selected;
    return true;
}

bool GroupNameEdit::deleteSelected()
{
    if (!canDeleteSelected())
        return false;
    m_names.removeAt(m_selected);
    m_selected = -1;
    return true;
}

bool GroupNameEdit::moveUp()
{
    if (!canMoveUp())
        return false;
    m_names.swapItemsAt(m_selected, m_selected - 1);
    --m_selected;
    return true;
}

bool GroupNameEdit::moveDown()
{
    if (!canMoveDown())
        return false;
    m_names.swapItemsAt(m_selected, m_selected + 1);
    ++m_selected;
    return true;
}

QString trimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() <= 0x20)
        ++begin;
    while (end > begin && text[end - 1].unicode() <= 0x20)
        --end;
    return text.sliced(begin, end - begin).toString();
}

std::optional<qsizetype> entryNumberFromText(const QString& text, qsizetype count)
{
    bool ok = false;
    const qlonglong number = trimBlanks(text).toLongLong(&ok, 10);
    if (!ok || number < 1 || number > count)
        return std::nullopt;
    return static_cast<qsizetype>(number);
}

} // namespace pelinor::core
