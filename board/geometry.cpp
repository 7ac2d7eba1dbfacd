#include "board/geometry.h"

namespace getalveld {

QRect twipsRect(int left, int top, int width, int height)
{
    // Convert the corners, not the size, so that neighbouring controls meet exactly.
    const int l = px(left), t = px(top);
    return QRect(l, t, px(left + width) - l, px(top + height) - t);
}

QColor bgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace getalveld
