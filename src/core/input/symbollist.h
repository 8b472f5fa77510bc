#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace pelinor::core {

/// An ordered list of symbols without repeats (each a short text: one character, or a digraph such as
/// "Ch"), optionally holding at most `capacity` of them; and its file form.
///
/// The file is UTF-8, one symbol a line: the code points in hex separated by spaces, a tab, then the
/// symbol itself for whoever opens the file ("0259\tə"). Only the codes are read, so that a symbol that is
/// a space or a combining mark survives an editor; lines that do not start with codes are skipped, as are
/// lines starting with "#".
class SymbolList {
public:
    /// An unbounded list; a negative or zero `capacity` means no bound.
    explicit SymbolList(qsizetype capacity = 0);

    /// True for a text the lists take: one to four code points, none of them a control character or a
    /// lone surrogate, and not only white space.
    static bool isSymbol(const QString& text);

    /// Puts `text` first, moving it there if it is in the list, and drops the last entries beyond the
    /// capacity. Returns false, doing nothing, for a text that is no symbol or is already first.
    bool putFirst(const QString& text);
    /// Adds `text` at the end unless it is in the list or is no symbol. Returns whether it was added.
    bool append(const QString& text);
    /// Removes `text`; returns whether it was there.
    bool remove(const QString& text);
    bool contains(const QString& text) const { return m_items.contains(text); }

    const QStringList& items() const { return m_items; }
    qsizetype capacity() const { return m_capacity; }

    /// The file form of the list.
    QByteArray toFileBytes() const;
    /// Reads the file form into a list of `capacity`; lines beyond the capacity are left out. Sets
    /// `skipped` (when given) to the number of lines that could not be read.
    static SymbolList fromFileBytes(const QByteArray& bytes, qsizetype capacity = 0, int* skipped = nullptr);

    friend bool operator==(const SymbolList&, const SymbolList&) = default;

private:
    void trim();

    qsizetype m_capacity = 0;
    QStringList m_items;
};

} // namespace pelinor::core
