#include "ui/input/fitfontsize.h"

#include "core/input/fitfontsize.h"
#include "ui/common/fontfamilies.h"

#include <QFont>
#include <QFontMetrics>

namespace pelinor::ui {

int fitFontSize(const QString& fontName, int maxHeight, int maxWidth, const QPaintDevice* device)
{
    QFont font = fontOfFamily(fontName);
    return core::fitFontSize(maxHeight, maxWidth, [&font, device](int pointSize) {
        font.setPointSize(pointSize);
        const QFontMetrics metrics = device ? QFontMetrics(font, device) : QFontMetrics(font);
        return QSize(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height());
    });
}

} // namespace pelinor::ui
