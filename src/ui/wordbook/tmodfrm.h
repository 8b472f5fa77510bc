#pragma once

#include "ui/wordbook/wordentrydialog.h"

#include <functional>
#include <optional>

class QPushButton;

namespace pelinor::ui {

/// The edit dialog "単語編集": shows the selected entry and replaces its fields 1 to 6 on "反映 (F4)" or F4;
/// the text colour stays.
class TModFrm : public WordEntryDialog {
    Q_OBJECT

public:
    /// Applies the fields (the text colour left empty; the receiver keeps the entry's own). Gives false
    /// with a message when the word book could not be written.
    using ApplyFunction = std::function<bool(const core::WordEntry& fields, QString* error)>;

    /// `entry` is the selected entry, or nullopt when none is selected (the fields stay empty).
    TModFrm(const core::Settings& settings, const QString& languageName, core::InputMode inputMode,
        const std::optional<core::WordEntry>& entry, WordEntryDialogServices services, QWidget* parent = nullptr);

    void setApplyFunction(ApplyFunction apply) { m_apply = std::move(apply); }

    QPushButton* applyButton() const { return m_applyButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

    /// "反映 (F4)".
    void applyEntry();

protected:
    void layoutBottomBar(int width, int top) override;
    void runF4Command() override { applyEntry(); }
    void showEvent(QShowEvent* event) override;

private:
    ApplyFunction m_apply;
    QPushButton* m_applyButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
    bool m_focusSet = false;
};

} // namespace pelinor::ui
