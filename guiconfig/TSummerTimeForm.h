#pragma once

#include "KtSNMPVarDef.h"
#include "TCtrlsList.h"

#include <QDialog>
#include <functional>
#include <memory>

class KtOptionList;
class KtSNMPRequest2Edits;
class QObject;
class QPushButton;
class TSNMPEditorPanel;

// The daylight-saving settings: status (disable, repeating, annual), offset
// in minutes, and a start and an end for each mode. The start and end values
// are octet strings whose octets are separate fields, each bound to its own
// combo box or edit box in a composite row. Only the rows of the chosen mode
// are shown; reads and writes go in two steps (the status first).
class TSummerTimeForm : public QDialog
{
    Q_OBJECT
public:
    enum Row
    {
        RowStatus = 0,
        RowOffset = 1,
        RowRepeatStart = 2,
        RowRepeatEnd = 3,
        RowAnnualStart = 4,
        RowAnnualEnd = 5,
    };

    // The variables of the window, in row order.
    static const KtSNMPVarDef Variables[];
    static const KtOptionList &MonthOptions();
    static const KtOptionList &WeekdayOptions();
    static const KtOptionList &WeekOptions();

    // Builds the window and reads the switch (blocking).
    explicit TSummerTimeForm(QWidget *parent = nullptr);
    ~TSummerTimeForm() override;

    // Shows the start and end rows of the status chosen, hides the others.
    void UpdateRows();
    // Reads the status, then the offset and the chosen mode's start and end.
    void RefreshSummerTime();
    // Validates, then writes the status, then the offset, start and end.
    void SetSummerTime(QObject *sender);
    // Shows the first rule the input breaks in a message box.
    bool ValidateSummerTime();
    // Captions the list's panel "-" when every field is filled, else empty.
    void MarkFilled(const TCtrlsList &list);
    // Disables and frees the binding, the panel and the control lists.
    void FormClose();

    void done(int result) override;

    std::unique_ptr<KtSNMPRequest2Edits> Binding;
    TSNMPEditorPanel *EditorPanel = nullptr;
    TCtrlsList RepeatStartList;
    TCtrlsList RepeatEndList;
    TCtrlsList AnnualStartList;
    TCtrlsList AnnualEndList;

private:
    void BuildCompositeRow(int row, TCtrlsList &list);
    void BuildRepeatingRow(int row, TCtrlsList &list);
    void BuildAnnualRow(int row, TCtrlsList &list);
    void SetSkip(int row, bool skip);
    bool ValidateRepeating(const TCtrlsList &list) const;
    bool ValidateAnnual(const TCtrlsList &list) const;
    bool RowChecked(int row) const;

    std::function<void(QPushButton *)> storedSetClick_;
    bool closed_ = false;
};
