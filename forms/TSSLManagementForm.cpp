#include "TSSLManagementForm.h"
#include "KtStandardOptions.h"

#include "KtFieldControls.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 380;
constexpr int kDesignedHeight = 280;

constexpr const char *kSuiteCaptions[] = {"RSA-with-RC4-128-MD5", "RSA-with-3DES-EDE-CBC-SHA",
                                          "DHE-DSS-with-3DES-EDE-CBC-SHA", "RSA-EXPORT-with-RC4-40-MD5"};

using Kind = KtFieldControls::FieldKind;
using Item = TSSLManagementForm::Item;

constexpr KtFieldControls::Field Fields[] = {
    {Item::ItemSslVersion, Kind::Combo, "SSL Version 3", "cbxSSLVersion"},
    {Item::ItemTlsVersion, Kind::Combo, "TLS Version 1", "cbxTLSVersion"},
    // Hidden: the four cipher-suite boxes show it.
    {Item::ItemCipherSuites, Kind::Edit, nullptr, "edtciphersuites", "%s{l2}"},
};

// Combo-box item of the cipher-suite boxes that means "enabled".
constexpr int kEnabledItem = 1;

} // namespace

const KtSNMPVarDef TSSLManagementForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.7.1.1", "Version SSLv3 Administration", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.12.7.1.2", "Version TLSv1 Administration", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {"1.3.6.1.4.1.47893.12.7.1.3", "CipherSuites", SyntaxBits, AccessReadWrite},
    {},
};

TSSLManagementForm::TSSLManagementForm(QWidget *owner)
    : TBindingForm(owner, QStringLiteral("SSLManagementForm"), QStringLiteral("SSL Management Table"))
{
    const KtFieldControls fields(this, Fields);
    cbxSSLVersion = fields.Combo(ItemSslVersion);
    cbxTLSVersion = fields.Combo(ItemTlsVersion);
    edtciphersuites = fields.Edit(ItemCipherSuites);
    edtciphersuites->hide();
    QGridLayout *grid = fields.NewGridLayout();
    const int firstSuiteRow = grid->rowCount();
    for (int suite = 0; suite < 4; ++suite) {
        auto *combo = new QComboBox(this);
        combo->setObjectName(QStringLiteral("cbxciphersuites%1").arg(suite + 1));
        combo->addItems({QStringLiteral("disabled"), QStringLiteral("enabled")});
        // Empty until the suites are read: a default would be written as read.
        combo->setCurrentIndex(-1);
        grid->addWidget(new QLabel(QString::fromUtf8(kSuiteCaptions[suite]), this), firstSuiteRow + suite, 0);
        grid->addWidget(combo, firstSuiteRow + suite, 1);
        cbxciphersuites[suite] = combo;
    }

    btnGet = new QPushButton(QStringLiteral("Refresh"), this);
    btnGet->setObjectName(QStringLiteral("btnGet"));
    btnSet = new QPushButton(QStringLiteral("Set"), this);
    btnSet->setObjectName(QStringLiteral("btnSet"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnGet);
    buttons->addWidget(btnSet);

    AddStatusBar("StatusPanel1");

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(StatusBar1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(btnGet, &QPushButton::clicked, this, [this] { Refresh(); });
    connect(btnSet, &QPushButton::clicked, this, [this] { SetValues(); });

    Guarded([&] {
        Binding = std::make_unique<KtSNMPRequest2Edits>(this);
        Binding->Request.Vars = KtSNMPVarList(Variables, ListScalars, 0);
        fields.Bind(Binding.get());
        // The hidden box takes the whole value read, so that a value of more
        // than one octet is seen as such instead of being cut to its first
        // octet and shown as cipher suites it does not hold.
        edtciphersuites->setMaxLength(32767);
        Binding->OnGetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &record) {
            if (record.Code == 0)
                DecodeCipherSuites();
        };
        Binding->SetStatusBar(StatusBar1);
        Binding->Get();
    });
}

void TSSLManagementForm::DecodeCipherSuites()
{
    const QString text = edtciphersuites->text();
    if (text.size() != 2)
        return;
    bool ok = false;
    const int high = QString(text[0]).toInt(&ok, 16);
    if (!ok)
        return;
    // The four suites sit in the high digit: 8 the first, 1 the fourth.
    for (int suite = 0; suite < 4; ++suite)
        cbxciphersuites[suite]->setCurrentIndex((high & (SuiteBits[suite] >> 4)) ? kEnabledItem : 0);
}

QString TSSLManagementForm::EncodeCipherSuites() const
{
    int high = 0;
    for (int suite = 0; suite < 4; ++suite)
        if (cbxciphersuites[suite]->currentIndex() == kEnabledItem)
            high |= SuiteBits[suite] >> 4;
    return QString::number(high, 16).toUpper() + QLatin1Char('0');
}

void TSSLManagementForm::Refresh()
{
    if (!Binding)
        return;
    Guarded(Binding.get(), [&] { Binding->Get(); });
}

void TSSLManagementForm::SetValues()
{
    for (const QComboBox *combo : {cbxSSLVersion, cbxTLSVersion, cbxciphersuites[0], cbxciphersuites[1],
                                   cbxciphersuites[2], cbxciphersuites[3]}) {
        if (combo->currentText().isEmpty()) {
            KtMessageBox::Warn(this, QStringLiteral("Some items are empty."));
            btnSet->setFocus();
            return;
        }
    }
    if (!Binding)
        return;
    edtciphersuites->setText(EncodeCipherSuites());
    GuardedSet(Binding.get(), [&] { Binding->Set(true, true, QString(), nullptr); });
}

KtDescriptorTables TSSLManagementForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListScalars}};
    return tables;
}
