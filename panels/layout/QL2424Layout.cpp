// The QL2424 and QL2424R: 24 copper ports in three blocks of eight with two
// LEDs per port, as on the QF1824 but further right, and a redundant-power
// LED. The QL2424R keeps the window width of its own layout.
#include "PanelLayout.h"

namespace {

constexpr PortRowLayout kOddRow{24, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45Inverted};
constexpr PortRowLayout kEvenRow{47, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45};

constexpr PortBlockLayout kPortBlocks[] = {
    {1, 4, 203, 25, kOddRow, kEvenRow},
    {9, 4, 319, 25, kOddRow, kEvenRow},
    {17, 4, 436, 25, kOddRow, kEvenRow},
};

constexpr LedPanelLayout kStatusLeds[] = {
    {"PowerLedPanel", {48, 41, 7, 7}, 10, {7, 7}, {{"0", 1}}},
    {"ConsoleLedPanel", {47, 56, 7, 7}, 10, {7, 7}, {{"1", 1}}},
    {"RPSPanel", {47, 69, 7, 7}, 10, {7, 7}, {{"2", 1}}},
};

constexpr LedPanelLayout kPortLeds[] = {
    {"LedPanel1", {202, 16, 101, 7}, 19, {6, 6}, {{"3,7,11,15", 0}, {"4,8,12,16", 18}}},
    {"LedPanel2", {202, 69, 101, 7}, 19, {6, 6}, {{"5,9,13,17", 0}, {"6,10,14,18", 18}}},
    {"LedPanel3", {318, 16, 101, 7}, 19, {6, 6}, {{"19,23,27,31", 0}, {"20,24,28,32", 18}}},
    {"LedPanel4", {318, 69, 101, 7}, 19, {6, 6}, {{"21,25,29,33", 0}, {"22,26,30,34", 18}}},
    {"LedPanel5", {434, 16, 101, 7}, 19, {6, 6}, {{"35,39,43,47", 0}, {"36,40,44,48", 18}}},
    {"LedPanel6", {434, 69, 101, 7}, 19, {6, 6}, {{"37,41,45,49", 0}, {"38,42,46,50", 18}}},
};

constexpr StackPictureLayout kQL2424Stack{"Panel1", {158, 58}, "StackImage"};
constexpr StackPictureLayout kQL2424RStack{"Panel1", {158, 57}, "StackImage"};

} // namespace

constinit const PanelLayout QL2424Layout{
    .Kind = PanelKind::FrontPanel,
    .FormName = "TPanelQL2424Form",
    .Selector = "QL2424",
    .WindowSize = {781, 89},
    .PictureRect = {0, 0, 780, 89},
    .PicturePath = ":/pictures/ql2424.jpg",
    .PortBlocks = kPortBlocks,
    .StatusLeds = kStatusLeds,
    .PortLeds = kPortLeds,
    .Stack = &kQL2424Stack,
};

constinit const PanelLayout QL2424RLayout{
    .Kind = PanelKind::FrontPanel,
    .FormName = "TPanelQL2424RForm",
    .Selector = "QL2424R",
    .WindowSize = {780, 89},
    .PictureRect = {0, 0, 780, 89},
    .PicturePath = ":/pictures/ql2424r.jpg",
    .PortBlocks = kPortBlocks,
    .StatusLeds = kStatusLeds,
    .PortLeds = kPortLeds,
    .Stack = &kQL2424RStack,
};
