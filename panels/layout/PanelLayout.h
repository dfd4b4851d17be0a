#pragma once

// Geometry of every front-panel window and sub-panel as static data: the
// picture, the port buttons, the LED panels and shapes with the LED-status
// bytes they follow, the module slots and bay, the stack-number picture and
// the labels. Coordinates are pixels inside the window (or sub-panel) that
// owns the element: left, top, width, height.
//
// The panel windows build themselves from these tables, and the picture
// generator draws its sockets and LED windows from the same tables, so a
// button always sits over its socket and an LED over its window.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <span>

// The colour map an LED follows (the two process-wide maps of the panels).
enum class LedColourMap
{
    PanelLedColours,   // 0, 1 white; 2, 3 green; 4 blue; 5 red
    PanelLedColoursAlt // as above, but 2 stays white (speed LEDs of the 1000BASE-T bay module)
};

// How a port button reacts to a click.
enum class ButtonKind
{
    Toggle, // stays pressed until clicked again
    Plain   // springs back
};

// The socket the picture shows under a port button, and so the glyph the
// button shows.
enum class SocketKind
{
    Rj45,         // copper socket, latch at the bottom
    Rj45Inverted, // copper socket, latch at the top (top row of a stacked pair)
    Sfp,          // mini-GBIC cage
    Combo,        // RJ-45 socket above a mini-GBIC cage, one port
    Gbic,         // full-size GBIC cage, lying
    ScDuplex,     // duplex SC fibre receptacle
    Stacking      // stacking cable socket
};

// One explicitly placed port button.
struct PortButtonLayout
{
    const char *Name; // "PortBtn1", "SpeedButton25"
    int Port;         // port number on the unit; on a slot module 1 to 4 (the slot adds its first port - 1)
    QRect Rect;
    ButtonKind Kind;
    SocketKind Socket;
};

// One row of a port block.
struct PortRowLayout
{
    int Top;
    QSize Size;
    ButtonKind Kind;
    SocketKind Socket;
};

// A block of port buttons named "SpeedButton<port>": Columns columns Pitch
// pixels apart from Left, the odd ports on the top row and the even ports
// on the bottom row, counting from FirstPort (odd) at the top left.
struct PortBlockLayout
{
    int FirstPort;
    int Columns;
    int Left;
    int Pitch;
    PortRowLayout OddRow;
    PortRowLayout EvenRow;
};

// One row of LEDs that the LED binding creates in an LED panel: the k-th
// byte of Bytes (counted from 0) gets an LED at left Start + k * (Gap + width),
// top 1, inside the panel (one CreateLedRow call). A row whose Bytes is
// nullptr is absent.
struct LedRowLayout
{
    const char *Bytes; // LED-status byte numbers, "3,7,11,15"
    int Start;
};

// A panel that receives LEDs created by the binding: an LED strip or a
// single-LED panel. Up to two rows of LEDs share the panel's gap and size.
// The panel clips its LEDs: a 7 x 7 LED at (1, 1) in a 7 x 7 panel shows
// 6 x 6 (Led::VisibleRect). A panel without rows is drawn but never bound.
struct LedPanelLayout
{
    const char *Name; // "LedPanel1", "PowerLedPanel"
    QRect Rect;
    int Gap;
    QSize LedSize;
    LedRowLayout Rows[2];
    LedColourMap Colours = LedColourMap::PanelLedColours;
};

// A rectangle LED shape of the layout itself, bound directly by the binding.
struct LedShapeLayout
{
    const char *Name; // "PortShape1"
    QRect Rect;
};

// A module slot of the gigabit models. The sub-panel docked into it numbers
// its ports FirstPort to FirstPort + 3, and its LED shapes follow LedBytes
// in shape order.
struct SlotLayout
{
    const char *Name; // "SlotPanel1"
    QRect Rect;
    int FirstPort;
    const char *LedBytes; // "11,13,15,17"
};

struct PanelLayout;

// The module bay of the QF1824: a panel with its own content (picture,
// buttons, LEDs, stack picture) that a module sub-panel may cover.
struct BayLayout
{
    const char *Name; // "Panel6"
    QRect Rect;
    const PanelLayout *Content; // what the bay shows without a module
};

// The stack-number picture: a 24 x 21 image at (1, 1) inside a 26 x 23 panel.
struct StackPictureLayout
{
    const char *PanelName; // "Panel1"
    QPoint Pos;
    const char *ImageName; // "StackImage", "Image3"
};
constexpr QSize kStackPanelSize{26, 23};
constexpr QRect kStackImageRect{1, 1, 24, 21}; // inside the stack panel

// A fixed text label (the generic panel's model label).
struct TextLabelLayout
{
    const char *Name;
    QPoint Pos;
    const char *Text;
};

// A label of the port numbers FirstPort, FirstPort + 2, ... LastPort, one
// number centred over each port column: the k-th column (from 0) starts at
// FirstColumnLeft + k * kPortColumnPitch. A label is shown when the unit has
// at least one of its ports; one whose WidthFollowsPortCount is set is cut
// to the columns of the ports present (PortNumberLabelWidth).
struct PortNumberLabelLayout
{
    const char *Name;
    QPoint Pos;
    int FirstPort;
    int LastPort;
    int FirstColumnLeft;
    bool WidthFollowsPortCount;
};
constexpr int kPortColumnPitch = 25;

// The kind of window a layout describes.
enum class PanelKind
{
    FrontPanel, // the panel window of one unit
    SlotModule, // a sub-panel docked into a slot of a gigabit model
    BayModule,  // a sub-panel filling the bay of the QF1824
    BayContent  // the bay of the QF1824 without a module
};

struct PanelLayout
{
    PanelKind Kind;
    const char *FormName; // the window class that shows it, "TPanelQG2312Form"
    const char *Selector; // the model text or module-type text that selects it; nullptr for the generic panel
    QSize WindowSize;
    QRect PictureRect;       // where the picture sits in the window; may start left of it
    const char *PicturePath; // resource path of the JPEG picture
    std::span<const PortBlockLayout> PortBlocks = {};
    std::span<const PortButtonLayout> Buttons = {}; // port buttons outside the blocks
    std::span<const LedPanelLayout> StatusLeds = {};
    std::span<const LedPanelLayout> PortLeds = {};
    const char *ShapeBytes = nullptr; // bytes of Shapes in order; nullptr when a slot supplies them
    std::span<const LedShapeLayout> Shapes = {};
    std::span<const SlotLayout> Slots = {};
    const BayLayout *Bay = nullptr;
    const StackPictureLayout *Stack = nullptr;
    std::span<const TextLabelLayout> TextLabels = {};
    std::span<const PortNumberLabelLayout> NumberLabels = {};
    // False when the buttons alone show the sockets (their glyphs), as on
    // the generic panel, whose picture cannot know how many ports the unit has.
    bool PictureShowsSockets = true;
};

// Front panels, in the order of the main window's model names.
extern const PanelLayout QG2212Layout;
extern const PanelLayout QF1824Layout;
extern const PanelLayout QF1848Layout;
extern const PanelLayout QG2312Layout;
extern const PanelLayout QL2424Layout;
extern const PanelLayout QL2424RLayout;
extern const PanelLayout QL2448Layout;
extern const PanelLayout GenericLayout;
extern const PanelLayout *const kFrontPanelLayouts[8];

// The QF1824's bay without a module.
extern const PanelLayout QF1824BayLayout;

// Slot modules of the gigabit models, in the order the slot detection
// numbers them (1 = 1000BASE-T, 2 = mini-GBIC, 3 = stacking).
extern const PanelLayout Module1000BaseLayout;
extern const PanelLayout ModuleMiniGbicLayout;
extern const PanelLayout ModulePortStackingLayout;
extern const PanelLayout *const kSlotModuleLayouts[3];

// Bay modules of the QF1824, in the order their module-type texts are tried.
extern const PanelLayout Module2p100Layout;
extern const PanelLayout Module2p1000Layout;
extern const PanelLayout Module2p1000TLayout;
extern const PanelLayout *const kBayModuleLayouts[3];

// The front panel for a model text: exact, case-sensitive match of the
// model names, else the generic panel.
const PanelLayout &FrontPanelLayoutFor(const QString &model);

// A port button with its name, expanded from a block or copied from the
// explicit list.
struct PortButton
{
    QString Name;
    int Port;
    QRect Rect;
    ButtonKind Kind;
    SocketKind Socket;
};

// Every port button of a layout: the blocks' buttons in port order, then
// the explicit ones. Rectangles are in the layout's window.
QList<PortButton> PortButtonsOf(const PanelLayout &layout);

// One LED as it appears on the window.
struct Led
{
    QString Holder;    // the LED panel or shape name
    QRect Rect;        // the LED's full rectangle in the layout's window
    QRect VisibleRect; // the part of it that its panel does not clip
    int Byte;          // LED-status byte, or -1 for a slot module's shape without a slot
    LedColourMap Colours;
};

// Every LED of a layout in binding order: status LEDs, port LEDs, shapes.
// Shapes of a slot module take their bytes from slot when one is given.
QList<Led> LedsOf(const PanelLayout &layout, const SlotLayout *slot = nullptr);

// The decimal byte numbers of an LED byte list such as "3,7,11,15".
QList<int> LedBytesOf(const char *bytes);

// LED-status bytes (counted from 0) of the status LEDs and of port p (from 1).
constexpr int kPowerLedByte = 0;
constexpr int kConsoleLedByte = 1;
constexpr int kRedundantPowerLedByte = 2;
constexpr int FirstLedByte(int port)
{
    return 2 * port + 1;
}
constexpr int SecondLedByte(int port)
{
    return 2 * port + 2;
}

// How many numbers of a port-number label belong to ports the unit has.
int PortNumbersShown(const PortNumberLabelLayout &label, int portCount);

// Width of a port-number label for a port count: the columns of the ports
// present, so that the numbers of missing ports are cut off (24 ports: 299).
int PortNumberLabelWidth(const PortNumberLabelLayout &label, int portCount);

// The cell in which the k-th number (from 0) of a port-number label is
// centred, in window coordinates: its port column, one text line high.
QRect PortNumberCell(const PortNumberLabelLayout &label, int k);

// The stack-number picture (index into the stack-number image list) for a
// unit number: unit n shows picture n - 1, unit 15 (a stand-alone or master
// unit) picture 13. Units without a picture give -1.
int StackPictureIndexFor(int unit);
constexpr int kStackPictureCount = 14;

// Resource paths of the pictures that do not belong to one layout. A port
// button shows its socket glyph, the size of the button: the unpressed
// glyph is the very socket the picture shows under the button (on the
// generic panel, whose picture has no sockets, it is the only one), the
// pressed glyph marks the selected port.
QString StackPicturePath(int index); // index 0 to 13
QString SocketGlyphPath(SocketKind kind, QSize size, bool pressed);
QString SocketGlyphPath(const PortButton &button, bool pressed);
extern const char *const kAboutIconPath; // 32 x 32 picture of the module

// Colours of the artwork that windows drawn over it may need.
constexpr QRgb kPanelEdgeColour = 0xff141618;  // around the pictures; fills a window wider than its picture
constexpr QRgb kPanelLabelColour = 0xffd6dade; // printed texts on the dark face
constexpr QRgb kEmptySlotColour = 0xff5b6066;  // blank cover of an empty module slot
constexpr int kPanelLabelPixelSize = 9;        // printed port numbers
