#include "TSpanningTreeAlgorithmForm.h"
#include "KtBusyWait.h"
#include "KtStandardOptions.h"

#include "KtException.h"
#include "KtFieldControls.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>

namespace {

const QString kDisabled = QStringLiteral("disabled");
const QString kEnabled = QStringLiteral("enabled");

constexpr int ItemState = 0;

using Kind = KtFieldControls::FieldKind;

constexpr KtFieldControls::Field Fields[] = {
    {ItemState, Kind::Combo, "Spanning Tree Algorithm", "ComboBox1"},
};

// The designed client size, enlarged with large fonts.
constexpr int kWidth = 300;
constexpr int kHeight = 120;

void RunWriteOnly(QWidget *, const QString &, const QString &, const std::function<void()> &pendingWrite,
                  const std::function<void(const QString &)> &showError)
{
    try {
        if (pendingWrite)
            pendingWrite();
    } catch (const KtException &error) {
        if (showError)
            showError(error.Message);
    }
}

} // namespace

const KtSNMPVarDef TSpanningTreeAlgorithmForm::Variables[] = {
    {"1.3.6.1.4.1.47893.11.55.2.2.1.2.1", "Spanning Tree Algorithm", SyntaxInteger, AccessReadWrite,
     &EnableDisable},
    {},
};

const QString TSpanningTreeAlgorithmForm::ConfirmText =
    QStringLiteral("To enable STP may take a long time. Do you want to go on?");
const QString TSpanningTreeAlgorithmForm::ProgressCaption = QStringLiteral("Enable STP Progress");
const QString TSpanningTreeAlgorithmForm::ProgressPrompt = QStringLiteral("Enable STP is doing...");

TSpanningTreeAlgorithmForm::ProgressRunner TSpanningTreeAlgorithmForm::ShowProgress = RunWriteOnly;

void TSpanningTreeAlgorithmForm::ResetProgress()
{
    ShowProgress = RunWriteOnly;
}

const KtOptionList &TSpanningTreeAlgorithmForm::StateOptions()
{
    return EnableDisable;
}

TSpanningTreeAlgorithmForm::TSpanningTreeAlgorithmForm(QWidget *parent)
    : TBindingForm(parent, QStringLiteral("SpanningTreeAlgorithmForm"),
                   QStringLiteral("Spanning Tree Algorithm"))
{
    // A closed window keeps its binding, switched off, until it goes.
    KeepsBindingsOnClose = true;
    const KtFieldControls fields(this, Fields);
    BuildControls(fields);

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Request.Vars = KtSNMPVarList(Variables, ListScalars, 0);
    fields.Bind(Binding.get());
    Binding->SetStatusBar(StatusBar1);
    Binding->OnSetDone = [this](KtSNMPRequest2Controls *, const KtSNMPError &record) {
        if (record.Code != 0)
            writeError_ = record.Message;
    };
    Binding->OnGetDone = [this](KtSNMPRequest2Controls *binding, const KtSNMPError &record) {
        if (record.Code != 0 || writeError_.isEmpty())
            return;
        binding->ShowStatus(writeError_, KtSNMPRequest2Controls::OperationSet);
        writeError_.clear();
    };
    RefreshState();
}

void TSpanningTreeAlgorithmForm::BuildControls(const KtFieldControls &fields)
{
    const auto scaled = &TBindingForm::Scaled;
    setFixedSize(scaled(kWidth), scaled(kHeight));

    fields.Caption(ItemState)->setGeometry(scaled(16), scaled(19), scaled(150), scaled(18));
    ComboBox1 = fields.Combo(ItemState);
    ComboBox1->setGeometry(scaled(170), scaled(16), scaled(112), scaled(24));

    GetButton = NewButton(QStringLiteral("Refresh"), QStringLiteral("GetButton"));
    GetButton->setGeometry(scaled(40), scaled(56), scaled(100), scaled(26));
    SetButton = NewButton(QStringLiteral("Set"), QStringLiteral("SetButton"));
    SetButton->setGeometry(scaled(160), scaled(56), scaled(100), scaled(26));

    AddStatusBar(nullptr)->setGeometry(0, height() - scaled(22), width(), scaled(22));

    connect(GetButton, &QPushButton::clicked, this, [this] { RefreshState(); });
    connect(SetButton, &QPushButton::clicked, this, [this] { SetState(); });
}

void TSpanningTreeAlgorithmForm::ShowError(const QString &message)
{
    if (Binding)
        Binding->ShowStatus(message);
}

void TSpanningTreeAlgorithmForm::WriteFailed(const QString &message)
{
    writeError_ = message;
    ShowError(message);
}

void TSpanningTreeAlgorithmForm::WaitIdle()
{
    KtBusyWait::WhileBusy(Binding, KtBusyWait::Input::Held);
}

void TSpanningTreeAlgorithmForm::RefreshState()
{
    if (Closed() || !Binding)
        return;
    WaitIdle();
    Guarded(Binding.get(), [this] { Binding->Get(); });
}

void TSpanningTreeAlgorithmForm::StartWrite()
{
    WaitIdle();
    writeError_.clear();
    Binding->Set(true, true);
}

void TSpanningTreeAlgorithmForm::SetState()
{
    if (Closed() || !Binding)
        return;
    const QString state = ComboBox1->currentText();
    if (state == kDisabled) {
        try {
            StartWrite();
        } catch (const KtException &error) {
            WriteFailed(error.Message);
        }
    } else if (state == kEnabled) {
        if (KtMessageBox::Ask(this, ConfirmText))
            ShowProgress(
                this, ProgressCaption, ProgressPrompt, [this] { StartWrite(); },
                [this](const QString &message) { WriteFailed(message); });
    } else {
        return;
    }
    // The read shows what the switch made of the write, so it waits for it.
    WaitIdle();
    RefreshState();
}

KtDescriptorTables TSpanningTreeAlgorithmForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListScalars}};
    return tables;
}
