#include "TSnapshotForm.h"

#include "KtSnapshotDiff.h"
#include "TMainWindowAnchor.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSaveFile>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char HelpMenuName[] = "Help1";
const QString FileFilter = QStringLiteral("Snapshots (*.snap);;All files (*)");

} // namespace

TSnapshotForm::TSnapshotForm(QWidget *owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("TSnapshotForm"));
    setWindowTitle(QStringLiteral("Configuration Snapshot"));
    CB_WithSecrets = new QCheckBox(QStringLiteral("Include secrets (communities, keys, passwords)"), this);
    BT_Read = new QPushButton(QStringLiteral("Read Switch"), this);
    BT_Save = new QPushButton(QStringLiteral("Save As..."), this);
    BT_Compare = new QPushButton(QStringLiteral("Compare with File..."), this);
    BT_Close = new QPushButton(QStringLiteral("Close"), this);
    ProgressBar1 = new QProgressBar(this);
    TV_Differences = new QTreeWidget(this);
    TV_Differences->setHeaderLabels(
        {QStringLiteral("Window / Variable"), QStringLiteral("Old (file)"), QStringLiteral("New (switch)")});
    TV_Differences->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    ST_Status = new QLabel(this);
    ST_Status->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {BT_Read, BT_Save, BT_Compare})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(BT_Close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CB_WithSecrets);
    layout->addLayout(buttons);
    layout->addWidget(ProgressBar1);
    layout->addWidget(TV_Differences, 1);
    layout->addWidget(ST_Status);
    resize(720, 480);

    connect(BT_Read, &QPushButton::clicked, this, &TSnapshotForm::ReadSwitch);
    connect(BT_Save, &QPushButton::clicked, this, &TSnapshotForm::AskSavePath);
    connect(BT_Compare, &QPushButton::clicked, this, &TSnapshotForm::AskComparePath);
    connect(BT_Close, &QPushButton::clicked, this, &TSnapshotForm::reject);
    connect(&reader_, &KtSnapshotReader::Progress, ProgressBar1, &QProgressBar::setValue);
    connect(&reader_, &KtSnapshotReader::Finished, this, &TSnapshotForm::ReadFinished);
    ShowStatus(QStringLiteral("Read the switch to take a snapshot of its settings."));
    EnableButtons();
    TMainWindowAnchor::CentreOverMainWindow(this);
}

TSnapshotForm::~TSnapshotForm() = default;

void TSnapshotForm::AddMenu(QMenuBar *bar, QWidget *owner)
{
    auto *menu = new QMenu(QStringLiteral("Tools"), bar);
    menu->setObjectName(QStringLiteral("Tools1"));
    menu->menuAction()->setObjectName(QStringLiteral("Tools1"));
    QAction *entry = menu->addAction(QStringLiteral("Configuration Snapshot..."));
    entry->setObjectName(QStringLiteral("ConfigurationSnapshot1"));
    connect(entry, &QAction::triggered, owner, [owner] {
        TSnapshotForm form(owner);
        form.exec();
    });
    QAction *before = nullptr;
    for (QAction *action : bar->actions())
        if (action->objectName() == QLatin1String(HelpMenuName))
            before = action;
    bar->insertMenu(before, menu);
}

void TSnapshotForm::ReadSwitch()
{
    if (reader_.IsRunning())
        return;
    reader_.WithSecrets = CB_WithSecrets->isChecked();
    ProgressBar1->setValue(0);
    ShowStatus(QStringLiteral("Reading the switch..."));
    reader_.Start();
    ProgressBar1->setMaximum(reader_.WindowCount());
    EnableButtons();
}

void TSnapshotForm::ReadFinished(bool ok)
{
    if (ok) {
        snapshot_ = reader_.Result();
        ProgressBar1->setValue(ProgressBar1->maximum());
        ShowStatus(QStringLiteral("Read %1 values of %2 windows from %3 at %4.")
                       .arg(snapshot_->Entries.size())
                       .arg(reader_.WindowCount())
                       .arg(snapshot_->Address, snapshot_->Time));
    } else {
        ShowStatus(QStringLiteral("The switch could not be read: %1").arg(reader_.Error()));
    }
    EnableButtons();
}

void TSnapshotForm::EnableButtons()
{
    const bool reading = reader_.IsRunning();
    BT_Read->setEnabled(!reading);
    CB_WithSecrets->setEnabled(!reading);
    BT_Save->setEnabled(!reading && snapshot_);
    BT_Compare->setEnabled(!reading && snapshot_);
}

void TSnapshotForm::ShowStatus(const QString &text)
{
    ST_Status->setText(text);
}

void TSnapshotForm::AskSavePath()
{
    const QString name = QStringLiteral("%1-%2.snap")
                             .arg(snapshot_->Address.section(QLatin1Char(':'), 0, 0),
                                  QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Save Snapshot"), name, FileFilter);
    if (!path.isEmpty())
        SaveTo(path);
}

void TSnapshotForm::AskComparePath()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Compare with Snapshot"), {}, FileFilter);
    if (!path.isEmpty())
        CompareWith(path);
}

bool TSnapshotForm::SaveTo(const QString &path)
{
    if (!snapshot_) {
        ShowStatus(QStringLiteral("Nothing to save: read the switch first."));
        return false;
    }
    const QByteArray text = snapshot_->ToText().toUtf8();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        ShowStatus(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
        return false;
    }
    ShowStatus(QStringLiteral("Saved %1 values to %2.").arg(snapshot_->Entries.size()).arg(path));
    return true;
}

bool TSnapshotForm::CompareWith(const QString &path)
{
    if (!snapshot_) {
        ShowStatus(QStringLiteral("Nothing to compare with: read the switch first."));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowStatus(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
        return false;
    }
    KtSnapshot saved;
    QString error;
    if (!saved.FromText(QString::fromUtf8(file.readAll()), &error)) {
        TV_Differences->clear();
        ShowStatus(QStringLiteral("%1: %2").arg(path, error));
        return false;
    }
    ShowDifferences(saved, path);
    return true;
}

void TSnapshotForm::ShowDifferences(const KtSnapshot &file, const QString &path)
{
    TV_Differences->clear();
    const KtSnapshotDiff diff(file, *snapshot_);
    int count = 0;
    const QString absent = QStringLiteral("(none)");
    for (const KtSnapshotDiff::Window &window : diff.Windows()) {
        auto *top = new QTreeWidgetItem(TV_Differences, {window.Path});
        auto add = [&](const KtSnapshotEntry &entry, const QString &old, const QString &now) {
            new QTreeWidgetItem(top, {KtSnapshotDiff::Label(entry), old, now});
            ++count;
        };
        for (const auto &[a, b] : window.Changed)
            add(a, a.Shown(), b.Shown());
        for (const KtSnapshotEntry &entry : window.OnlyInA)
            add(entry, entry.Shown(), absent);
        for (const KtSnapshotEntry &entry : window.OnlyInB)
            add(entry, absent, entry.Shown());
        top->setExpanded(true);
    }
    ShowStatus(count == 0
                   ? QStringLiteral("No differences between %1 (%2) and the switch.").arg(path, file.Time)
                   : QStringLiteral("%1 differences between %2 (%3) and the switch.")
                         .arg(count)
                         .arg(path, file.Time));
}

void TSnapshotForm::reject()
{
    reader_.Cancel();
    QDialog::reject();
}
