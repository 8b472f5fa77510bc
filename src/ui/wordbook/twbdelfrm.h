#pragma once

#include <QDialog>
#include <QString>

#include <functional>

namespace pelinor::ui {

/// "単語帳の削除": shows the open word book's title and file name; "OK" runs the delete function and the
/// dialog closes when it succeeds.
class TWBDelFrm : public QDialog {
    Q_OBJECT

public:
    TWBDelFrm(const QString& title, const QString& fileName, QWidget* parent = nullptr);
    void setDeleteFunction(std::function<bool()> remove) { m_deleteFunction = std::move(remove); }

private:
    std::function<bool()> m_deleteFunction;
};

} // namespace pelinor::ui
