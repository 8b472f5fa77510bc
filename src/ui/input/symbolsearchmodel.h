#pragma once

#include <QAbstractListModel>

#include <vector>

namespace pelinor::core {
class SymbolSearchIndex;
}

namespace pelinor::ui {

/// The characters a symbol search found, one row each: the character, its code and its names. Names
/// are looked up only for the rows a view asks for.
class SymbolSearchModel : public QAbstractListModel {
    Q_OBJECT

public:
    /// `index` must outlive the model.
    explicit SymbolSearchModel(const core::SymbolSearchIndex& index, QObject* parent = nullptr);

    /// Lists what `query` finds.
    void search(const QString& query);

    /// The text of `row` (the character itself), or empty.
    QString textAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const core::SymbolSearchIndex& m_index;
    std::vector<char32_t> m_codes;
};

} // namespace pelinor::ui
