#pragma once

#include "TConfigForm.h"

#include <QStringList>
#include <vector>

class KtListViewTools;
class KtSNMPRequest2Edits;
class QTreeWidget;
class TCtrlBtnPanel;
class TSNMPListViewPanel;
struct KtSNMPVarDef;

namespace guiconfig_test {

// A shown generic list window on a table, after its first read. With a row
// status column (statusIndex), Add creates rows with createAndGo and Delete
// destroys them.
struct ListWindow
{
    TConfigForm Form;
    TSNMPListViewPanel *Panel = nullptr;

    explicit ListWindow(const KtSNMPVarDef *table, int indexCount = 1, int statusIndex = -1);

    // Waits until the window's read has ended; false if it had not by then.
    bool Read(int timeoutMs = 15000);
    KtSNMPRequest2Edits *Binding() const;
    QTreeWidget *List() const;
    KtListViewTools *Tools() const;
    TCtrlBtnPanel *Bar() const;
    // The cells of a column in the rows on view, top to bottom.
    QStringList Column(int column) const;
    // Every cell of every row, in the agent's order.
    std::vector<QStringList> Cells() const;
    // Clicks the n-th row on view.
    void ClickShownRow(int n) const;
    QStringList Selected(int column) const;
};

} // namespace guiconfig_test
