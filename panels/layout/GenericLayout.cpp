// The generic panel of any other model: up to 50 copper ports in 25 columns
// whose buttons show the sockets, port-number labels cut to the port count,
// status LEDs that are drawn but never bound.
#include "PanelLayout.h"

namespace {

constexpr PortRowLayout kOddRow{24, {23, 23}, ButtonKind::Plain, SocketKind::Rj45Inverted};
constexpr PortRowLayout kEvenRow{47, {23, 23}, ButtonKind::Toggle, SocketKind::Rj45};

constexpr PortBlockLayout kPortBlocks[] = {
    {1, 25, 125, kPortColumnPitch, kOddRow, kEvenRow},
};

constexpr LedPanelLayout kStatusLeds[] = {
    {"PowerLedPanel", {46, 37, 7, 7}, 10, {7, 7}, {{nullptr, 1}}},
    {"ConsoleLedPanel", {45, 52, 7, 7}, 10, {7, 7}, {{nullptr, 1}}},
};

constexpr TextLabelLayout kTextLabels[] = {
    {"ModuleNameLabel", {8, 10}, "GENERIC  DEVICE"},
};

// "49" and "50" have labels of their own in the last column.
constexpr PortNumberLabelLayout kNumberLabels[] = {
    {"Label1", {124, 11}, 1, 47, 125, true},
    {"Label2", {124, 70}, 2, 48, 125, true},
    {"Label3", {731, 11}, 49, 49, 725, false},
    {"Label4", {731, 70}, 50, 50, 725, false},
};

constexpr StackPictureLayout kStack{"Panel1", {77, 36}, "StackImage"};

} // namespace

constinit const PanelLayout GenericLayout{
    .Kind = PanelKind::FrontPanel,
    .FormName = "TPanelGENERICForm",
    .Selector = nullptr,
    .WindowSize = {781, 88},
    .PictureRect = {0, 0, 780, 88},
    .PicturePath = ":/pictures/generic.jpg",
    .PortBlocks = kPortBlocks,
    .StatusLeds = kStatusLeds,
    .Stack = &kStack,
    .TextLabels = kTextLabels,
    .NumberLabels = kNumberLabels,
    .PictureShowsSockets = false,
};
