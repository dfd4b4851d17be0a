#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TListEditForm.h"

#include <QString>
#include <functional>
#include <memory>

class KtAccessSnapshot;
class KtSNMPRequest2Edits;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// Named groups of up to eight authentication servers, each an address and a
// protocol. Slots that hold no server are left out of a write, and the groups
// the switch keeps for its protocols cannot be deleted. The binding runs
// asynchronously: a write restores the access bits and reads the table again
// when its answer is in, and the buttons wait for a running request.
class TServerGroupForm : public TListEditForm
{
    Q_OBJECT
public:
    static constexpr int Slots = 8;
    enum Column
    {
        ColumnName = 0,
        ColumnRowStatus = 17,
    };
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;
    static const KtSNMPVarDef Variables[];
    static inline const QString NameMissing = QStringLiteral("Server Group Name can not be null.");
    static inline const QString NameTaken =
        QStringLiteral("Has already a record with the same Server Group Name. Please change it.");
    static inline const QString RowStateNotCreate = QStringLiteral("RowState must be createAndGo.");
    static inline const QString DefaultNotDeleted =
        QStringLiteral("Default Server Group can not be deleted.");

    // Slot k's address that is no IP address (k in place of %1).
    static inline const QString AddressInvalid =
        QStringLiteral("ServerGroup IPAddress%1 must be a valid IP address.");

    explicit TServerGroupForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();
    ~TServerGroupForm() override;

    // Slot k's (1 to 8) address column and protocol column.
    static int AddressColumn(int slot) { return 2 * slot - 1; }
    static int ProtocolColumn(int slot) { return 2 * slot; }
    bool SlotIsEmpty(int slot) const;
    // A write or read of a button is still under way.
    bool Working() const;

    // Starts a read unless a request is under way.
    void Refresh() override;
    void EditRow() override;
    void AddRow() override;
    void DeleteRow() override;

    TRowCountLabel *&Static = RowCountLabel;
    QTreeWidget *ListView2 = nullptr;
    QLineEdit *edtServerName = nullptr;
    QLineEdit *edtIP[Slots] = {};
    QComboBox *cbxProt[Slots] = {};
    QComboBox *cbxRowStatus = nullptr;

protected:
    // The request has ended: no answer calls back any more, and the columns
    // a write left out are put back while the binding still exists.
    void Closing() override;
    void ClearFields() override;

private:
    void Write(const std::function<void(KtAccessSnapshot &)> &exclude);
    void Read();
    void WriteDone(int code);
    void ReadDone();
    // False, with a message, when a slot to be written holds no address.
    bool CheckAddresses();
    void ListClicked();

    std::unique_ptr<KtAccessSnapshot> pending_;
    bool reading_ = false;
};
