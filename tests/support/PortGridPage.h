#pragma once

#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <initializer_list>

// Shows one unit page of a port grid and checks that it shows whole: no
// scroll bars, and each of the given boxes inside the visible page.
inline void ExpectWholeUnitPage(TStackingPortUitForm *grid, int page, std::initializer_list<int> boxes)
{
    SCOPED_TRACE(page);
    grid->UnitPageControl->setCurrentIndex(page);
    QCoreApplication::processEvents();
    const auto *area = grid->UnitSheets[page]->findChild<QScrollArea *>();
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    for (const int box : boxes) {
        const QRect shown = grid->PortBoxes[box]->geometry();
        EXPECT_LE(shown.right(), area->viewport()->width()) << box;
        EXPECT_LE(shown.bottom(), area->viewport()->height()) << box;
    }
}
