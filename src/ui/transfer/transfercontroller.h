#pragma once

#include "core/transfer/transfermode.h"
#include "platform/windowsystem.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace pelinor::core {
class Folders;
class Settings;
struct RichTextFont;
} // namespace pelinor::core

namespace pelinor::ui {

class TransferIndicator;

/// The widgets of the main window that a transfer reads and that show the transfer target.
struct TransferWidgets {
    QPlainTextEdit* foreignArea = nullptr; ///< the foreign-language input area
    QLineEdit* phoneticArea = nullptr; ///< the phonetic input area
    TransferIndicator* indicator = nullptr; ///< red while a target is known
    QCheckBox* autoPasteBox = nullptr; ///< shows and switches AutoPasteFlg
    QLineEdit* modeDisplay = nullptr; ///< the short label of the transfer mode
    QWidget* window = nullptr; ///< the top-level window whose caption names the target
};

/// The PAD's counterparts of the target display; the PAD hands them in while it is open.
struct PadTransferWidgets {
    QWidget* window = nullptr;
    TransferIndicator* indicator = nullptr;
};

/// The transfer of the finished text to another program: takes the text of the current transfer mode's area,
/// puts it on the clipboard, brings the transfer target to the front and sends it the paste keystroke. While
/// this program is inactive it follows the foreground window and remembers the last acceptable one of another
/// program as the transfer target, shown by the indicator and the window caption.
///
/// Where the window system is not available, no target is ever taken: transfers only fill the clipboard and
/// the indicator's tooltip says why.
class TransferController : public QObject {
    Q_OBJECT

public:
    /// The last sound file played with the external player (a file name, folder optional); empty if none.
    using LastSoundQuery = std::function<QString()>;

    /// Sets the automatic-paste box from AutoPasteFlg and shows the transfer mode. `folders` gives the
    /// system folder that takes Work.rtf. Every reference must outlive the controller.
    TransferController(core::Settings& settings, const core::Folders& folders, platform::WindowSystem& windowSystem,
        const TransferWidgets& widgets, QObject* parent = nullptr);
    ~TransferController() override;

    /// Gives the last played sound file for the tracking rules while MediaPlayerFlg is on.
    void setLastSoundQuery(LastSoundQuery query);
    /// The PAD's caption and indicator while the PAD is open, which then follow the target; empty ones when
    /// it has closed.
    void setPadWidgets(const PadTransferWidgets& pad);
    bool isPadOpen() const { return m_pad.window != nullptr; }

    bool hasTarget() const { return m_targetKnown; }
    platform::WindowHandle targetWindow() const { return m_targetWindow; }
    QString targetTitle() const { return m_targetTitle; }
    /// The caption the main window and the PAD show: "Pelinor", or with the target's title.
    QString caption() const;

    QTimer* transTimer() { return &m_transTimer; }
    QTimer* pasteTimer() { return &m_pasteTimer; }

public Q_SLOTS:
    /// F9 and "転送": transfers the selection, or else the whole text, of the area of TransMode.
    void transferText();
    /// Writes the short label of TransMode into the mode display.
    void showTransferMode();
    /// Makes `mode` the value of TransMode and shows it.
    void setTransferMode(core::TransferMode mode);
    /// The PAD's direct rich-text route, outside the transfer modes: puts `text` on the clipboard as rich text
    /// in `font` beside its plain text. An empty text leaves the clipboard alone and returns false.
    bool copyRichText(const QString& text, const core::RichTextFont& font);
    /// Brings the target to the front and starts the paste timer; forgets the target silently when that fails.
    /// Does nothing without a target.
    void startPaste();
    /// No target any more: indicators in the window colour, captions "Pelinor".
    void forgetTarget();
    /// Sets AutoPasteFlg; switching it off forgets the target. The automatic-paste boxes call this.
    void setAutoPaste(bool on);

Q_SIGNALS:
    /// A target was taken or forgotten.
    void targetChanged();

private:
    void applicationActiveChanged(bool active);
    void trackForegroundWindow();
    void sendPasteKeystroke();
    void showTarget();
    bool isOwnWindow(platform::WindowHandle window) const;

    core::Settings& m_settings;
    const core::Folders& m_folders;
    platform::WindowSystem& m_windowSystem;
    TransferWidgets m_widgets;
    PadTransferWidgets m_pad;
    LastSoundQuery m_lastSound;

    QTimer m_transTimer; ///< TransTimer
    QTimer m_pasteTimer; ///< PasteTimer

    bool m_targetKnown = false; ///< TransTargetFlg
    platform::WindowHandle m_targetWindow = 0; ///< TransTargetWnd
    QString m_targetTitle; ///< TransTargetTitle
    platform::WindowHandle m_pasteWindow = 0;
};

} // namespace pelinor::ui
