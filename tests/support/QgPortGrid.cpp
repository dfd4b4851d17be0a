#include "QgPortGrid.h"

#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <gtest/gtest.h>
#include <utility>

QString PortListHex(QList<int> bits, bool allStackPorts)
{
    QByteArray octets(TStackingPortUitForm::BoxCount / 8, '\0');
    if (allStackPorts)
        for (const auto &[first, last] : {std::pair{56, 67}, std::pair{112, 137}, std::pair{168, 217}})
            bits << Range(first, last);
    for (int bit : bits)
        octets[bit / 8] = char(quint8(octets[bit / 8]) | (0x80 >> (bit % 8)));
    return QString::fromLatin1(octets.toHex(' ').toUpper());
}

QList<int> CheckedBoxes(const TStackingPortUitForm *grid)
{
    QList<int> checked;
    for (int i = 0; i < grid->PortBoxes.size(); ++i)
        if (grid->PortBoxes[i]->isChecked())
            checked << i;
    return checked;
}

QList<int> ShownBoxes(const TStackingPortUitForm *grid)
{
    QList<int> shown;
    for (int i = 0; i < grid->PortBoxes.size(); ++i)
        if (!grid->PortBoxes[i]->isHidden())
            shown << i;
    return shown;
}

QList<int> Range(int first, int last)
{
    QList<int> numbers;
    for (int i = first; i <= last; ++i)
        numbers << i;
    return numbers;
}

void ExpectWholeUnitPage(TStackingPortUitForm *grid, int page, std::initializer_list<int> boxes)
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
