#include "core/input/symbollist.h"

#include <QList>

namespace pelinor::core {

namespace {

constexpr qsizetype kMaxCodePoints = 4;

bool isUsableCode(char32_t code)
{
    // Controls, lone surrogates and non-characters do not belong in a text; U+0020 alone is white space.
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) || code < 0x20 || (code >= 0x7F && code < 0xA0))
        return false;
    return (code & 0xFFFE) != 0xFFFE;
}

} // namespace

SymbolList::SymbolList(qsizetype capacity)
    : m_capacity(capacity > 0 ? capacity : 0)
{
}

bool SymbolList::isSymbol(const QString& text)
{
    if (text.isEmpty() || text.trimmed().isEmpty())
        return false;
    // A lone surrogate unit becomes U+FFFD in toUcs4(), so count and check the units too.
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate()))
            return false;
        if (c.isLowSurrogate() && (i == 0 || !text.at(i - 1).isHighSurrogate()))
            return false;
    }
    const QList<uint> codes = text.toUcs4();
    if (codes.size() > kMaxCodePoints)
        return false;
    for (uint code : codes) {
        if (!isUsableCode(code))
            return false;
    }
    return true;
}

bool SymbolList::putFirst(const QString& text)
{
    if (!isSymbol(text) || (!m_items.isEmpty() && m_items.front() == text))
        return false;
    m_items.removeAll(text);
    m_items.prepend(text);
    trim();
    return true;
}

bool SymbolList::append(const QString& text)
{
    if (!isSymbol(text) || m_items.contains(text) || (m_capacity > 0 && m_items.size() >= m_capacity))
        return false;
    m_items.append(text);
    return true;
}

bool SymbolList::remove(const QString& text)
{
    return m_items.removeAll(text) > 0;
}

void SymbolList::trim()
{
    if (m_capacity > 0 && m_items.size() > m_capacity)
        m_items.resize(m_capacity);
}

QByteArray SymbolList::toFileBytes() const
{
    QString text;
    for (const QString& item : m_items) {
        QStringList codes;
        for (uint code : item.toUcs4())
            codes.append(QStringLiteral("%1").arg(code, 4, 16, QLatin1Char('0')).toUpper());
        text += codes.join(u' ') + u'\t' + item + u'\n';
    }
    return text.toUtf8();
}

SymbolList SymbolList::fromFileBytes(const QByteArray& bytes, qsizetype capacity, int* skipped)
{
    SymbolList list(capacity);
    int bad = 0;
    QByteArray content = bytes;
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    for (QByteArray line : content.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const qsizetype tab = line.indexOf('\t');
        const QList<QByteArray> fields = (tab < 0 ? line : line.left(tab)).simplified().split(' ');
        QList<char32_t> codes;
        bool ok = fields.size() <= kMaxCodePoints;
        for (const QByteArray& field : fields) {
            if (!ok)
                break;
            const uint code = field.size() <= 6 ? field.toUInt(&ok, 16) : 0;
            ok = ok && isUsableCode(code);
            codes.append(code);
        }
        const QString text = ok ? QString::fromUcs4(codes.constData(), codes.size()) : QString();
        if (!ok || !isSymbol(text)) {
            ++bad;
            continue;
        }
        list.append(text); // a repeated line is kept once; lines beyond the capacity are dropped
    }
    if (skipped)
        *skipped = bad;
    return list;
}

} // namespace pelinor::core
