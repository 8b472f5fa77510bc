#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimer;
class QToolButton;

namespace pelinor::ui {

class WordBookListModel;

/// The word book panel on the right of the page "単語リスト": the door button that opens and closes the
/// panel with its automatic-door box, the labels "■単語帳" / "メニュー", the buttons "新規作成", "辞書"
/// and "変更", the two direction buttons of the word list, and the word book list (`WordBookList`).
///
/// The door moves the panel 30 pixels every 20 ms between 32 (closed, caption "←") and 382 pixels (open,
/// caption "→"); the panel reports each width through doorWidthChanged() and leaves placing itself to
/// its owner.
class WordBookPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int kOpenWidth = 382;
    static constexpr int kClosedWidth = 32;
    static constexpr int kDoorStep = 30;
    static constexpr int kDoorInterval = 20;

    explicit WordBookPanel(WordBookListModel* model, QWidget* parent = nullptr);

    QTableView* listView() const { return m_list; }
    QPushButton* newButton() const { return m_newButton; }
    QToolButton* dictionaryButton() const { return m_dictionaryButton; }
    QPushButton* folderButton() const { return m_folderButton; }
    QRadioButton* foreignFirstButton() const { return m_foreignFirstButton; }
    QRadioButton* japaneseFirstButton() const { return m_japaneseFirstButton; }
    QToolButton* doorButton() const { return m_doorButton; }
    QCheckBox* autoDoorBox() const { return m_autoDoorBox; }

    /// Captions of the two direction buttons (the script's labels).
    void setDirectionLabels(const QString& foreignFirst, const QString& japaneseFirst);

    /// The door button's action: with the automatic door on, starts moving the panel (closing it when
    /// open, opening it when closed); otherwise, or while it moves already, nothing.
    void operateDoor();
    bool isDoorOpen() const { return m_doorOpen; }
    /// False while the panel moves.
    bool isDoorIdle() const { return m_doorIdle; }
    /// The panel's width as the door sees it.
    int doorWidth() const { return m_doorWidth; }
    /// Tells the door the width the user gave the panel by dragging the splitter.
    void setDoorWidth(int width) { m_doorWidth = width; }
    /// One step of the moving door (what each timer tick does).
    void doorStep();

Q_SIGNALS:
    /// The panel is to be this wide.
    void doorWidthChanged(int width);
    void doorStarted();
    /// The panel stopped moving (open or closed).
    void doorStopped();

private:
    void finishDoor(bool open);

    WordBookListModel* m_model;
    QTableView* m_list = nullptr;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_menuLabel = nullptr;
    QPushButton* m_newButton = nullptr;
    QToolButton* m_dictionaryButton = nullptr;
    QPushButton* m_folderButton = nullptr;
    QRadioButton* m_foreignFirstButton = nullptr;
    QRadioButton* m_japaneseFirstButton = nullptr;
    QToolButton* m_doorButton = nullptr;
    QCheckBox* m_autoDoorBox = nullptr;
    QTimer* m_doorTimer = nullptr;
    bool m_doorOpen = true;
    bool m_doorIdle = true;
    int m_doorWidth = kOpenWidth;
};

} // namespace pelinor::ui
