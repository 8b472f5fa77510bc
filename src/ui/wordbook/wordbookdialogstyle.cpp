#include "ui/wordbook/wordbookdialogstyle.h"

#include "ui/common/fontfamilies.h"

#include <QDialog>
#include <QLabel>

namespace pelinor::ui {

void setUpWordBookDialog(QDialog* dialog, const QString& caption, QSize size)
{
    dialog->setWindowTitle(caption);
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    dialog->setFont(fontOfFamily(QStringLiteral("ＭＳ Ｐゴシック")));
    dialog->setModal(true);
    // The given size, or what the fonts of this desktop need when that is more.
    dialog->resize(size);
}

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace pelinor::ui
