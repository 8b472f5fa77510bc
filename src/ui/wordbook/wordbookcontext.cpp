#include "ui/wordbook/wordbookcontext.h"

#include <QWidget>

namespace pelinor::ui {

QWidget* WordBookContext::dialogParent() const
{
    return mainWindow ? mainWindow : page->window();
}

} // namespace pelinor::ui
