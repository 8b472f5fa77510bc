#include "core/input/fitfontsize.h"

namespace pelinor::core {

int fitFontSize(int maxHeight, int maxWidth, const std::function<QSize(int pointSize)>& measureM)
{
    int size = kFitFontSizeStart;
    QSize extent = measureM(size);
    while (extent.height() < maxHeight && extent.width() < maxWidth && size < kFitFontSizeLimit) {
        ++size;
        extent = measureM(size);
    }
    return size;
}

} // namespace pelinor::core
