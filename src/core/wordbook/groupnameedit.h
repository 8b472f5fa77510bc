#pragma once

#include "core/wordbook/groupnamelist.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <optional>

namespace pelinor::core {

/// The group name list while the group editor changes it: the names, the selected one and which of the
/// editor's buttons may act. The list may hold the same name twice. Names are added only up to
/// kMaxGroupNames, and deleting stops at kMinGroupNames; saving writes whatever the list holds.
class GroupNameEdit {
public:
    explicit GroupNameEdit(QStringList names = {});

    const QStringList& names() const { return m_names; }
    qsizetype count() const { return m_names.size(); }
    /// Index of the selected name, or -1.
    qsizetype selected() const { return m_selected; }
    void select(qsizetype index);

    /// "追加": a non-blank text may be added while the list is not full.
    bool canAdd(const QString& text) const;
    /// "挿入": as canAdd(), with a name selected.
    bool canInsert() const;
    /// "削除": a selected name while more than one is listed.
    bool canDeleteSelected() const;
    /// "↑" and "↓": the selected name is not already first or last.
    bool canMoveUp() const;
    bool canMoveDown() const;

    /// Appends the trimmed text; false, changing nothing, when canAdd() is false.
    bool add(const QString& text);
    /// Inserts the trimmed text before the selected name (appends when none is selected); false, changing
    /// nothing, when canAdd() is false. The selection stays on the same name.
    bool insert(const QString& text);
    /// Deletes the selected name; false, changing nothing, when none is selected or fewer than
    /// kMinGroupNames + 1 names are listed. Nothing is selected afterwards.
    bool deleteSelected();
    /// Moves the selected name one place up or down; it stays selected.
    bool moveUp();
    bool moveDown();

private:
    QStringList m_names;
    qsizetype m_selected = -1;
};

/// The text without leading and trailing characters U+0000 to U+0020, as the word book dialogs trim
/// their fields (an ideographic space stays).
QString trimBlanks(QStringView text);

/// The entry number typed or chosen in the move and jump dialogs: a decimal number from 1 to `count`,
/// surrounding blanks allowed; nullopt for anything else.
std::optional<qsizetype> entryNumberFromText(const QString& text, qsizetype count);

} // namespace pelinor::core
