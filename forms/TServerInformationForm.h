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

// The authentication servers, one row per address and protocol. A write
// leaves out the fields the server's protocol does not use: the key of
// TACACS and XTACACS servers and the retry count of TACACS+ servers. The
// binding runs blocking, so each button finishes its write and its re-read
// before the next event.
class TServerInformationForm : public TListEditForm
{
    Q_OBJECT
public:
    enum Column
    {
        ColumnAddress = 0,
        ColumnProtocol = 1,
        ColumnPort = 2,
        ColumnKey = 3,
        ColumnTimeout = 4,
        ColumnRetries = 5,
        ColumnRowStatus = 6,
    };
    // Protocol combo items.
    static constexpr int TacacsPlusItem = 2;
    static constexpr int RadiusItem = 3;
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;
    static const KtSNMPVarDef Variables[];
    static inline const QString AddressMissing = QStringLiteral("Server IP must be set.");
    static inline const QString AddressInvalid = QStringLiteral("Server IP must be a valid IP address.");
    static inline const QString ProtocolMissing = QStringLiteral("Protocol must be set.");
    static inline const QString ServerTaken = QStringLiteral(
        "Has already a record with the same Server IP and Protocol. Please Change Server IP or Protocol.");
    static inline const QString RowStateNotCreate = QStringLiteral("Row State must be createAndGo.");

    explicit TServerInformationForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    void EditRow() override;
    void AddRow() override;
    void DeleteRow() override;
    // The key only for TACACS+ and RADIUS, the retry count for all but
    // TACACS+.
    void ApplyProtocol();

    TRowCountLabel *&Static = RowCountLabel;
    QTreeWidget *ListView1 = nullptr;
    QLineEdit *IPEdit = nullptr;
    QComboBox *ProtocolComboBox = nullptr;
    QLineEdit *PortEdit = nullptr;
    QLineEdit *KeyEdit = nullptr;
    QLineEdit *TimeoutEdit = nullptr;
    QLineEdit *RetryCEdit = nullptr;
    QComboBox *RowComboBox = nullptr;

private:
    bool CheckKeys();
    // The optional fields: empty ones and those the protocol does not use.
    void ExcludeUnused(KtAccessSnapshot &snapshot, bool adding) const;
    void ClearFields() override;
    void ApplyEditorRules() override { ApplyProtocol(); }
    void ListClicked();
};
