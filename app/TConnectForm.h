#pragma once

#include "KtConnectSettings.h"

#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The connect dialog of a desktop start: the switch's address, port and
// SNMP version, the communities for SNMPv1/v2c or the user, security level,
// protocols and pass phrases for SNMPv3, and the switches connected to
// before. "Connect" checks the entries (a bad one is named in the dialog and
// nothing starts), remembers the switch and accepts; Parameters() is then the
// module's command line.
class TConnectForm : public QDialog
{
    Q_OBJECT
public:
    explicit TConnectForm(QWidget *parent = nullptr);

    KtConnectSettings Settings() const;
    void ShowSettings(const KtConnectSettings &settings);
    QStringList Parameters() const { return Settings().Parameters(); }

    QComboBox *CB_Recent;
    QLineEdit *ED_Address;
    QLineEdit *ED_Port;
    QComboBox *CB_Version;
    QGroupBox *GB_Communities;
    QLineEdit *ED_ReadCommunity;
    QLineEdit *ED_WriteCommunity;
    QGroupBox *GB_SNMPv3;
    QLineEdit *ED_User;
    QComboBox *CB_Level;
    QComboBox *CB_AuthProtocol;
    QLineEdit *ED_AuthPassPhrase;
    QComboBox *CB_PrivProtocol;
    QLineEdit *ED_PrivPassPhrase;
    QLabel *LB_Message;
    QPushButton *BT_Connect;
    QPushButton *BT_Cancel;

private:
    void BuildRecentList();
    void RecentChosen(int index);
    void UpdateEnabledFields();
    void ConnectClicked();

    QList<KtConnectSettings> recent_;
};
