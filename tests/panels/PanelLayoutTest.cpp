#include "PanelLayout.h"
#include "AllLayouts.h"

#include <QMap>
#include <gtest/gtest.h>
#include <optional>

namespace {

std::optional<PortButton> FindPort(const QList<PortButton> &buttons, int port)
{
    for (const PortButton &button : buttons) {
        if (button.Port == port)
            return button;
    }
    return std::nullopt;
}

QList<Led> LedsWithByte(const PanelLayout &layout, int byte)
{
    QList<Led> found;
    for (const Led &led : LedsOf(layout)) {
        if (led.Byte == byte)
            found.append(led);
    }
    return found;
}

} // namespace

// Every button and LED lies inside its window and its picture (so over a
// socket or LED window of the picture), and none covers another.
TEST(PanelLayout, ButtonsAndLedsLieInsideTheirWindowAndPicture)
{
    for (const PanelLayout *layout : AllLayouts()) {
        SCOPED_TRACE(layout->PicturePath);
        const QRect window(QPoint(0, 0), layout->WindowSize);
        QList<QRect> occupied;
        for (const PortButton &button : PortButtonsOf(*layout)) {
            SCOPED_TRACE(qPrintable(button.Name));
            EXPECT_TRUE(window.contains(button.Rect));
            EXPECT_TRUE(layout->PictureRect.contains(button.Rect));
            occupied.append(button.Rect);
        }
        for (const Led &led : LedsOf(*layout)) {
            SCOPED_TRACE(qPrintable(led.Holder));
            EXPECT_FALSE(led.VisibleRect.isEmpty());
            EXPECT_TRUE(window.contains(led.VisibleRect));
            EXPECT_TRUE(layout->PictureRect.contains(led.VisibleRect));
            occupied.append(led.VisibleRect);
        }
        for (qsizetype i = 0; i < occupied.size(); ++i) {
            for (qsizetype j = i + 1; j < occupied.size(); ++j)
                EXPECT_FALSE(occupied[i].intersects(occupied[j])) << i << " and " << j;
        }
        if (layout->Stack) {
            EXPECT_TRUE(window.contains(QRect(layout->Stack->Pos, kStackPanelSize)));
        }
        for (const SlotLayout &slot : layout->Slots)
            EXPECT_TRUE(window.contains(slot.Rect));
        if (layout->Bay) {
            EXPECT_TRUE(window.contains(layout->Bay->Rect));
        }
    }
}

TEST(PanelLayout, SizesAndPlacesFollowTheCatalogue)
{
    const struct
    {
        const PanelLayout *layout;
        QSize window;
        QSize picture;
        int ports;
    } models[] = {
        {&QG2312Layout, {781, 89}, {780, 89}, 4},   {&QG2212Layout, {781, 89}, {780, 89}, 4},
        {&QF1824Layout, {781, 88}, {780, 88}, 24},  {&QF1848Layout, {781, 92}, {780, 91}, 50},
        {&QL2448Layout, {781, 89}, {780, 89}, 50},  {&QL2424Layout, {781, 89}, {780, 89}, 24},
        {&QL2424RLayout, {780, 89}, {780, 89}, 24}, {&GenericLayout, {781, 88}, {780, 88}, 50},
    };
    for (const auto &model : models) {
        SCOPED_TRACE(model.layout->PicturePath);
        EXPECT_EQ(model.layout->WindowSize, model.window);
        EXPECT_EQ(model.layout->PictureRect.size(), model.picture);
        const QList<PortButton> buttons = PortButtonsOf(*model.layout);
        ASSERT_EQ(buttons.size(), model.ports);
        for (int port = 1; port <= model.ports; ++port)
            EXPECT_TRUE(FindPort(buttons, port)) << port;
    }

    const struct
    {
        const PanelLayout *layout;
        int port;
        QRect rect;
    } places[] = {
        {&QG2312Layout, 3, {192, 23, 23, 44}},         {&QF1824Layout, 1, {154, 24, 23, 23}},
        {&QF1824Layout, 2, {154, 47, 23, 23}},         {&QF1824Layout, 24, {462, 47, 23, 23}},
        {&QF1848Layout, 1, {57, 33, 23, 22}},          {&QF1848Layout, 33, {465, 32, 23, 22}},
        {&QF1848Layout, 34, {465, 55, 23, 23}},        {&QF1848Layout, 50, {698, 34, 25, 43}},
        {&QL2424Layout, 9, {319, 24, 23, 23}},         {&QL2424Layout, 17, {436, 24, 23, 23}},
        {&GenericLayout, 50, {725, 47, 23, 23}},       {&QF1824BayLayout, 25, {42, 20, 62, 28}},
        {&ModuleMiniGbicLayout, 3, {166, 23, 23, 23}}, {&Module2p1000Layout, 26, {146, 22, 49, 22}},
    };
    for (const auto &place : places) {
        SCOPED_TRACE(place.layout->PicturePath);
        const std::optional<PortButton> button = FindPort(PortButtonsOf(*place.layout), place.port);
        ASSERT_TRUE(button) << place.port;
        EXPECT_EQ(button->Rect, place.rect) << place.port;
    }
}

// Plain buttons: the odd ports and 49/50 of the 48-port models, the odd
// ports of the generic panel and the QF1824's own bay buttons.
TEST(PanelLayout, OnlyTheListedButtonsArePlain)
{
    auto plain = [](const PanelLayout &layout) {
        QList<int> ports;
        for (const PortButton &button : PortButtonsOf(layout)) {
            if (button.Kind == ButtonKind::Plain)
                ports.append(button.Port);
        }
        std::sort(ports.begin(), ports.end());
        return ports;
    };
    QList<int> odd;
    for (int port = 1; port <= 47; port += 2)
        odd.append(port);
    EXPECT_EQ(plain(QF1848Layout), odd + QList<int>({49, 50}));
    EXPECT_EQ(plain(QL2448Layout), odd + QList<int>({49, 50}));
    EXPECT_EQ(plain(GenericLayout), odd + QList<int>({49}));
    EXPECT_EQ(plain(QF1824BayLayout), (QList<int>{25, 26}));
    const QList<const PanelLayout *> withPlainButtons = {&QF1848Layout, &QL2448Layout, &GenericLayout,
                                                         &QF1824BayLayout};
    for (const PanelLayout *layout : AllLayouts()) {
        if (!withPlainButtons.contains(layout)) {
            EXPECT_TRUE(plain(*layout).isEmpty()) << layout->PicturePath;
        }
    }
}

// Each port's LEDs sit in its own column: the byte lists and the strip
// positions agree.
TEST(PanelLayout, PortLedsSitAtTheirPorts)
{
    for (const PanelLayout *layout : kFrontPanelLayouts) {
        SCOPED_TRACE(layout->PicturePath);
        for (const PortButton &button : PortButtonsOf(*layout)) {
            for (int byte : {FirstLedByte(button.Port), SecondLedByte(button.Port)}) {
                for (const Led &led : LedsWithByte(*layout, byte)) {
                    if (led.Holder.startsWith(u"PortShape"))
                        continue; // the gigabit models keep their port LEDs in a column
                    EXPECT_LE(qAbs(led.Rect.center().x() - button.Rect.center().x()), 13)
                        << qPrintable(button.Name) << " byte " << byte;
                }
            }
        }
    }
}

TEST(PanelLayout, LedBytesOfTheCatalogueCases)
{
    // QF1848 and QL2448: port 33 is the first LED of Panel3, port 48 its
    // sixteenth; ports 49 and 50 use bytes 99 and 101.
    for (const PanelLayout *layout : {&QF1848Layout, &QL2448Layout}) {
        const QList<Led> leds = LedsOf(*layout);
        QList<Led> panel3;
        for (const Led &led : leds) {
            if (led.Holder == u"Panel3")
                panel3.append(led);
        }
        ASSERT_EQ(panel3.size(), 16);
        EXPECT_EQ(panel3.first().Byte, FirstLedByte(33));
        EXPECT_EQ(panel3.first().Rect.left(), 464);
        EXPECT_EQ(panel3.last().Byte, FirstLedByte(48));
        ASSERT_EQ(LedsWithByte(*layout, 99).size(), 1);
        EXPECT_EQ(LedsWithByte(*layout, 99).first().Holder, u"Panel4");
        EXPECT_EQ(LedsWithByte(*layout, 101).first().Rect.left(), 668 + 11 + 26);
    }

    // QL2424: byte 4 drives only the second LED of port 1, offset 18 in LedPanel1.
    const QList<Led> byte4 = LedsWithByte(QL2424Layout, 4);
    ASSERT_EQ(byte4.size(), 1);
    EXPECT_EQ(byte4.first().Holder, u"LedPanel1");
    EXPECT_EQ(byte4.first().Rect, QRect(202 + 18, 17, 6, 6));

    // Status LEDs and the gigabit port shapes.
    EXPECT_EQ(LedsWithByte(QG2312Layout, kRedundantPowerLedByte).first().Holder, u"RPowerLedPanel");
    EXPECT_EQ(LedsWithByte(QL2424RLayout, kRedundantPowerLedByte).first().Holder, u"RPSPanel");
    EXPECT_TRUE(LedsWithByte(QF1824Layout, kRedundantPowerLedByte).isEmpty());
    EXPECT_EQ(LedsWithByte(QG2312Layout, FirstLedByte(4)).first().Holder, u"PortShape4");

    // A slot module follows the bytes of its slot; slot 2 holds ports 9 to 12.
    const SlotLayout &slot2 = QG2312Layout.Slots[1];
    EXPECT_EQ(slot2.FirstPort, 9);
    QList<int> bytes;
    for (const Led &led : LedsOf(ModuleMiniGbicLayout, &slot2))
        bytes.append(led.Byte);
    EXPECT_EQ(bytes, (QList<int>{19, 21, 23, 25}));

    // The 1000BASE-T bay module: speed LEDs on the alternative map, link
    // and activity of a port both on its first byte.
    const QMap<QString, std::pair<int, LedColourMap>> bayLeds = {
        {"Port1000Panel1", {52, LedColourMap::PanelLedColoursAlt}},
        {"Port1000Panel2", {54, LedColourMap::PanelLedColoursAlt}},
        {"StPort1Link", {51, LedColourMap::PanelLedColours}},
        {"StPort1Act", {51, LedColourMap::PanelLedColours}},
        {"StPort2Link", {53, LedColourMap::PanelLedColours}},
        {"StPort2Act", {53, LedColourMap::PanelLedColours}},
    };
    const QList<Led> moduleLeds = LedsOf(Module2p1000TLayout);
    ASSERT_EQ(moduleLeds.size(), bayLeds.size());
    for (const Led &led : moduleLeds) {
        EXPECT_EQ(led.Byte, bayLeds.value(led.Holder).first) << qPrintable(led.Holder);
        EXPECT_EQ(led.Colours, bayLeds.value(led.Holder).second) << qPrintable(led.Holder);
    }
    EXPECT_TRUE(LedsOf(GenericLayout).isEmpty());
}

// The generic panel's number labels: cut to the ports present, "49" and
// "50" shown as soon as those ports exist, each number over its port.
TEST(PanelLayout, GenericNumberLabelsFollowThePortCount)
{
    const auto &labels = GenericLayout.NumberLabels;
    ASSERT_EQ(labels.size(), 4u);
    const struct
    {
        int ports;
        int width1, width2;
        bool shows49, shows50;
    } cases[] = {
        {24, 299, 299, false, false}, {25, 324, 299, false, false}, {48, 599, 599, false, false},
        {49, 599, 599, true, false},  {50, 599, 599, true, true},   {1, 24, 0, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ports);
        EXPECT_EQ(PortNumberLabelWidth(labels[0], c.ports), c.width1);
        EXPECT_EQ(PortNumberLabelWidth(labels[1], c.ports), c.width2);
        EXPECT_EQ(PortNumbersShown(labels[2], c.ports) > 0, c.shows49);
        EXPECT_EQ(PortNumbersShown(labels[3], c.ports) > 0, c.shows50);
    }
    const QList<PortButton> buttons = PortButtonsOf(GenericLayout);
    for (const PortNumberLabelLayout &label : labels) {
        for (int k = 0; k < PortNumbersShown(label, 50); ++k) {
            const std::optional<PortButton> button = FindPort(buttons, label.FirstPort + 2 * k);
            ASSERT_TRUE(button);
            EXPECT_EQ(PortNumberCell(label, k).center().x(), button->Rect.center().x()) << button->Port;
        }
    }
}

TEST(PanelLayout, ModelSelectionAndStackPictures)
{
    const char *modelNames[] = {"QG2212", "QF1824", "QF1848", "QG2312", "QL2424", "QL2424R", "QL2448"};
    for (int index = 0; index < 7; ++index) {
        EXPECT_STREQ(kFrontPanelLayouts[index]->Selector, modelNames[index]);
        EXPECT_EQ(&FrontPanelLayoutFor(QString::fromLatin1(modelNames[index])), kFrontPanelLayouts[index]);
    }
    EXPECT_EQ(kFrontPanelLayouts[7], &GenericLayout);
    for (const char *other : {"qg2312", "QG2312 ", "GENERIC", "", "QL2424X"})
        EXPECT_EQ(&FrontPanelLayoutFor(QString::fromLatin1(other)), &GenericLayout) << other;

    const QList<std::pair<int, int>> unitToPicture = {{1, 0},   {2, 1},  {13, 12}, {14, 13},
                                                      {15, 13}, {0, -1}, {16, -1}, {-3, -1}};
    for (const auto &[unit, picture] : unitToPicture)
        EXPECT_EQ(StackPictureIndexFor(unit), picture) << unit;
}
