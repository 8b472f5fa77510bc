#pragma once

#include "ui/wordbook/wordbookheaderfields.h"

#include <QDialog>

#include <functional>

class QPushButton;

namespace pelinor::ui {

/// "単語帳のプロパティ変更": title, group and sound folder of the open word book. "変更" runs the apply
/// function; the dialog closes when it succeeds. The file name never changes.
class TWBPropFrm : public QDialog {
    Q_OBJECT

public:
    TWBPropFrm(WordBookHeaderFields::ChooseFolder chooseFolder, QWidget* parent = nullptr);

    WordBookHeaderFields* fields() const { return m_fields; }
    QPushButton* applyButton() const { return m_apply; }

    void setApplyFunction(std::function<bool()> apply) { m_applyFunction = std::move(apply); }

private:
    WordBookHeaderFields* m_fields = nullptr;
    QPushButton* m_apply = nullptr;
    std::function<bool()> m_applyFunction;
};

} // namespace pelinor::ui
