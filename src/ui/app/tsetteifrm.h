#pragma once

#include "core/app/settingsdialogvalues.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QTabWidget;

namespace pelinor::core {
class Folders;
class Settings;
} // namespace pelinor::core

namespace pelinor::ui {

/// The settings dialog "設定" (F8): six pages that edit almost every setting, the reset of the settings
/// file and the removal of the program's files before an uninstallation. The word list appearance bars act
/// at once; everything else is taken on OK (see core::applySettingsDialog()), and the main window then
/// applies what changed() says. After the reset, the removal or a change that needs a restart, the program
/// must end: endsProgram() tells the main window to close.
class TSetteiFrm : public QDialog {
    Q_OBJECT

public:
    TSetteiFrm(core::Settings& settings, const core::Folders& folders, QWidget* parent = nullptr);

    /// What OK changed; empty until OK.
    const core::SettingsChanges& changes() const { return m_changes; }
    /// The settings file was reset or the program's files removed: the program ends without writing the
    /// settings.
    bool endsProgram() const { return m_endsProgram; }

    /// What the controls show now, as OK would take it.
    core::SettingsDialogValues values() const;

Q_SIGNALS:
    /// An appearance bar moved or "初期値に戻す" was pressed: the word list takes the settings anew.
    void wordListAppearanceChanged();

private:
    struct AppearanceBar {
        QSlider* bar = nullptr;
        QLabel* value = nullptr;
    };
    struct ColourControls {
        QFrame* sample = nullptr;
        QLineEdit* field = nullptr;
    };
    struct TimerControls {
        QSlider* bar = nullptr;
        QLabel* value = nullptr;
    };

    QWidget* buildWordBookPage();
    QWidget* buildGeneralPage();
    QWidget* buildFontPage();
    QWidget* buildFilePage();
    QWidget* buildColourPage();
    QWidget* buildTimerPage();
    QWidget* buildAppearanceGroup();
    QWidget* buildColourRow(size_t row, const QString& caption);
    QWidget* buildTimerGroup(size_t index, const QString& caption, const QString& purpose);
    QComboBox* makeFontBox(const QString& objectName);
    QComboBox* makeSizeBox(const QString& objectName);
    void fillFromSettings();

    void appearanceBarMoved(size_t index, int value);
    void resetAppearance();
    void floorPhoneticSize();
    void browseTableFile(size_t field);
    void chooseColour(size_t row);
    void showColour(size_t row, core::ColourRgb colour);
    void colourTyped(size_t row, const QString& text);
    void placeTimerValue(size_t index);
    bool eventFilter(QObject* watched, QEvent* event) override;
    void accept() override;
    void resetSettingsFile();
    void removeAllFiles();

    core::Settings& m_settings;
    const core::Folders& m_folders;
    core::SettingsChanges m_changes;
    bool m_endsProgram = false;

    QTabWidget* m_pages = nullptr;
    std::array<QCheckBox*, 5> m_wordBookBoxes{};
    QCheckBox* m_appearanceBox = nullptr;
    std::array<AppearanceBar, 4> m_appearance{};
    std::array<QCheckBox*, 5> m_generalBoxes{};
    QCheckBox* m_uninstallBox = nullptr;
    QPushButton* m_removeAllButton = nullptr;
    QCheckBox* m_scriptFontsOnlyBox = nullptr;
    QComboBox* m_phoneticFontBox = nullptr;
    QComboBox* m_phoneticSizeBox = nullptr;
    std::array<QComboBox*, 3> m_scriptFontBoxes{};
    QCheckBox* m_fixedSizesBox = nullptr;
    QComboBox* m_fixedMainSizeBox = nullptr;
    QComboBox* m_fixedSubSizeBox = nullptr;
    QList<QWidget*> m_fixedSizeControls;
    std::array<QLineEdit*, 8> m_tableFiles{};
    std::array<ColourControls, 9> m_colours{};
    std::array<core::ColourRgb, 9> m_sampleColours{};
    std::array<TimerControls, 2> m_timers{};
};

} // namespace pelinor::ui
