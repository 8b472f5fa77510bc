#pragma once

#include "core/input/keypanelfaces.h"

#include <QRect>

#include <array>

namespace pelinor::core {

/// Where the keys and legend strips of a key panel lie in a panel of a given size.
///
/// Four rows staggered like a JIS keyboard: keys 0 to 12, 13 to 24, 25 to 36 and 37 to 46. The key width
/// is (width − 16) div 13; the row pitch is (height − 16) div 4 on the on-screen keyboard and (height − 24)
/// div 4 on the other two panels; rows 2 to 4 start further right than row 1 by trunc(1.3, 1.4 and 2.0
/// key widths) on the on-screen keyboard and trunc(0.5, 0.7 and 1.2) on the others. A legend takes four
/// tenths of the pitch and lies above its key; a letter key of the romaji and phonetic panels takes seven
/// tenths, bottom-aligned, and its legend the three tenths above. Legend 47 follows key 46.
class KeyPanelGeometry {
public:
    KeyPanelGeometry() = default;
    KeyPanelGeometry(KeyPanelKind kind, int width, int height, const KeyPanelFaces& faces);

    QRect keyRect(int index) const;
    QRect legendRect(int index) const;
    int keyWidth() const { return m_keyWidth; }
    int pitch() const { return m_pitch; }
    /// Left edge and top of row `row` (0 to 3).
    int rowLeft(int row) const;
    int rowTop(int row) const;

    /// The key at `point`, or -1.
    int keyAt(QPoint point) const;
    /// The legend at `point`, or -1.
    int legendAt(QPoint point) const;

    static constexpr int topMargin = 4;
    static constexpr int leftMargin = 8;

private:
    KeyPanelKind m_kind = KeyPanelKind::Romaji;
    int m_keyWidth = 0;
    int m_pitch = 0;
    std::array<QRect, KeyPanelFaces::keyCount> m_keys{};
    std::array<QRect, KeyPanelFaces::legendCount> m_legends{};
};

/// The row (0 to 3) and column of key or legend `index`.
int keyPanelRow(int index);
int keyPanelColumn(int index);

} // namespace pelinor::core
