#pragma once

#include "KtDescriptorTable.h"
#include "KtSNMPVarDef.h"
#include "TBindingForm.h"

#include <functional>
#include <memory>

class KtFieldControls;
class KtOptionList;
class KtSNMPRequest2Edits;
class QComboBox;
class QPushButton;

// Spanning tree on or off for the whole switch. Switching it on asks first
// and runs under a progress window while the switch recomputes its topology;
// every write is followed by a read of the state the switch then reports.
class TSpanningTreeAlgorithmForm : public TBindingForm
{
    Q_OBJECT
public:
    // Shows the progress window over `host`: it runs `pendingWrite` while it
    // is being built, hands the message of an exception from it to
    // `showError`, and returns when the window has closed.
    using ProgressRunner = std::function<void(QWidget *host, const QString &caption, const QString &prompt,
                                              const std::function<void()> &pendingWrite,
                                              const std::function<void(const QString &)> &showError)>;

    static const KtSNMPVarDef Variables[];
    static const KtOptionList &StateOptions();

    static const QString ConfirmText;
    static const QString ProgressCaption;
    static const QString ProgressPrompt;

    // The application installs its timed progress window here; the default
    // only runs the write.
    static ProgressRunner ShowProgress;
    static void ResetProgress();

    // Builds the window and starts reading the state.
    explicit TSpanningTreeAlgorithmForm(QWidget *parent = nullptr);
    // The descriptor tables the window reads and writes.
    static KtDescriptorTables DescriptorTables();

    // Reads the state again.
    void RefreshState();
    // Writes the chosen state ("enabled" after confirmation, under the
    // progress window), then reads it back.
    void SetState();

    // Waits until the read or write under way has finished or timed out.
    void WaitIdle();

    QComboBox *ComboBox1 = nullptr;
    QPushButton *GetButton = nullptr;
    QPushButton *SetButton = nullptr;

    std::unique_ptr<KtSNMPRequest2Edits> &Binding = OwnedBinding();

private:
    void BuildControls(const KtFieldControls &fields);
    // Starts the write; an exception becomes a status line.
    void StartWrite();
    void ShowError(const QString &message);
    // A write that could not start: its message stays after the read.
    void WriteFailed(const QString &message);

    // The message of the last failed write, shown again after the read that
    // follows it so that the failure stays in view.
    QString writeError_;
};
