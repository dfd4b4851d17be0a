#pragma once

#include "TSNMPPanel.h"

#include <QString>

class QObject;
class TEditsPanel;

// A scalar editor: one row per variable, and the Set Checked (or Set),
// Check All and Clear Checks buttons that write the checked rows.
class TSNMPEditorPanel : public TSNMPPanel
{
    Q_OBJECT
public:
    TSNMPEditorPanel(QWidget *parent, KtSNMPRequest2Edits *binding);

    // Value controls `width` pixels wide; the panel and its window follow.
    void SetEditWidth(int width);
    // Rebinds the edit box of row `item` with another format (and with it
    // another input constraint). Raises for rows that are not edit boxes.
    void SetVarFormat(int item, const QString &format);

    // Writes the checked rows in one blocking set. sender: the clicked
    // button; a button tagged 1 closes its window after the write.
    void SetCheckedClick(QObject *sender);
    void CheckAllClick();
    void ClearChecksClick();

    TEditsPanel *EditsPanel;
};
