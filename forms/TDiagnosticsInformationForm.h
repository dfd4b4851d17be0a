#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"

#include "TBindingForm.h"

class KtSNMPRequest2Edits;
class QPushButton;
class QTreeWidget;

// The EAPOL frame counters of every port, one row per port, read in blocking
// mode. A first read that fails is reported in the error box and the window
// opens with the rows read before the failure.
class TDiagnosticsInformationForm : public TBindingForm
{
    Q_OBJECT
public:
    static const KtSNMPVarDef Variables[];

    explicit TDiagnosticsInformationForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Reads the table again; a failure is left without a message.
    void Refresh();

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    QPushButton *Button1 = nullptr;
    QTreeWidget *ListView1 = nullptr;

protected:
    // For windows that show the same table under another caption.
    TDiagnosticsInformationForm(QWidget *owner, const QString &objectName, const QString &caption);
};
