#pragma once

#include "core/input/tablesets.h"
#include "core/transfer/richtextfont.h"
#include "ui/input/triggerkeyinput.h"

#include <QDialog>
#include <QPoint>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QTabWidget;
class QTextEdit;
class QToolButton;

namespace pelinor::core {
class InputModeController;
class SymbolCollections;
class SymbolSearchIndex;
class Settings;
} // namespace pelinor::core

namespace pelinor::ui {

class PhoneticKeyPanel;
class RomajiKeyPanel;
class ScreenKeyboard;
class SymbolSearchPanel;
class ScriptKeyTranslator;
class TransferController;
class TransferIndicator;

/// What the PAD borrows from the main window while it is open. Every reference must outlive the PAD.
struct PadContext {
    core::Settings& settings;
    core::TableSets& tables;
    TriggerKeyInput& triggerInput;
    TransferController& transfer;
    const core::InputModeController& inputModes;
    /// Types a key of the input line through the current script's keyboard layout (the layout modes), and
    /// keeps Caps Lock as the key presses seen so far have left it.
    ScriptKeyTranslator& scriptKeys;
    /// Opens the HTML list of a side's candidate file ("一覧").
    std::function<void(core::TableSide side)> openCandidateList;
    /// The caption of the main window's on-screen keyboard page.
    QString keyboardCaption;
    /// The symbol name search, offered on a page of its own beside the key panels when given.
    core::SymbolSearchIndex* symbolSearch = nullptr;
    core::SymbolCollections* symbolCollections = nullptr;
};

/// The character PAD: a small window that stands in for the main window while the user types short pieces of
/// foreign text for another program. One input line, the three key panels on tabs, the transfer button, the
/// size of the transferred rich text and the transfer-target indicator. Its transfers always take the direct
/// rich-text route, whatever the transfer mode; Enter and F9 transfer too.
///
/// It is built anew for each opening, from the script and tables current at that moment.
class TPadFrm : public QDialog {
    Q_OBJECT

public:
    enum Page { RomajiPage = 0, KeyboardPage = 1, PhoneticPage = 2, SymbolSearchPage = 3 };

    /// Builds the PAD; `position` is where its own area (inside the window manager's frame) was when it was
    /// last closed in this run (none: centred on the screen).
    TPadFrm(const PadContext& context, std::optional<QPoint> position, QWidget* parent = nullptr);
    ~TPadFrm() override;

    QLineEdit* inputLine() const { return m_edit; }
    TransferIndicator* indicator() const { return m_indicator; }
    QCheckBox* autoPasteBox() const { return m_autoPaste; }
    QCheckBox* clearBox() const { return m_clear; }
    QComboBox* sizeBox() const { return m_sizeBox; }
    QToolButton* transferButton() const { return m_transferButton; }
    QTabWidget* tabs() const { return m_tabs; }
    RomajiKeyPanel* romajiPanel() const { return m_romaji; }
    ScreenKeyboard* screenKeyboard() const { return m_keyboard; }
    PhoneticKeyPanel* phoneticPanel() const { return m_phonetic; }
    /// The symbol name search page; null when the PAD was given no search.
    SymbolSearchPanel* symbolSearchPanel() const { return m_symbolSearch; }
    /// The hidden rich-text buffer whose font the transferred rich text carries.
    QTextEdit* richBuffer() const { return m_buffer; }
    int transferSize() const { return m_transferSize; }

public Q_SLOTS:
    /// The transfer button, F9 and Enter: the selection of the input line, or else its whole text, goes to the
    /// clipboard as rich text and, with automatic paste on, into the transfer target.
    void transferText();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTopStrip();
    void buildPanels();
    void connectPanels();
    void tabChanged(int page);
    /// Input line and rich-text buffer take the fonts of the shown page; the line's keys follow its layout.
    void applyPageFonts(int page);
    void applyKeyLayout(int page);
    void sizeBoxChanged();
    void passShiftToKeyboard(const QKeyEvent& event);

    PadContext m_context;
    std::optional<QPoint> m_position;
    int m_transferSize = 12;
    core::RichTextFont m_bufferFont; ///< what RichBufferC carries
    bool m_shown = false;

    TransferIndicator* m_indicator = nullptr;
    QCheckBox* m_autoPaste = nullptr;
    QLineEdit* m_edit = nullptr;
    QToolButton* m_transferButton = nullptr;
    QComboBox* m_sizeBox = nullptr;
    QCheckBox* m_clear = nullptr;
    QTextEdit* m_buffer = nullptr;
    QTabWidget* m_tabs = nullptr;
    RomajiKeyPanel* m_romaji = nullptr;
    ScreenKeyboard* m_keyboard = nullptr;
    PhoneticKeyPanel* m_phonetic = nullptr;
    SymbolSearchPanel* m_symbolSearch = nullptr;
};

} // namespace pelinor::ui
