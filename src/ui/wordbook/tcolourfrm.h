#pragma once

#include <QColor>
#include <QDialog>
#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pelinor::ui {

/// The text colour dialog "文字色変更": shows the selected entry's colour and lets the user pick a new one
/// from the named colours or the colour chooser ("カスタム"), or type its colour text.
class TColourFrm : public QDialog {
    Q_OBJECT

public:
    /// Opens the colour chooser preset with a colour; gives the chosen colour, or an invalid one on cancel.
    using ChooseColourFunction = std::function<QColor(QWidget* parent, const QColor& initial)>;

    /// `currentColour` is the selected entry's text colour as stored (shown only when it is valid colour
    /// text). `chooseColour` replaces the platform's colour chooser when set.
    explicit TColourFrm(
        const QString& currentColour, ChooseColourFunction chooseColour = {}, QWidget* parent = nullptr);

    QLineEdit* currentField() const { return m_currentField; }
    QLineEdit* newField() const { return m_newField; }
    QListWidget* colourList() const { return m_colourList; }
    QPushButton* customButton() const { return m_customButton; }
    QPushButton* okButton() const { return m_okButton; }
    QPushButton* cancelButton() const { return m_cancelButton; }

    /// What "OK" stores from the lower field: empty for black ("#000000") and for an empty field, the text
    /// itself when it is valid colour text, nothing otherwise.
    std::optional<QString> colourToStore() const;

private:
    void chooseFromList();
    void chooseCustom();
    void showNewColour(const QColor& colour);

    ChooseColourFunction m_chooseColour;
    QLabel* m_currentLabel = nullptr;
    QLabel* m_newLabel = nullptr;
    QLineEdit* m_currentField = nullptr;
    QLineEdit* m_newField = nullptr;
    QListWidget* m_colourList = nullptr;
    QPushButton* m_customButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};

} // namespace pelinor::ui
