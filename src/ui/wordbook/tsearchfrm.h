#pragma once

#include "core/app/inputmodes.h"
#include "core/wordbook/wordentry.h"
#include "core/wordbook/wordsearch.h"
#include "ui/wordbook/wordlistdelegate.h"

#include <QString>
#include <QWidget>

#include <functional>

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace pelinor::core {
class Settings;
class WordSearchRun;
} // namespace pelinor::core

namespace pelinor::ui {

class WordSearchModel;

/// What the search window works with besides the settings.
struct SearchWindowSetup {
    /// The script's language name ("ロシア語", ...): the first item of the field chooser and a column caption.
    QString languageName;
    core::InputMode inputMode = core::InputMode::RussianRomaji;
    /// The fonts and the phonetic background of the word list, which the result list shares.
    WordListDelegate::Style listStyle;
    /// The folders "ｶﾚﾝﾄ" and "辞書" search, asked for at each search.
    std::function<QString()> currentFolder;
    std::function<QString()> dictionaryFolder;
    std::function<void()> restoreStartupLayout;
    std::function<void()> selectScriptLayout;
};

/// "単語帳検索": looks for a text in one field of every word book of the current word book folder or of the
/// current dictionary folder, lists the entries found with the exact matches on top, shows the details of
/// a chosen one and puts it into the main window's input areas or opens it for editing. Modeless, above
/// the main window; it destroys itself when closed. The search runs on a thread of its own and the list
/// fills book by book.
class TSearchFrm : public QWidget {
    Q_OBJECT

public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 331;
    static constexpr int kDetailsHeight = 270;

    TSearchFrm(core::Settings& settings, SearchWindowSetup setup, QWidget* parent = nullptr);
    ~TSearchFrm() override;

    QLineEdit* searchBox() const { return m_searchBox; }
    QComboBox* fieldChooser() const { return m_fieldChooser; }
    /// The field the chooser names.
    core::WordField searchField() const;
    WordSearchModel* resultModel() const { return m_model; }
    QTableView* resultList() const { return m_resultList; }
    /// True while a search is still reading word books.
    bool isSearching() const;

    /// "検索" (also Enter in the search box).
    void search();
    /// "ｸﾘｱ".
    void clearSearch();
    /// "置換" (input mode 4): the accent replacement on the search box.
    void replaceAccents();
    /// The hit of the selected row when the last search found something; null otherwise.
    const core::WordSearchHit* selectedHit() const;

Q_SIGNALS:
    /// The field chooser changed (also once when the window is made): the search box now takes the input
    /// of that field.
    void searchFieldChanged(pelinor::core::WordField field);
    /// "この単語を入力する" with a selected result: phonetic symbols and foreign word (line breaks restored).
    void inputRequested(const QString& phonetic, const QString& foreignWord);
    /// "この単語を編集する" with a selected result; `dictionary` is true when "辞書" was the scope.
    void editRequested(const pelinor::core::WordSearchHit& hit, bool dictionary);
    /// The window is closing with its own area (inside the window manager's frame) at this place.
    void closing(const QPoint& position);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar(QWidget* bar);
    QWidget* buildDetails();
    void styleSearchBox();
    void chooseKeyboardLayout();
    void fieldChosen(int index);
    void resultClicked();
    void inputWord();
    void editWord();
    void searchFailed(const QString& message);
    void searchFinished();
    bool isLayoutFieldMode() const;

    core::Settings& m_settings;
    SearchWindowSetup m_setup;
    core::WordSearchRun* m_run = nullptr;
    WordSearchModel* m_model = nullptr;
    WordListDelegate* m_delegate = nullptr;
    QComboBox* m_fieldChooser = nullptr;
    QLineEdit* m_searchBox = nullptr;
    QPushButton* m_searchButton = nullptr;
    QPushButton* m_clearButton = nullptr;
    QPushButton* m_replaceButton = nullptr;
    QRadioButton* m_currentScope = nullptr;
    QRadioButton* m_dictionaryScope = nullptr;
    QTableView* m_resultList = nullptr;
    QWidget* m_details = nullptr;
    QLineEdit* m_detailForeign = nullptr;
    QLineEdit* m_detailPhonetic = nullptr;
    QLineEdit* m_detailKana = nullptr;
    QLineEdit* m_detailJapanese = nullptr;
    QPlainTextEdit* m_detailNote = nullptr;
    QPushButton* m_inputButton = nullptr;
    QPushButton* m_editButton = nullptr;
    QPushButton* m_closeButton = nullptr;
    bool m_found = false;
};

} // namespace pelinor::ui
