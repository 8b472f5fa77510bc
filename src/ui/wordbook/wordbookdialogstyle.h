#pragma once

#include <QSize>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

namespace pelinor::ui {

// The look shared by the word book management dialogs: fixed size with only a close box, the Japanese
// dialog font.

/// Caption, fixed size, close box only, "ＭＳ Ｐゴシック".
void setUpWordBookDialog(QDialog* dialog, const QString& caption, QSize size);
/// A label in bold.
QLabel* boldLabel(const QString& text, QWidget* parent);

} // namespace pelinor::ui
