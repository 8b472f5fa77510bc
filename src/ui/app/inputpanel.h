#pragma once

#include <QWidget>

class QColor;
class QLineEdit;
class QPlainTextEdit;

namespace pelinor::core {
class Settings;
}

namespace pelinor::ui {

/// The two input areas of the main window: the single-line phonetic area above the multi-line
/// foreign-language area, set up from the settings (fonts, colour, scroll bars, word wrap).
class InputPanel : public QWidget {
    Q_OBJECT

public:
    explicit InputPanel(const core::Settings& settings, QWidget* parent = nullptr);

    QLineEdit* phoneticArea() const { return m_phoneticArea; }
    QPlainTextEdit* foreignArea() const { return m_foreignArea; }

    /// Empties both areas and gives the foreign-language area the focus.
    void clear();
    /// Moves the focus to the other area, with the caret at its end.
    void switchFocus();
    /// Inserts `text` at the caret of the foreign-language area, which takes the focus.
    void insertIntoForeignArea(const QString& text);
    void setForeignFamily(const QString& family);
    void setForeignPointSize(int size);
    int foreignPointSize() const;
    /// The phonetic area's font and size in points.
    void setPhoneticFont(const QString& family, int size);
    void setPhoneticPointSize(int size);
    void setPhoneticColour(const QColor& colour);
    /// The foreign-language area wraps at its right edge.
    void setWordWrap(bool on);
    /// The foreign-language area shows both scroll bars, or none.
    void setScrollBars(bool on);

private:
    void applySettings(const core::Settings& settings);

    QLineEdit* m_phoneticArea = nullptr;
    QPlainTextEdit* m_foreignArea = nullptr;
};

} // namespace pelinor::ui
