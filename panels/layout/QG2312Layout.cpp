// The gigabit models QG2312 and QG2212: one geometry, two pictures. Four
// combo ports with a column of port LEDs to their left, the status LEDs at
// the left edge and two module slots.
#include "PanelLayout.h"

namespace {

constexpr PortButtonLayout kPorts[] = {
    {"PortBtn1", 1, {142, 23, 23, 44}, ButtonKind::Toggle, SocketKind::Combo},
    {"PortBtn2", 2, {167, 23, 23, 44}, ButtonKind::Toggle, SocketKind::Combo},
    {"PortBtn3", 3, {192, 23, 23, 44}, ButtonKind::Toggle, SocketKind::Combo},
    {"PortBtn4", 4, {217, 23, 23, 44}, ButtonKind::Toggle, SocketKind::Combo},
};

constexpr LedPanelLayout kStatusLeds[] = {
    {"PowerLedPanel", {5, 21, 7, 7}, 10, {7, 7}, {{"0", 1}}},
    {"ConsoleLedPanel", {5, 36, 7, 7}, 10, {7, 7}, {{"1", 1}}},
    {"RPowerLedPanel", {5, 49, 7, 7}, 10, {7, 7}, {{"2", 1}}},
};

constexpr LedShapeLayout kPortShapes[] = {
    {"PortShape1", {131, 24, 6, 6}},
    {"PortShape2", {131, 36, 6, 6}},
    {"PortShape3", {131, 48, 6, 6}},
    {"PortShape4", {131, 59, 6, 6}},
};

constexpr SlotLayout kSlots[] = {
    {"SlotPanel1", {291, 17, 236, 60}, 5, "11,13,15,17"},
    {"SlotPanel2", {535, 17, 236, 59}, 9, "19,21,23,25"},
};

constexpr StackPictureLayout kStack{"Panel1", {79, 53}, "StackImage"};

constexpr PanelLayout GigabitLayout(const char *formName, const char *model, const char *picture)
{
    return {
        .Kind = PanelKind::FrontPanel,
        .FormName = formName,
        .Selector = model,
        .WindowSize = {781, 89},
        .PictureRect = {0, 0, 780, 89},
        .PicturePath = picture,
        .Buttons = kPorts,
        .StatusLeds = kStatusLeds,
        .ShapeBytes = "3,5,7,9",
        .Shapes = kPortShapes,
        .Slots = kSlots,
        .Stack = &kStack,
    };
}

} // namespace

constinit const PanelLayout QG2312Layout =
    GigabitLayout("TPanelQG2312Form", "QG2312", ":/pictures/qg2312.jpg");
constinit const PanelLayout QG2212Layout =
    GigabitLayout("TPanelQG2212Form", "QG2212", ":/pictures/qg2212.jpg");
