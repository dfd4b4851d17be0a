#pragma once

#include "PanelLayout.h"

#include <QAbstractButton>
#include <QPixmap>

// A port button of a front panel: flat and borderless, it shows the glyph of
// its socket, the pressed glyph while it is down or checked. Toggle buttons
// stay pressed until clicked again; plain buttons spring back.
class KtPortButton : public QAbstractButton
{
public:
    KtPortButton(const PortButton &layout, QWidget *parent);

    // Port number on the unit (for module buttons, on the unit, not the module).
    int Port;
    // The port's SNMP instance: unit * 50 + port (the bare port on the gigabit
    // panels of unit 15).
    int Tag = 0;
    ButtonKind Kind() const { return kind_; }
    // The tag of a port button; -1 for any other button.
    static int TagOf(const QAbstractButton *button);

    bool IsPressed() const { return isDown() || isChecked(); }
    // The up state.
    void Release();
    // The down state; a plain button cannot stay down and stays up.
    void Press();

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ButtonKind kind_;
    QPixmap glyph_;
    QPixmap pressedGlyph_;
};
