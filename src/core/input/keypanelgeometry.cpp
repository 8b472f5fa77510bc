#include "core/input/keypanelgeometry.h"

#include <algorithm>

namespace pelinor::core {

namespace {

constexpr int kRowStart[] = {0, 13, 25, 37};

} // namespace

int keyPanelRow(int index)
{
    if (index >= 37)
        return 3;
    if (index >= 25)
        return 2;
    return index >= 13 ? 1 : 0;
}

int keyPanelColumn(int index)
{
    return index - kRowStart[keyPanelRow(index)];
}

KeyPanelGeometry::KeyPanelGeometry(KeyPanelKind kind, int width, int height, const KeyPanelFaces& faces)
    : m_kind(kind)
{
    const bool keyboard = kind == KeyPanelKind::Keyboard;
    m_keyWidth = std::max(4, (width - 16) / 13);
    m_pitch = std::max(8, (height - (keyboard ? 16 : 24)) / 4);
    const int legendHeight = m_pitch * 4 / 10;
    const int shortLegend = m_pitch * 3 / 10;
    for (int i = 0; i < KeyPanelFaces::legendCount; ++i) {
        const int row = keyPanelRow(i);
        const int left = rowLeft(row) + keyPanelColumn(i) * m_keyWidth;
        const int top = rowTop(row);
        const bool letter = faces.legends[static_cast<size_t>(i)].letter;
        const int legend = letter ? shortLegend : legendHeight;
        m_legends[static_cast<size_t>(i)] = QRect(left, top, m_keyWidth - 1, legend);
        if (i < KeyPanelFaces::keyCount)
            m_keys[static_cast<size_t>(i)] = QRect(left, top + legend, m_keyWidth - 1, m_pitch - legend - 2);
    }
}

int KeyPanelGeometry::rowLeft(int row) const
{
    static constexpr double keyboardShift[] = {0.0, 1.3, 1.4, 2.0};
    static constexpr double panelShift[] = {0.0, 0.5, 0.7, 1.2};
    const int r = std::clamp(row, 0, 3);
    const double shift = m_kind == KeyPanelKind::Keyboard ? keyboardShift[r] : panelShift[r];
    return leftMargin + static_cast<int>(shift * m_keyWidth);
}

int KeyPanelGeometry::rowTop(int row) const
{
    return topMargin + std::clamp(row, 0, 3) * m_pitch;
}

QRect KeyPanelGeometry::keyRect(int index) const
{
    return index >= 0 && index < KeyPanelFaces::keyCount ? m_keys[static_cast<size_t>(index)] : QRect();
}

QRect KeyPanelGeometry::legendRect(int index) const
{
    return index >= 0 && index < KeyPanelFaces::legendCount ? m_legends[static_cast<size_t>(index)] : QRect();
}

int KeyPanelGeometry::keyAt(QPoint point) const
{
    for (int i = 0; i < KeyPanelFaces::keyCount; ++i)
        if (m_keys[static_cast<size_t>(i)].contains(point))
            return i;
    return -1;
}

int KeyPanelGeometry::legendAt(QPoint point) const
{
    for (int i = 0; i < KeyPanelFaces::legendCount; ++i)
        if (m_legends[static_cast<size_t>(i)].contains(point))
            return i;
    return -1;
}

} // namespace pelinor::core
