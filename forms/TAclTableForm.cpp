#include "TAclTableForm.h"

#include "KtException.h"
#include "KtSNMPRequest2Edits.h"
#include "KtSNMPVarDef.h"
#include "KtSNMPVarList.h"
#include "TStackingPortUitForm.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <algorithm>

TAclTableForm::TAclTableForm(QWidget *owner, KtDeviceState *state)
    : TBindingForm(owner, QString(), QString(), state)
{
    setModal(true);
}

void TAclTableForm::CreateFrame(bool withPortGrid)
{
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    AddStatusBar();
    if (withPortGrid) {
        StackingPortPanel = new QWidget(this);
        StackingPortPanel->setObjectName(QStringLiteral("StackingPortPanel"));
    }
}

void TAclTableForm::BuildPortGrid()
{
    QPlainTextEdit memo;
    PortGrid = TStackingPortUitForm::Build(this, StackingPortPanel, &memo, DeviceState);
    const QString failure = memo.toPlainText().trimmed();
    if (!failure.isEmpty())
        ShowError(failure);
}

void TAclTableForm::CreateBinding(const KtSNMPVarDef *table, int indexCount)
{
    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    // Blocking: a write has ended when the call returns, so the access bits
    // can be put back before the next event is handled.
    Binding->Asynchronous = false;
    Binding->Request.Vars = KtSNMPVarList(table, ListTableEx, indexCount);
    Binding->AttachListView(ListView1, false);
    Binding->SetStatusPanel(StatusPanel);
}

void TAclTableForm::SaveColumnAccess()
{
    saved_.clear();
    if (!Binding)
        return;
    KtSNMPVarList &vars = Binding->Request.Vars;
    for (int i = 0; i < vars.Count(); ++i)
        saved_.push_back(vars.Get(i).Access);
}

void TAclTableForm::RestoreColumnAccess()
{
    if (!Binding)
        return;
    KtSNMPVarList &vars = Binding->Request.Vars;
    for (int i = 0; i < vars.Count() && i < int(saved_.size()); ++i)
        vars.Get(i).Access = saved_[std::size_t(i)];
}

void TAclTableForm::RestoreColumn(int column)
{
    if (Binding && column >= 0 && column < int(saved_.size()) && column < Binding->Request.Vars.Count())
        Binding->Request.Vars.Get(column).Access = saved_[std::size_t(column)];
}

void TAclTableForm::ExcludeColumn(int column)
{
    if (Binding && column >= 0 && column < Binding->Request.Vars.Count())
        Binding->Request.Vars.Get(column).Access = AccessSkip;
}

void TAclTableForm::ExcludeColumns(int first, int last)
{
    for (int column = first; column <= last; ++column)
        ExcludeColumn(column);
}

bool TAclTableForm::IsExcluded(int column) const
{
    return Binding && column >= 0 && column < Binding->Request.Vars.Count() &&
           (Binding->Request.Vars.Get(column).Access & AccessSkip);
}

bool TAclTableForm::HasRow(const QString &key, const QString &second) const
{
    for (int row = 0; row < ListView1->topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(row);
        if (item->text(0) == key && (second.isNull() || item->text(1) == second))
            return true;
    }
    return false;
}

bool TAclTableForm::AnyPortChecked() const
{
    if (!PortGrid)
        return false;
    return std::any_of(PortGrid->PortBoxes.cbegin(), PortGrid->PortBoxes.cend(),
                       [](const QCheckBox *box) { return box->isChecked(); });
}

bool TAclTableForm::HexMaskText(const QString &text)
{
    if (text.isEmpty())
        return true;
    if (text.size() > 32)
        return false;
    const QString upper = text.toUpper();
    return std::all_of(upper.cbegin(), upper.cend(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    });
}

bool TAclTableForm::GroupCounts(const QString &text)
{
    return !text.isEmpty() && text != QString(32, QLatin1Char('0'));
}

void TAclTableForm::ShowError(const QString &message)
{
    StatusPanel->setText(message);
}

void TAclTableForm::Finish()
{
    SetIdleState();
    ClearEditors();
    AfterFlow();
}

bool TAclTableForm::ReadTable()
{
    if (Closed() || !Binding)
        return false;
    return Guarded([this] { Binding->Get(); });
}

bool TAclTableForm::WriteFlow(const std::function<void()> &shape, bool rereadOnFailure)
{
    if (Closed() || !Binding)
        return false;
    SaveColumnAccess();
    QString failure;
    // The values come from the editors alone: the binding would otherwise
    // first copy the selected list row into the variables, matching its
    // columns against the variables still taking part, which no longer
    // line up once columns are left out.
    {
        const QSignalBlocker quiet(ListView1);
        ListView1->clearSelection();
    }
    try {
        shape();
        Binding->Set(false, true, QString(), nullptr);
    } catch (const KtException &error) {
        failure = error.Message;
    }
    // Every column is read again, whatever the write did.
    RestoreColumnAccess();
    saved_.clear();
    if (failure.isEmpty() || rereadOnFailure) {
        try {
            Binding->Get();
        } catch (const KtException &error) {
            if (failure.isEmpty())
                failure = error.Message;
        }
    }
    Finish();
    if (!failure.isEmpty())
        ShowError(failure);
    return failure.isEmpty();
}

void TAclTableForm::Closing()
{
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setEnabled(false);
}
