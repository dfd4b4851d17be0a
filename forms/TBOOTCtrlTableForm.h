#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TBindingForm.h"

#include <memory>

class KtSNMPRequest2Edits;
class QComboBox;
class QPushButton;
class QTreeWidget;
class TNewBootpCtrlForm;

// The BOOTP relay servers of the interfaces, at most four per interface. A
// row's index (interface name and server address) is edited in the
// TNewBootpCtrlForm dialog; the state column adds ("valid") and deletes
// ("invalid") a row.
class TBOOTCtrlTableForm : public TBindingForm
{
    Q_OBJECT
public:
    enum Item
    {
        ItemInterfaceName = 0,
        ItemServer = 1,
        ItemState = 2,
    };
    static const KtSNMPVarDef Variables[];
    static constexpr int MaxServersPerInterface = 4;
    static const QString TooManyServers;

    explicit TBOOTCtrlTableForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();
    ~TBOOTCtrlTableForm() override;

    void Refresh();
    // Deletes the row whose index the dialog's boxes hold.
    void DeleteServer();
    // Opens the dialog.
    void ShowNewEntry();
    // Rows of the list view for this interface name (exact, with case).
    int ServerCount(const QString &interfaceName) const;
    // Writes the dialog's entry as valid and reads the table again; false
    // (with a message) when the interface has its four servers already or the
    // write cannot start.
    bool AddServer(const QString &interfaceName);

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    TNewBootpCtrlForm *NewEntryForm = nullptr;
    QPushButton *RefreshBtn = nullptr;
    QPushButton *DeleteBtn = nullptr;
    QPushButton *AddBtn = nullptr;
    QPushButton *CloseBtn = nullptr;
    QComboBox *ComboBox1 = nullptr;
    QTreeWidget *ListView1 = nullptr;
};
