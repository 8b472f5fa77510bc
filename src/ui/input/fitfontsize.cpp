#include "ui/input/fitfontsize.h"

#include "core/input/fitfontsize.h"

#include <QFont>
#include <QFontMetrics>

namespace pelinor::ui {

int FitFontSize(int /*charset*/, const QString& fontName, int maxHeight, int maxWidth)
{
    QFont font(fontName);
    return core::FitFontSize(maxHeight, maxWidth, [&font](int pointSize) {
        font.setPointSize(pointSize);
        const QFontMetrics metrics(font);
        return QSize(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height());
    });
}

} // namespace pelinor::ui
