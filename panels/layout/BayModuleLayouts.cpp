// Sub-panels that fill the bay of the QF1824: two-port modules whose
// buttons are ports 25 and 26 and whose LEDs follow bytes 51 to 54.
#include "PanelLayout.h"

namespace {

constexpr PortButtonLayout k2p100Ports[] = {
    {"SpeedButton25", 25, {74, 24, 23, 23}, ButtonKind::Toggle, SocketKind::Rj45},
    {"SpeedButton26", 26, {175, 24, 23, 23}, ButtonKind::Toggle, SocketKind::Rj45},
};

constexpr LedPanelLayout k2p100Leds[] = {
    {"StPort1Link", {19, 21, 7, 7}, 10, {7, 7}, {{"51", 1}}},
    {"StPort1Act", {19, 38, 7, 7}, 10, {7, 7}, {{"52", 1}}},
    {"StPort2Link", {120, 21, 7, 7}, 10, {7, 7}, {{"53", 1}}},
    {"StPort2Act", {120, 37, 7, 7}, 10, {7, 7}, {{"54", 1}}},
};

constexpr PortButtonLayout k2p1000Ports[] = {
    {"SpeedButton25", 25, {46, 22, 51, 23}, ButtonKind::Toggle, SocketKind::ScDuplex},
    {"SpeedButton26", 26, {146, 22, 49, 22}, ButtonKind::Toggle, SocketKind::ScDuplex},
};

constexpr LedPanelLayout k2p1000Leds[] = {
    {"StPort1Link", {19, 25, 7, 7}, 10, {7, 7}, {{"51", 1}}},
    {"StPort1Act", {19, 38, 7, 7}, 10, {7, 7}, {{"52", 1}}},
    {"StPort2Link", {119, 25, 7, 7}, 10, {7, 7}, {{"53", 1}}},
    {"StPort2Act", {119, 36, 7, 7}, 10, {7, 7}, {{"54", 1}}},
};

// Speed LEDs light green only at 3 (gigabit); link and activity LEDs of a
// port both follow its first byte.
constexpr LedPanelLayout k2p1000TLeds[] = {
    {"Port1000Panel1", {18, 16, 7, 7}, 10, {7, 7}, {{"52", 1}}, LedColourMap::PanelLedColoursAlt},
    {"Port1000Panel2", {120, 16, 7, 7}, 10, {7, 7}, {{"54", 1}}, LedColourMap::PanelLedColoursAlt},
    {"StPort1Link", {18, 29, 7, 7}, 10, {7, 7}, {{"51", 1}}},
    {"StPort1Act", {18, 43, 7, 7}, 10, {7, 7}, {{"51", 1}}},
    {"StPort2Link", {120, 29, 7, 7}, 10, {7, 7}, {{"53", 1}}},
    {"StPort2Act", {120, 42, 7, 7}, 10, {7, 7}, {{"53", 1}}},
};

} // namespace

constinit const PanelLayout Module2p100Layout{
    .Kind = PanelKind::BayModule,
    .FormName = "TPanelModule2p100Form",
    .Selector = "moduleType-2P-100TX",
    .WindowSize = {219, 56},
    .PictureRect = {0, 0, 219, 56},
    .PicturePath = ":/pictures/module-2p-100tx.jpg",
    .Buttons = k2p100Ports,
    .PortLeds = k2p100Leds,
};

constinit const PanelLayout Module2p1000Layout{
    .Kind = PanelKind::BayModule,
    .FormName = "TPanelModule2p1000Form",
    .Selector = "moduleType-2P-SC-SX",
    .WindowSize = {219, 56},
    .PictureRect = {0, 0, 219, 56},
    .PicturePath = ":/pictures/module-2p-sc-sx.jpg",
    .Buttons = k2p1000Ports,
    .PortLeds = k2p1000Leds,
};

constinit const PanelLayout Module2p1000TLayout{
    .Kind = PanelKind::BayModule,
    .FormName = "TPanelModule2p1000TForm",
    .Selector = "moduleType-2P-TX",
    .WindowSize = {219, 56},
    .PictureRect = {0, 0, 219, 56},
    .PicturePath = ":/pictures/module-2p-tx.jpg",
    .Buttons = k2p100Ports, // same sockets and places as the 100 Mbit/s module
    .PortLeds = k2p1000TLeds,
};

constinit const PanelLayout *const kBayModuleLayouts[3] = {&Module2p100Layout, &Module2p1000Layout,
                                                           &Module2p1000TLayout};
