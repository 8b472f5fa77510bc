#include "core/tables/symbolnumbers.h"

namespace pelinor::core {

SymbolNumbers::SymbolNumbers(const QList<SymbolEntry>& entries)
    : m_entries(&entries)
{
    m_numberOfCode.reserve(entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString& code = entries[i].code;
        if (!code.isEmpty() && !m_numberOfCode.contains(code))
            m_numberOfCode.insert(code, static_cast<int>(i + 1));
    }
}

int SymbolNumbers::numberOfCode(QStringView code) const
{
    if (code.isEmpty())
        return 0;
    return m_numberOfCode.value(code.toString(), 0);
}

const SymbolEntry* SymbolNumbers::entryOfNumber(int number) const
{
    if (number < 1 || number > count())
        return nullptr;
    return &(*m_entries)[number - 1];
}

const SymbolEntry* SymbolNumbers::entryOfField(QStringView field) const
{
    // The fields take digits only; anything else, or a number too long to be a No, names no entry.
    if (field.isEmpty() || field.size() > 9)
        return nullptr;
    int number = 0;
    for (QChar c : field) {
        if (c < u'0' || c > u'9')
            return nullptr;
        number = number * 10 + (c.unicode() - u'0');
    }
    return entryOfNumber(number);
}

SymbolNumbers::Slots SymbolNumbers::fieldsOfSlots(const Slots& slots) const
{
    Slots fields;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const int number = numberOfCode(slots[i]);
        if (number > 0)
            fields[i] = QString::number(number);
    }
    return fields;
}

SymbolNumbers::Slots SymbolNumbers::slotsOfFields(const Slots& fields) const
{
    Slots result;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (const SymbolEntry* entry = entryOfField(fields[i]))
            result[i] = entry->code;
    }
    return result;
}

} // namespace pelinor::core
