#pragma once

#include "core/app/settingkey.h"
#include "ui/input/keypanelbase.h"

class QCheckBox;
class QToolButton;

namespace pelinor::core {
class Settings;
class TableSet;
} // namespace pelinor::core

namespace pelinor::ui {

/// A key panel with one fixed layout whose keys are enabled where they are triggers of a side's candidate
/// table: the romaji and the phonetic-symbol key panels. Beside the keys it has the check boxes "直"
/// (insert a single candidate directly) and "復" (offer the trigger itself as a further candidate), bound
/// to the side's settings flags, and the button "一覧" that asks for the HTML list of the side's
/// candidate file.
class TableKeyPanel : public KeyPanelBase {
    Q_OBJECT

public:
    core::TableSide side() const { return m_side; }
    QCheckBox* directInputBox() const { return m_direct; }
    QCheckBox* triggerReturnBox() const { return m_reverse; }
    QToolButton* listButton() const { return m_list; }

Q_SIGNALS:
    /// "一覧" was clicked: open the HTML list page of `side`'s candidate file when it exists
    /// (core::candidateListPagePath).
    void listRequested(pelinor::core::TableSide side);

protected:
    TableKeyPanel(core::KeyPanelKind kind, core::TableSide side, core::Settings& settings, core::SettingKey directKey,
        core::SettingKey reverseKey, const QColor& lowerColour, QWidget* parent);

    /// Shows `faces` for the table `set`, and the two flags as the settings hold them now.
    void showTable(const core::TableSet& set, const core::KeyPanelFaces& faces);
    core::Settings& settings() const { return m_settings; }

    void keyClicked(int index, bool legend) override;
    void placeControls() override;
    int roomRightOfLastRow() const override;
    /// Room kept free at the right end of the fourth row, right of "一覧".
    virtual int reservedRight() const { return 0; }

private:
    core::TableSide m_side;
    core::Settings& m_settings;
    core::SettingKey m_directKey;
    core::SettingKey m_reverseKey;
    const core::TableSet* m_set = nullptr;
    QCheckBox* m_direct = nullptr;
    QCheckBox* m_reverse = nullptr;
    QToolButton* m_list = nullptr;
};

} // namespace pelinor::ui
