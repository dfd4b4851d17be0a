#pragma once

#include "KtPortButton.h"
#include "KtSNMPRequest2Leds.h"
#include "PanelLayout.h"

#include <QList>
#include <QWidget>
#include <array>
#include <memory>

class PanelHost;
class QFrame;
class QLabel;

// The LED-status value of a unit: one octet per LED, read as a row whose
// instance is the unit number.
inline constexpr KtSNMPVarDef LedStatusVars[] = {
    {"1.3.6.1.4.1.47893.12.11.1.9.4.1.5", "swUnitMgmtFrontPanelLedStatus", SyntaxOctets, AccessRead},
    {},
};

// A front-panel window, or a sub-panel of a module slot or bay, built from
// its layout table: the picture, the port buttons over its sockets, the LED
// panels and shapes, the stack-number picture, the labels, and the slots or
// the bay that take module sub-panels. Every model is this one class; the
// object name is the layout's form name ("TPanelQG2312Form"), and what sets
// the models apart (slots, bay, generic port count) is data of the layout.
//
// A front panel owns the LED binding of its unit; a sub-panel's LEDs and
// port buttons join the binding and the port numbering of the panel it is
// docked into.
class TPanelForm : public QWidget
{
public:
    static constexpr int LedPollPeriod = 300;  // hundredths of a second
    static constexpr int LedTimeOut = 500;     // hundredths of a second
    static constexpr int MaxPortsPerUnit = 50; // port tags: unit * 50 + port

    TPanelForm(const PanelLayout &layout, PanelHost &host, QWidget *parent = nullptr);
    // Stops the LED binding and waits until its last read has ended.
    ~TPanelForm() override;

    const PanelLayout &Layout() const { return layout_; }
    bool IsGeneric() const { return &layout_ == &GenericLayout; }
    bool HasSlots() const { return !layout_.Slots.empty(); }

    int Unit = 0;
    int PortCount = 0; // generic panel: ports the unit has
    std::unique_ptr<KtSNMPRequest2Leds> LedBinding;

    // The tag of a port of this unit by the panel's rule.
    int PortTag(int port) const;

    // Build steps, in the order the unit-panel build calls them.
    // Creates the LED binding and its LEDs; starts polling unless the panel
    // has slots (polling then starts once the slots are filled). Errors are
    // swallowed: the panel then shows without live LEDs.
    void SetUpLeds();
    // StartPolling of the LED binding; an error goes to its status target.
    void StartLedPolling();
    // Docks a slot module sub-panel into slot 1 or 2: its buttons get the
    // slot's ports and join PortButtons, its LEDs follow the slot's bytes.
    TPanelForm *AttachSlotModule(int slot, const PanelLayout &module);
    // Docks a bay module sub-panel into the bay and binds its LEDs.
    TPanelForm *AttachBayModule(const PanelLayout &module);
    // Tags the panel's own ports (and the bay's) and adds them to PortButtons.
    void SetPortTags();
    // The generic panel: ports above count hidden, port-number labels cut.
    void SetPortCount(int count);
    // The generic panel's model label.
    void ShowModelText(const QString &text);
    void SetStackPicture();

    // Port buttons of the panel and its sub-panels in port order.
    QList<KtPortButton *> PortButtons() const;
    KtPortButton *PortButtonOf(int port) const;
    TPanelForm *SlotModule(int slot) const;
    TPanelForm *BayModule() const { return bayModule_; }
    // What the bay shows without a module (QF1824 only).
    TPanelForm *BayContent() const { return bayContent_; }
    // The stack-number picture and the index it shows (-1 for none).
    QLabel *StackImage() const;
    int StackPictureIndex() const { return stackPictureIndex_; }
    QList<KtLedShape *> LayoutShapes() const { return shapes_; }

private:
    void BuildPicture();
    void BuildSlots();
    void BuildBay();
    void BuildLedPanels();
    void BuildShapes();
    void BuildStackPicture();
    void BuildTextLabels();
    void BuildNumberLabels();
    void BuildPortButtons();
    void DockInto(QWidget *holder);
    void AddLedsOf(TPanelForm &form, const char *shapeBytes);
    void TagAndAdd(const QList<KtPortButton *> &buttons);
    void WaitUntilLedsIdle();

    const PanelLayout &layout_;
    PanelHost &host_;
    QList<KtPortButton *> buttons_;
    QList<KtLedShape *> shapes_;
    QList<QFrame *> ledPanels_; // StatusLeds, then PortLeds
    QList<QFrame *> slotFrames_;
    std::array<TPanelForm *, 2> slotModules_{};
    QFrame *bayFrame_ = nullptr;
    TPanelForm *bayContent_ = nullptr;
    TPanelForm *bayModule_ = nullptr;
    QLabel *stackImage_ = nullptr;
    int stackPictureIndex_ = -1;
};
