#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

class KtSNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class TCtrlBtnPanel;

// The editor rows of a generic window: one row per variable of the binding's
// list, each a check box that selects the variable for writing, its name and
// its value control, laid out in one column inside a scroll box.
class TEditsPanel : public QWidget
{
    Q_OBJECT
public:
    enum RowKind
    {
        KindReadOnly = 1,        // read-only variable without options: edit box
        KindWritable = 2,        // writable variable without options: edit box
        KindOptions = 3,         // writable variable with options: combo box
        KindReadOnlyOptions = 4, // read-only variable with options: edit box showing the label
        KindPanel = 5,           // a panel of sub-controls (composite rows)
    };

    struct EditRow
    {
        int Kind = KindReadOnly;
        QString Format = QStringLiteral("%s");
        QPointer<QWidget> ValueControl;
        QCheckBox *CheckBox = nullptr;
        QLabel *Label = nullptr;
    };

    static constexpr int LeftMargin = 20;
    static constexpr int TopMargin = 20;
    static constexpr int RowGap = 5;
    static constexpr int ControlGap = 5;
    static constexpr int CheckBoxWidth = 20;

    // The property of a composite row's panel that holds its caption; an
    // empty caption makes the row count as empty.
    static constexpr const char *CaptionProperty = "Caption";

    TEditsPanel(QWidget *parent, KtSNMPRequest2Edits *binding);

    void BuildRows();
    void EnableRow(int i);
    void DisableRow(int i);
    // Rows of read-only and index variables disabled, all others enabled with
    // their check boxes set to `checked`.
    void ResetRows(bool checked);
    void SetReadOnlyColors(const QColor &font, const QColor &background);
    void LayoutRows(bool resize);
    void SetValueWidth(int width);
    void HideRow(int i);
    void ShowRow(int i);
    void ClearRow(int i);
    void ClearRows();
    void SetRowValue(int i, const QString &text);
    void UncheckRow(int i);
    bool IsRowEmpty(int i) const;
    // Shows the buttons an editor needs on the bar (see the source).
    void ArrangeCtrlBtn(TCtrlBtnPanel *bar);

    // Makes `control` the value control of row i (the old one is left to the
    // caller) and gives the row its kind.
    void SetRowControl(int i, QWidget *control, int kind);

    int RowCount() const { return int(Rows.size()); }
    QLineEdit *EditBox(int i) const;
    QComboBox *ComboBox(int i) const;
    // A variable that the window may write: writable and not a table index.
    bool IsWriteRow(int i) const;
    bool HasWriteRow() const;
    bool IsHiddenRow(int i) const;
    // True when a row check box that is not hidden is checked.
    bool AnyShownRowChecked() const;
    // The button bar of the SNMP panel that currently shows these rows.
    TCtrlBtnPanel *HostBar() const;
    // The widget the rows live in (inside the scroll box).
    QWidget *RowArea() const { return rowArea_; }

    QSize sizeHint() const override;

    KtSNMPRequest2Edits *EditCtrl;
    std::vector<EditRow> Rows;
    QScrollArea *ScrollBox;
    int ValueWidth = 121;
    bool DefaultChecked = false;
    QColor ReadOnlyFontColor;
    QColor ReadOnlyColor;

private:
    void OnRowCheckClicked();
    void PaintValueControl(QWidget *control, bool readOnly);
    bool ValidRow(int i, bool complain) const;

    QWidget *rowArea_;
    QSize designSize_;
};
