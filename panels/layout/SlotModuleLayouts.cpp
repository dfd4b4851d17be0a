// Sub-panels docked into a slot of the gigabit models. Their buttons are
// module ports 1 to 4 and their LED shapes follow the bytes of the slot
// (SlotLayout) they are docked into.
#include "PanelLayout.h"

namespace {

constexpr PortButtonLayout k1000BasePorts[] = {
    {"SpeedButton1", 1, {87, 23, 26, 22}, ButtonKind::Toggle, SocketKind::Rj45},
    {"SpeedButton2", 2, {125, 24, 26, 22}, ButtonKind::Toggle, SocketKind::Rj45},
    {"SpeedButton3", 3, {162, 24, 27, 22}, ButtonKind::Toggle, SocketKind::Rj45},
    {"SpeedButton4", 4, {200, 23, 27, 22}, ButtonKind::Toggle, SocketKind::Rj45},
};

constexpr LedShapeLayout k1000BaseShapes[] = {
    {"PortShape1", {74, 3, 7, 7}},
    {"PortShape2", {74, 15, 7, 7}},
    {"PortShape3", {74, 27, 7, 7}},
    {"PortShape4", {74, 39, 7, 7}},
};

constexpr PortButtonLayout kMiniGbicPorts[] = {
    {"SpeedButton1", 1, {89, 23, 23, 22}, ButtonKind::Toggle, SocketKind::Sfp},
    {"SpeedButton2", 2, {127, 23, 23, 22}, ButtonKind::Toggle, SocketKind::Sfp},
    {"SpeedButton3", 3, {166, 23, 23, 23}, ButtonKind::Toggle, SocketKind::Sfp},
    {"SpeedButton4", 4, {203, 23, 23, 22}, ButtonKind::Toggle, SocketKind::Sfp},
};

constexpr LedShapeLayout kMiniGbicShapes[] = {
    {"PortShape1", {75, 4, 6, 6}},
    {"PortShape2", {75, 16, 6, 6}},
    {"PortShape3", {75, 28, 6, 6}},
    {"PortShape4", {75, 39, 6, 6}},
};

constexpr PortButtonLayout kStackingPorts[] = {
    {"SpeedButton1", 1, {88, 22, 25, 24}, ButtonKind::Toggle, SocketKind::Stacking},
    {"SpeedButton2", 2, {126, 22, 25, 23}, ButtonKind::Toggle, SocketKind::Stacking},
    {"SpeedButton3", 3, {165, 21, 25, 24}, ButtonKind::Toggle, SocketKind::Stacking},
    {"SpeedButton4", 4, {202, 23, 24, 22}, ButtonKind::Toggle, SocketKind::Stacking},
};

constexpr LedShapeLayout kStackingShapes[] = {
    {"PortShape1", {74, 3, 7, 7}},
    {"PortShape2", {74, 15, 7, 7}},
    {"PortShape3", {74, 27, 7, 7}},
    {"PortShape4", {74, 39, 7, 7}},
};

} // namespace

constinit const PanelLayout Module1000BaseLayout{
    .Kind = PanelKind::SlotModule,
    .FormName = "TPanel1000BaseForm",
    .Selector = "moduleType-1000T",
    .WindowSize = {236, 60},
    .PictureRect = {-1, 0, 237, 61},
    .PicturePath = ":/pictures/module-1000t.jpg",
    .Buttons = k1000BasePorts,
    .Shapes = k1000BaseShapes,
};

constinit const PanelLayout ModuleMiniGbicLayout{
    .Kind = PanelKind::SlotModule,
    .FormName = "TPanelMiniGBICForm",
    .Selector = "moduleType-MGBIC",
    .WindowSize = {236, 58},
    .PictureRect = {0, 0, 236, 61},
    .PicturePath = ":/pictures/module-mgbic.jpg",
    .Buttons = kMiniGbicPorts,
    .Shapes = kMiniGbicShapes,
};

constinit const PanelLayout ModulePortStackingLayout{
    .Kind = PanelKind::SlotModule,
    .FormName = "TPanelPortStackingForm",
    .Selector = "moduleType-1394",
    .WindowSize = {236, 59},
    .PictureRect = {0, 0, 237, 60},
    .PicturePath = ":/pictures/module-stacking.jpg",
    .Buttons = kStackingPorts,
    .Shapes = kStackingShapes,
};

constinit const PanelLayout *const kSlotModuleLayouts[3] = {&Module1000BaseLayout, &ModuleMiniGbicLayout,
                                                            &ModulePortStackingLayout};
