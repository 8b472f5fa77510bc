#pragma once

#include "core/wordbook/groupnameedit.h"

#include <QDialog>
#include <QStringList>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace pelinor::ui {

/// "グループ名の編集": the group name list with "追加", "挿入", "削除", "↑" and "↓" (see core::GroupNameEdit).
/// "更新" runs the save function with the list; the dialog closes when it succeeds.
class TGroupFrm : public QDialog {
    Q_OBJECT

public:
    explicit TGroupFrm(const QStringList& names, QWidget* parent = nullptr);

    const QStringList& names() const { return m_edit.names(); }
    QListView* nameList() const { return m_list; }
    QLineEdit* nameField() const { return m_field; }
    void setSaveFunction(std::function<bool(const QStringList&)> save) { m_saveFunction = std::move(save); }

private:
    void showNames();
    void selectionChanged();
    void updateMoveButtons();
    void deleteName();

    core::GroupNameEdit m_edit;
    QStringListModel* m_model = nullptr;
    QListView* m_list = nullptr;
    QLineEdit* m_field = nullptr;
    QLabel* m_count = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_insert = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_up = nullptr;
    QPushButton* m_down = nullptr;
    std::function<bool(const QStringList&)> m_saveFunction;
};

} // namespace pelinor::ui
