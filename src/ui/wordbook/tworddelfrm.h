#pragma once

#include "core/wordbook/wordentry.h"

#include <QDialog>
#include <QFont>
#include <QString>

#include <functional>
#include <optional>

namespace pelinor::ui {

/// "単語削除": shows the number, foreign word and Japanese meaning of the selected entry; "削除" runs the
/// delete function and the dialog closes when it succeeds. Without a selected entry the fields stay empty
/// and "削除" does nothing.
class TWordDelFrm : public QDialog {
    Q_OBJECT

public:
    TWordDelFrm(const QString& languageName, const QFont& foreignFont, const std::optional<core::WordEntry>& entry,
        QWidget* parent = nullptr);
    void setDeleteFunction(std::function<bool()> remove) { m_deleteFunction = std::move(remove); }

private:
    std::function<bool()> m_deleteFunction;
};

} // namespace pelinor::ui
