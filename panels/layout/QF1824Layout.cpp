// The QF1824: 24 copper ports in three blocks of eight, two LEDs per port on
// strips above and below the blocks, and a bay for a two-port module.
#include "PanelLayout.h"

namespace {

constexpr PortRowLayout kOddRow{24, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45Inverted};
constexpr PortRowLayout kEvenRow{47, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45};

constexpr PortBlockLayout kPortBlocks[] = {
    {1, 4, 154, 25, kOddRow, kEvenRow},
    {9, 4, 270, 25, kOddRow, kEvenRow},
    {17, 4, 387, 25, kOddRow, kEvenRow},
};

constexpr LedPanelLayout kStatusLeds[] = {
    {"PowerLedPanel", {48, 49, 6, 6}, 10, {7, 7}, {{"0", 1}}},
    {"ConsoleLedPanel", {47, 64, 6, 6}, 10, {7, 7}, {{"1", 1}}},
};

// Two LEDs per port: the first at offset 0, 25, 50, 75, the second 18 further.
constexpr LedPanelLayout kPortLeds[] = {
    {"LedPanel1", {154, 16, 101, 7}, 19, {6, 6}, {{"3,7,11,15", 0}, {"4,8,12,16", 18}}},
    {"LedPanel2", {154, 69, 101, 7}, 19, {6, 6}, {{"5,9,13,17", 0}, {"6,10,14,18", 18}}},
    {"LedPanel3", {270, 16, 101, 7}, 19, {6, 6}, {{"19,23,27,31", 0}, {"20,24,28,32", 18}}},
    {"LedPanel4", {270, 69, 101, 7}, 19, {6, 6}, {{"21,25,29,33", 0}, {"22,26,30,34", 18}}},
    {"LedPanel5", {386, 16, 101, 7}, 19, {6, 6}, {{"35,39,43,47", 0}, {"36,40,44,48", 18}}},
    {"LedPanel6", {386, 69, 101, 7}, 19, {6, 6}, {{"37,41,45,49", 0}, {"38,42,46,50", 18}}},
};

// The bay without a module: a GBIC port (25) and a stacking port (26).
constexpr PortButtonLayout kBayPorts[] = {
    {"SpeedButton25", 25, {42, 20, 62, 28}, ButtonKind::Plain, SocketKind::Gbic},
    {"SpeedButton26", 26, {136, 22, 29, 25}, ButtonKind::Plain, SocketKind::Stacking},
};

constexpr LedPanelLayout kBayLeds[] = {
    {"StPort1Link", {19, 24, 7, 7}, 10, {7, 7}, {{"51", 1}}},
    {"StPort1Act", {19, 38, 7, 7}, 10, {7, 7}, {{"52", 1}}},
    {"StPort2Link", {117, 24, 7, 7}, 10, {7, 7}, {{"53", 1}}},
    {"StPort2Act", {117, 37, 7, 7}, 10, {7, 7}, {{"54", 1}}},
};

constexpr StackPictureLayout kBayStack{"Panel1", {178, 20}, "Image3"};

constexpr BayLayout kBay{"Panel6", {502, 21, 219, 56}, &QF1824BayLayout};

} // namespace

constinit const PanelLayout QF1824BayLayout{
    .Kind = PanelKind::BayContent,
    .FormName = "TPanelQF1824Form",
    .Selector = nullptr,
    .WindowSize = {219, 56},
    .PictureRect = {0, 0, 219, 56},
    .PicturePath = ":/pictures/qf1824-bay.jpg",
    .Buttons = kBayPorts,
    .PortLeds = kBayLeds,
    .Stack = &kBayStack,
};

constinit const PanelLayout QF1824Layout{
    .Kind = PanelKind::FrontPanel,
    .FormName = "TPanelQF1824Form",
    .Selector = "QF1824",
    .WindowSize = {781, 88},
    .PictureRect = {0, 0, 780, 88},
    .PicturePath = ":/pictures/qf1824.jpg",
    .PortBlocks = kPortBlocks,
    .StatusLeds = kStatusLeds,
    .PortLeds = kPortLeds,
    .Bay = &kBay,
};
