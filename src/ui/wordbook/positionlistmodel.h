#pragma once

#include <QAbstractListModel>

namespace pelinor::ui {

/// The insertion positions of the registration dialog: " 1", " 2", ... one per entry of the open word
/// book, made on demand so that a book of any size opens the dialog at once.
class PositionListModel : public QAbstractListModel {
    Q_OBJECT

public:
    explicit PositionListModel(qsizetype count, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    /// The item text of entry number `number`: a blank, then the number.
    static QString itemText(qsizetype number);

private:
    int m_count;
};

} // namespace pelinor::ui
