#pragma once

#include "PanelLayout.h"

#include <QList>

// Every layout: the front panels, the QF1824's bay and every module.
inline QList<const PanelLayout *> AllLayouts()
{
    QList<const PanelLayout *> layouts(std::begin(kFrontPanelLayouts), std::end(kFrontPanelLayouts));
    layouts.append(&QF1824BayLayout);
    layouts.append(QList<const PanelLayout *>(std::begin(kSlotModuleLayouts), std::end(kSlotModuleLayouts)));
    layouts.append(QList<const PanelLayout *>(std::begin(kBayModuleLayouts), std::end(kBayModuleLayouts)));
    return layouts;
}
