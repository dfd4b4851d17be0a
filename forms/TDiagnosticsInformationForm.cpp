#include "TDiagnosticsInformationForm.h"

#include "KtException.h"
#include "KtSNMPRequest2Edits.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kDesignedWidth = 640;
constexpr int kDesignedHeight = 400;

} // namespace

const KtSNMPVarDef TDiagnosticsInformationForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.3.6.1.1.1", "Port Number", SyntaxInteger, AccessIndex},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.1", "Total Received Frames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.2", "Total Transmitted Frames", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.3", "Start Frames Rx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.4", "Logoff Frames Rx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.5", "Resp Id Frames Rx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.6", "Respones FramesRx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.7", "ReqIdFrames Tx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.8", "Req Frames Tx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.9", "Invalid Eapol Frames Rx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.10", "Length Error Frames Rx", SyntaxCounter32, AccessRead},
    {"1.3.6.1.4.1.47893.12.3.6.2.1.11", "Eapol Frame Version", SyntaxGauge32, AccessRead},
    {},
};

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget *owner)
    : TDiagnosticsInformationForm(owner, QStringLiteral("DiagnosticsInformationForm"),
                                  QStringLiteral("DiagnosticsInformation  Form"))
{
}

TDiagnosticsInformationForm::TDiagnosticsInformationForm(QWidget *owner, const QString &objectName,
                                                         const QString &caption)
    : TBindingForm(owner, objectName, caption)
{
    Button1 = new QPushButton(QStringLiteral("Refresh"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    AddStatusMemo(60);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(Memo1);
    layout->addWidget(ListView1, 1);

    FinishLayout(kDesignedWidth, kDesignedHeight);

    connect(Button1, &QPushButton::clicked, this, [this] { Refresh(); });

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Asynchronous = false;
    Binding->Request.Vars = KtSNMPVarList(Variables, ListTable, 1);
    Binding->AttachListView(ListView1, true);
    Binding->SetStatusMemo(Memo1);
    GuardedWithMessageBox([this] { Binding->Get(); });
}

void TDiagnosticsInformationForm::Refresh()
{
    if (!Binding)
        return;
    try {
        Binding->Get();
    } catch (const KtException &) {
        // A failed refresh leaves the rows it read; the window reports nothing.
    }
}

KtDescriptorTables TDiagnosticsInformationForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTable, 1}};
    return tables;
}
