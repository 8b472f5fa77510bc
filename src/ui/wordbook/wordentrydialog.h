#pragma once

#include "core/app/inputmodes.h"
#include "core/wordbook/wordentry.h"

#include <QDialog>
#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

/// What the word entry dialogs need from their surroundings.
struct WordEntryDialogServices {
    /// Plays the sound file of this name (without folder) of the open word book, as "再生" asks.
    std::function<void(const QString& name)> playSound;
    /// Asks for a sound file, starting in the given folder; gives the chosen path, or empty on cancel.
    std::function<QString(QWidget* parent, const QString& startFolder)> chooseSoundFile;
    /// Where choosing a sound file starts.
    QString soundStartFolder;
    /// Puts back the user's own keyboard layout.
    std::function<void()> restoreStartupLayout;
    /// Switches on the keyboard layout of the current script (input modes 2, 5 and 7).
    std::function<void()> selectScriptLayout;
};

/// The common part of the registration dialog "単語登録" and the edit dialog "単語編集": the six fields of a
/// word entry (foreign word, phonetic symbols, kana reading, Japanese meaning, note, sound file) with
/// "参照" and "再生" for the sound file and, in input mode 4, "置" for the accent replacement.
///
/// The foreign word field and the phonetic field are destinations of the input engine: the main window
/// attaches its trigger-key handling to them through foreignWordField() and phoneticField().
class WordEntryDialog : public QDialog {
    Q_OBJECT

public:
    /// Client size at design; the height stays, the width may grow.
    static constexpr int kClientWidth = 624;
    static constexpr int kClientHeight = 383;
    /// Top of the bottom bar with the dialog's commands.
    static constexpr int kBottomBarTop = 342;

    /// `languageName` is the current script's name, `inputMode` the current input mode (1 to 7).
    WordEntryDialog(const core::Settings& settings, const QString& languageName, core::InputMode inputMode,
        WordEntryDialogServices services, QWidget* parent = nullptr);

    QLineEdit* foreignWordField() const { return m_foreignField; }
    QLineEdit* phoneticField() const { return m_phoneticField; }
    QLineEdit* kanaField() const { return m_kanaField; }
    QLineEdit* japaneseField() const { return m_japaneseField; }
    QPlainTextEdit* noteField() const { return m_noteField; }
    QLineEdit* soundFileField() const { return m_soundField; }
    /// "置"; null outside input mode 4.
    QPushButton* accentButton() const { return m_accentButton; }

    core::InputMode inputMode() const { return m_inputMode; }

    /// The entry the fields make: each field trimmed of the characters U+0000 to U+0020 at both ends (the
    /// ideographic space stays), the note's line breaks escaped as "#$0D", no text colour.
    core::WordEntry entryFromFields() const;

    /// Removes the characters U+0000 to U+0020 from both ends.
    static QString trimControls(QStringView text);

protected:
    /// Places the bottom bar's controls; `width` is the client width and `top` the top of the bar.
    virtual void layoutBottomBar(int width, int top)
    {
        Q_UNUSED(width)
        Q_UNUSED(top)
    }
    /// The command of F4 ("追加 (F4)" or "反映 (F4)").
    virtual void runF4Command() = 0;

    /// Runs a store that writes the word book. On failure the message is shown and the dialog stays
    /// open with what the user typed; on success the dialog is accepted.
    void storeAndClose(const std::function<bool(QString* error)>& store);

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    const core::Settings& m_settings;

private:
    QLineEdit* addLineField(const QString& objectName, const QString& label, int row);
    void layoutFields(int width);
    void browseSoundFile();
    void playSoundFile();
    void replaceAccents();

    core::InputMode m_inputMode;
    WordEntryDialogServices m_services;
    QList<QLabel*> m_labels;
    QLineEdit* m_foreignField = nullptr;
    QLineEdit* m_phoneticField = nullptr;
    QLineEdit* m_kanaField = nullptr;
    QLineEdit* m_japaneseField = nullptr;
    QPlainTextEdit* m_noteField = nullptr;
    QLineEdit* m_soundField = nullptr;
    QPushButton* m_browseButton = nullptr;
    QPushButton* m_playButton = nullptr;
    QPushButton* m_accentButton = nullptr;
};

} // namespace pelinor::ui
