#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TBindingForm.h"

#include <memory>

class KtSNMPRequest2Edits;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The SSL settings: the SSLv3 and TLSv1 switches, and four cipher suites that
// travel together in the high half of one octet (0x80 the first suite, 0x10
// the fourth). The octet is read into a hidden edit box as two hexadecimal
// digits and decoded into the four cipher-suite combo boxes after each read;
// a write encodes the four boxes back into it.
class TSSLManagementForm : public TBindingForm
{
    Q_OBJECT
public:
    enum Item
    {
        ItemSslVersion = 0,
        ItemTlsVersion = 1,
        ItemCipherSuites = 2,
    };
    static const KtSNMPVarDef Variables[];
    // The octet bit of each cipher-suite combo box, first box first.
    static constexpr int SuiteBits[] = {0x80, 0x40, 0x20, 0x10};

    explicit TSSLManagementForm(QWidget *owner = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Shows the high half of the octet in `edtciphersuites` in the four
    // cipher-suite boxes; any other text leaves them as they are.
    void DecodeCipherSuites();
    // The two hexadecimal digits of the octet the four boxes stand for.
    QString EncodeCipherSuites() const;
    void Refresh();
    // Refuses empty boxes with a warning, else writes the three values.
    void SetValues();

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();
    QComboBox *cbxSSLVersion = nullptr;
    QComboBox *cbxTLSVersion = nullptr;
    QComboBox *cbxciphersuites[4] = {};
    QLineEdit *edtciphersuites = nullptr;
    QPushButton *btnGet = nullptr;
    QPushButton *btnSet = nullptr;
    // The first panel of the status bar, under this window's name for it.
    QLabel *&StatusPanel1 = StatusPanel0;
};
