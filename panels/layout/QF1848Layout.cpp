// The 48-port models QF1848 and QL2448: 48 copper ports in three blocks of
// sixteen with one LED per port on a strip above each block, and two tall
// gigabit ports. Odd ports and ports 49 and 50 are plain buttons.
#include "PanelLayout.h"

namespace {

constexpr PortRowLayout kOddRow{33, {23, 22}, ButtonKind::Plain, SocketKind::Rj45Inverted};
constexpr PortRowLayout kEvenRow{56, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45};
constexpr PortRowLayout kThirdOddRow{32, {23, 22}, ButtonKind::Plain, SocketKind::Rj45Inverted};
constexpr PortRowLayout kThirdEvenRow{55, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45};

constexpr PortBlockLayout kPortBlocks[] = {
    {1, 8, 57, 25, kOddRow, kEvenRow},
    {17, 8, 260, 25, kOddRow, kEvenRow},
    {33, 8, 465, 25, kThirdOddRow, kThirdEvenRow},
};

constexpr PortButtonLayout kGigabitPorts[] = {
    {"SpeedButton49", 49, {669, 33, 25, 43}, ButtonKind::Plain, SocketKind::Combo},
    {"SpeedButton50", 50, {698, 34, 25, 43}, ButtonKind::Plain, SocketKind::Combo},
};

constexpr LedPanelLayout kStatusLeds[] = {
    {"PowerLedPanel", {46, 37, 7, 7}, 10, {7, 7}, {{"0", 1}}},
    {"ConsoleLedPanel", {45, 52, 7, 7}, 10, {7, 7}, {{"1", 1}}},
};

constexpr const char *kBlock1Bytes = "3,5,7,9,11,13,15,17,19,21,23,25,27,29,31,33";
constexpr const char *kBlock2Bytes = "35,37,39,41,43,45,47,49,51,53,55,57,59,61,63,65";
constexpr const char *kBlock3Bytes = "67,69,71,73,75,77,79,81,83,85,87,89,91,93,95,97";

constexpr LedPanelLayout kQF1848PortLeds[] = {
    {"Panel1", {56, 25, 201, 7}, 7, {6, 6}, {{kBlock1Bytes, 0}}},
    {"Panel2", {260, 26, 201, 7}, 7, {6, 6}, {{kBlock2Bytes, 0}}},
    {"Panel3", {464, 24, 201, 7}, 7, {6, 6}, {{kBlock3Bytes, 0}}},
    {"Panel4", {668, 25, 56, 7}, 20, {6, 6}, {{"99,101", 11}}},
};

constexpr LedPanelLayout kQL2448PortLeds[] = {
    {"Panel1", {56, 25, 201, 7}, 7, {6, 6}, {{kBlock1Bytes, 0}}},
    {"Panel2", {260, 25, 201, 7}, 7, {6, 6}, {{kBlock2Bytes, 0}}},
    {"Panel3", {464, 25, 201, 7}, 7, {6, 6}, {{kBlock3Bytes, 0}}},
    {"Panel4", {668, 25, 56, 7}, 20, {6, 6}, {{"99,101", 11}}},
};

} // namespace

constinit const PanelLayout QF1848Layout{
    .Kind = PanelKind::FrontPanel,
    .FormName = "TPanel1848TForm",
    .Selector = "QF1848",
    .WindowSize = {781, 92},
    .PictureRect = {0, 0, 780, 91},
    .PicturePath = ":/pictures/qf1848.jpg",
    .PortBlocks = kPortBlocks,
    .Buttons = kGigabitPorts,
    .StatusLeds = kStatusLeds,
    .PortLeds = kQF1848PortLeds,
};

constinit const PanelLayout QL2448Layout{
    .Kind = PanelKind::FrontPanel,
    .FormName = "TPanelQL2448Form",
    .Selector = "QL2448",
    .WindowSize = {781, 89},
    .PictureRect = {0, 0, 780, 89},
    .PicturePath = ":/pictures/ql2448.jpg",
    .PortBlocks = kPortBlocks,
    .Buttons = kGigabitPorts,
    .StatusLeds = kStatusLeds,
    .PortLeds = kQL2448PortLeds,
};
