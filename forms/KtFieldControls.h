#pragma once

#include <QList>
#include <QMap>
#include <span>

class KtSNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

// The controls of a window described by a field table. Each field names a
// variable of a binding, the caption the user reads beside its control, the
// kind of control, its object name, for an edit box its input format and,
// where the user picks the fields a write sends, a check box. Builds the
// captions and controls, lays them out in the table's order and binds each
// control to its variable, so that a caption cannot drift away from the
// variable it stands for.
class KtFieldControls
{
public:
    enum class FieldKind
    {
        StaticText, // a sunken label
        Edit,       // an edit box; one without a format is shown but bound to nothing
        Combo,
        Ports, // the window's unit/port grid: no control or caption of its own
    };
    struct Field
    {
        int Variable; // its index in the binding's descriptor table
        FieldKind Kind;
        const char *Caption = nullptr; // none: built and bound, but not laid out
        const char *Control = nullptr; // the control's object name
        const char *Format = nullptr;
        const char *CheckBox = nullptr; // a check box before the caption, by this object name
    };

    KtFieldControls() = default;
    // Builds the caption and control of every field as children of `parent`.
    KtFieldControls(QWidget *parent, std::span<const Field> fields);

    QWidget *Control(int variable) const { return controls_.value(variable); }
    QLabel *Caption(int variable) const { return captions_.value(variable); }
    QLabel *StaticText(int variable) const;
    QLineEdit *Edit(int variable) const;
    QComboBox *Combo(int variable) const;
    QCheckBox *Box(int variable) const { return boxes_.value(variable); }
    // Every control and check box, by variable.
    const QMap<int, QWidget *> &Controls() const { return controls_; }
    const QMap<int, QCheckBox *> &Boxes() const { return boxes_; }

    // The captioned fields as rows of caption and control.
    QFormLayout *NewFormLayout() const;
    void AddRows(QFormLayout *form) const;
    // The same in a grid of `pairsPerRow` caption/control pairs a row, each
    // pair after a column of check boxes when there are any.
    QGridLayout *NewGridLayout(int pairsPerRow = 1) const;

    // Binds each control to its variable of `binding`, a port field to the
    // check boxes of the window's unit/port grid.
    void Bind(KtSNMPRequest2Edits *binding, const QList<QCheckBox *> &portBoxes = {}) const;

private:
    std::span<const Field> fields_;
    QMap<int, QWidget *> controls_;
    QMap<int, QLabel *> captions_;
    QMap<int, QCheckBox *> boxes_;
};
