#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListView;

namespace pelinor::core {
class SymbolSearchIndex;
}

namespace pelinor::ui {

class SymbolSearchModel;

/// The symbol name search as a page of its own (the PAD's): a search field over the list of the
/// characters found. A click on a character, or Enter in the field for the first one, emits
/// symbolChosen(); the owner inserts it.
class SymbolSearchPanel : public QWidget {
    Q_OBJECT

public:
    /// `index` must outlive the panel.
    explicit SymbolSearchPanel(const core::SymbolSearchIndex& index, QWidget* parent = nullptr);

    QLineEdit* searchField() const { return m_field; }
    QListView* resultList() const { return m_list; }
    SymbolSearchModel* model() const { return m_model; }

Q_SIGNALS:
    void symbolChosen(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void search(const QString& query);

    QLineEdit* m_field = nullptr;
    QLabel* m_count = nullptr;
    QListView* m_list = nullptr;
    SymbolSearchModel* m_model = nullptr;
};

} // namespace pelinor::ui
