#pragma once

#include <QDialog>

namespace pelinor::ui {

/// "バージョン情報": the program's name and the build's version, the developer, the e-mail address and the
/// support site.
class TVersionFrm : public QDialog {
    Q_OBJECT

public:
    explicit TVersionFrm(QWidget* parent = nullptr);
};

} // namespace pelinor::ui
