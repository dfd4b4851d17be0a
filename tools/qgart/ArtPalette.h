#pragma once

// The colours and fonts of the panel artwork.

#include "PanelLayout.h"

#include <QColor>

namespace Art {

inline const QColor Edge = QColor::fromRgb(kPanelEdgeColour);
inline const QColor FaceTop(0x39, 0x3e, 0x44);
inline const QColor FaceBottom(0x25, 0x29, 0x2e);
inline const QColor FaceHighlight(0x5a, 0x61, 0x69);
inline const QColor FaceShadow(0x0d, 0x0f, 0x11);
inline const QColor PlateTop(0x45, 0x4b, 0x53);
inline const QColor PlateBottom(0x30, 0x35, 0x3b);
inline const QColor CoverTop(0x6a, 0x70, 0x77);
inline const QColor CoverBottom(0x4f, 0x54, 0x5a);
inline const QColor Well(0x14, 0x16, 0x19);
inline const QColor WellFrame(0x5d, 0x64, 0x6c);
inline const QColor Opening(0x05, 0x05, 0x06);
inline const QColor Label = QColor::fromRgb(kPanelLabelColour);
inline const QColor DimLabel(0x9a, 0xa1, 0xa8);
inline const QColor LedRecess(0x05, 0x06, 0x07);
inline const QColor LedLensTop(0x4a, 0x52, 0x4c);
inline const QColor LedLensBottom(0x2a, 0x2f, 0x2b);
inline const QColor ShieldTop(0xb4, 0xbb, 0xc2);
inline const QColor ShieldBottom(0x7a, 0x81, 0x89);
inline const QColor ShieldOutline(0x26, 0x2a, 0x2e);
inline const QColor Contact(0xc8, 0xa2, 0x3a);
inline const QColor Selection(0xff, 0xb3, 0x1f);
inline const QColor SegmentOn(0xff, 0x45, 0x1c);
inline const QColor SegmentOff(0x1e, 0x0d, 0x0a);
inline const QColor BadgeTop(0xe4, 0xe8, 0xec);
inline const QColor BadgeBottom(0xa9, 0xb0, 0xb8);
inline const QColor BadgeInk(0x14, 0x2a, 0x52);
inline const QColor Accent(0xd2, 0x2a, 0x1e);

inline constexpr const char *SansFamily = "DejaVu Sans";
inline constexpr const char *CondensedFamily = "DejaVu Sans Condensed";

} // namespace Art
