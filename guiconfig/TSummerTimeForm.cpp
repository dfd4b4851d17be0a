#include "TSummerTimeForm.h"

#include "KtException.h"
#include "KtMessageBox.h"
#include "KtOptionList.h"
#include "KtSNMPRequest2Edits.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TMainWindowAnchor.h"
#include "TSNMPEditorPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr KtOptionDef kStatusPairs[] = {{1, "disable"}, {2, "repeating"}, {3, "annual"}, {}};
constexpr KtOptionDef kMonthPairs[] = {{1, "Jan"},  {2, "Feb"},  {3, "Mar"}, {4, "Apr"}, {5, "May"},
                                       {6, "Jun"},  {7, "Jul"},  {8, "Aug"}, {9, "Sep"}, {10, "Oct"},
                                       {11, "Nov"}, {12, "Dec"}, {}};
constexpr KtOptionDef kWeekdayPairs[] = {{1, "Sun"}, {2, "Mon"}, {3, "Tue"}, {4, "Wed"},
                                         {5, "Thu"}, {6, "Fri"}, {7, "Sat"}, {}};
constexpr KtOptionDef kWeekPairs[] = {{1, "1st"}, {2, "2nd"}, {3, "3rd"}, {4, "4th"}, {0, "last"}, {}};

const KtOptionList kStatusOptions(kStatusPairs);
const KtOptionList kMonthOptions(kMonthPairs);
const KtOptionList kWeekdayOptions(kWeekdayPairs);
const KtOptionList kWeekOptions(kWeekPairs);

constexpr int kEditWidth = 240;
const QString kTimeError = QStringLiteral("Time error.");
const QString kSameMonth = QStringLiteral("From month and To month should not be the same.");

// The number in an edit box; an unreadable text counts as -1.
int NumberIn(const QLineEdit *edit)
{
    bool ok = false;
    const int number = edit ? edit->text().trimmed().toInt(&ok) : -1;
    return ok ? number : -1;
}

int DaysIn(int month)
{
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

QLabel *Colon(QWidget *panel, const QLineEdit *hour)
{
    auto *colon = new QLabel(QStringLiteral(":"), panel);
    QFont bold = colon->font();
    bold.setBold(true);
    colon->setFont(bold);
    colon->adjustSize();
    colon->move(hour->x() + hour->width(), 2);
    return colon;
}

} // namespace

const KtSNMPVarDef TSummerTimeForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.10.12.1", "swSummerTimeStatus", SyntaxInteger, AccessReadWrite, &kStatusOptions},
    {"1.3.6.1.4.1.47893.12.10.12.2", "swSummerTimeOffset", SyntaxInteger, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.12.3", "swRepeatSummerTimeStart", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.12.4", "swRepeatSummerTimeEnd", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.12.5", "swAnnualSummerTimeStart", SyntaxOctets, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.10.12.6", "swAnnualSummerTimeEnd", SyntaxOctets, AccessReadWrite},
    {},
};

const KtOptionList &TSummerTimeForm::MonthOptions()
{
    return kMonthOptions;
}

const KtOptionList &TSummerTimeForm::WeekdayOptions()
{
    return kWeekdayOptions;
}

const KtOptionList &TSummerTimeForm::WeekOptions()
{
    return kWeekOptions;
}

TSummerTimeForm::TSummerTimeForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SummerTimeForm"));
    setWindowTitle(QStringLiteral("Summer Time"));
    resize(172, 111);

    Binding = std::make_unique<KtSNMPRequest2Edits>(this);
    Binding->Request.Vars = KtSNMPVarList(Variables, ListScalars, 0);
    Binding->Asynchronous = false;

    EditorPanel = new TSNMPEditorPanel(this, Binding.get());
    EditorPanel->FitForm(this);
    EditorPanel->SetEditWidth(kEditWidth);
    EditorPanel->SetVarFormat(RowOffset, QStringLiteral("%i{n30x120l3}"));

    BuildRepeatingRow(RowRepeatStart, RepeatStartList);
    BuildRepeatingRow(RowRepeatEnd, RepeatEndList);
    BuildAnnualRow(RowAnnualStart, AnnualStartList);
    BuildAnnualRow(RowAnnualEnd, AnnualEndList);

    TCtrlBtnPanel *bar = EditorPanel->BtnPanel;
    bar->OnRefreshClick = [this](QPushButton *) { RefreshSummerTime(); };
    storedSetClick_ = bar->OnSetCheckedClick;
    bar->OnSetCheckedClick = [this](QPushButton *sender) { SetSummerTime(sender); };
    TEditsPanel *rows = EditorPanel->EditsPanel;
    if (QComboBox *status = rows->ComboBox(RowStatus))
        connect(status, &QComboBox::currentIndexChanged, this, [this] { UpdateRows(); });

    rows->SetRowValue(RowStatus, QStringLiteral("repeating"));
    UpdateRows();
    rows->LayoutRows(true);
    EditorPanel->SetContent(rows);
    resize(EditorPanel->sizeHint().boundedTo(QSize(TSNMPPanel::MaxClientWidth, TSNMPPanel::MaxClientHeight)));
    TMainWindowAnchor::CentreOverMainWindow(this);
    RefreshSummerTime();
}

TSummerTimeForm::~TSummerTimeForm()
{
    FormClose();
}

// ---- composite rows ----------------------------------------------------------------

// Puts a panel in the place of the row's edit box and makes it the row's
// value control.
void TSummerTimeForm::BuildCompositeRow(int row, TCtrlsList &list)
{
    TEditsPanel *rows = EditorPanel->EditsPanel;
    Binding->Unbind(row);
    QWidget *edit = rows->Rows[size_t(row)].ValueControl.data();
    auto *panel = new QFrame(edit->parentWidget());
    panel->setObjectName(QStringLiteral("Composite%1").arg(row));
    panel->setFrameStyle(QFrame::NoFrame);
    panel->setGeometry(edit->geometry());
    panel->setEnabled(edit->isEnabled());
    panel->setProperty(TEditsPanel::CaptionProperty, QString());
    delete edit;
    rows->SetRowControl(row, panel, TEditsPanel::KindPanel);
    list.Add(panel);
}

void TSummerTimeForm::BuildRepeatingRow(int row, TCtrlsList &list)
{
    BuildCompositeRow(row, list);
    QWidget *panel = list.Panel();
    // The three combo boxes get a little more than a fifth of the row each,
    // so that their labels show beside the drop-down arrow.
    const int comboWidth = panel->width() * 7 / 30;
    const int editSlot = (panel->width() - 3 * comboWidth) / 2;
    const int height = panel->height();
    QList<QComboBox *> combos;
    for (int k = 0; k < 3; ++k) {
        auto *combo = new QComboBox(panel);
        combo->setGeometry(k * comboWidth, 0, comboWidth, height);
        combos << combo;
        list.Add(combo);
    }
    QList<QLineEdit *> edits;
    for (int k = 0; k < 2; ++k) {
        auto *edit = new QLineEdit(panel);
        edit->setGeometry(3 * comboWidth + k * editSlot + 4, 0, editSlot - 4, height);
        edits << edit;
        list.Add(edit);
    }
    combos[0]->setObjectName(QStringLiteral("Month"));
    combos[1]->setObjectName(QStringLiteral("Week"));
    combos[2]->setObjectName(QStringLiteral("Weekday"));
    edits[0]->setObjectName(QStringLiteral("Hour"));
    edits[1]->setObjectName(QStringLiteral("Minute"));
    Binding->BindOptionCombo(row, 3, SyntaxPartUInt8, &kMonthOptions, combos[0]);
    Binding->BindOptionCombo(row, 0, SyntaxPartUInt8, &kWeekOptions, combos[1]);
    Binding->BindOptionCombo(row, 1, SyntaxPartUInt16, &kWeekdayOptions, combos[2]);
    Binding->BindPartial(row, 4, SyntaxPartUInt8, nullptr, QStringLiteral("%i"), {edits[0]});
    Binding->BindPartial(row, 5, SyntaxPartUInt8, nullptr, QStringLiteral("%i"), {edits[1]});
    edits[0]->setToolTip(QStringLiteral("Hour"));
    edits[1]->setToolTip(QStringLiteral("Minute"));
    Colon(panel, edits[0]);
}

void TSummerTimeForm::BuildAnnualRow(int row, TCtrlsList &list)
{
    BuildCompositeRow(row, list);
    QWidget *panel = list.Panel();
    const int width = panel->width() / 4;
    const int height = panel->height();
    auto place = [&](QWidget *control, int k) {
        control->setGeometry(k * width + (k >= 2 ? 4 : 0), 0, width - 4, height);
        list.Add(control);
    };
    auto *day = new QLineEdit(panel);
    auto *month = new QComboBox(panel);
    auto *hour = new QLineEdit(panel);
    auto *minute = new QLineEdit(panel);
    place(day, 0);
    place(month, 1);
    place(hour, 2);
    place(minute, 3);
    day->setObjectName(QStringLiteral("Day"));
    month->setObjectName(QStringLiteral("Month"));
    hour->setObjectName(QStringLiteral("Hour"));
    minute->setObjectName(QStringLiteral("Minute"));
    Binding->BindPartial(row, 0, SyntaxPartUInt8, nullptr, QStringLiteral("%i"), {day});
    Binding->BindOptionCombo(row, 1, SyntaxPartUInt8, &kMonthOptions, month);
    Binding->BindPartial(row, 2, SyntaxPartUInt8, nullptr, QStringLiteral("%i"), {hour});
    Binding->BindPartial(row, 3, SyntaxPartUInt8, nullptr, QStringLiteral("%i"), {minute});
    day->setToolTip(QStringLiteral("Day"));
    hour->setToolTip(QStringLiteral("Hour"));
    minute->setToolTip(QStringLiteral("Minute"));
    Colon(panel, hour);
}

// ---- rows of the chosen mode ---------------------------------------------------------

void TSummerTimeForm::UpdateRows()
{
    if (!EditorPanel)
        return;
    TEditsPanel *rows = EditorPanel->EditsPanel;
    const QComboBox *status = rows->ComboBox(RowStatus);
    const QString mode = status ? status->currentText() : QString();
    const bool repeating = mode == QLatin1String("repeating");
    const bool annual = mode == QLatin1String("annual");
    auto shown = [&](int row, bool show) {
        if (show) {
            rows->ShowRow(row);
        } else {
            rows->HideRow(row);
            rows->UncheckRow(row);
        }
    };
    shown(RowRepeatStart, repeating);
    shown(RowRepeatEnd, repeating);
    shown(RowAnnualStart, annual);
    shown(RowAnnualEnd, annual);
    rows->LayoutRows(false);
    if (TCtrlBtnPanel *bar = rows->HostBar())
        bar->SetCheckedBtn->setEnabled(rows->AnyShownRowChecked());
}

void TSummerTimeForm::SetSkip(int row, bool skip)
{
    int &access = Binding->Request.Vars.Get(row).Access;
    access = skip ? access | AccessSkip : access & ~AccessSkip;
}

void TSummerTimeForm::RefreshSummerTime()
{
    if (!Binding)
        return;
    const QComboBox *status = EditorPanel->EditsPanel->ComboBox(RowStatus);
    SetSkip(RowStatus, false);
    for (int row = RowOffset; row <= RowAnnualEnd; ++row)
        SetSkip(row, true);
    try {
        Binding->Get();
    } catch (const KtException &error) {
        Binding->ShowStatus(error.Message);
    }
    UpdateRows();
    const QString mode = status ? status->currentText() : QString();
    SetSkip(RowOffset, false);
    if (mode == QLatin1String("repeating")) {
        SetSkip(RowRepeatStart, false);
        SetSkip(RowRepeatEnd, false);
    } else if (mode == QLatin1String("annual")) {
        SetSkip(RowAnnualStart, false);
        SetSkip(RowAnnualEnd, false);
    }
    try {
        Binding->Get();
    } catch (const KtException &error) {
        Binding->ShowStatus(error.Message);
    }
}

void TSummerTimeForm::SetSummerTime(QObject *sender)
{
    if (!Binding || !ValidateSummerTime())
        return;
    for (const TCtrlsList *list : {&RepeatStartList, &RepeatEndList, &AnnualStartList, &AnnualEndList})
        MarkFilled(*list);
    auto *button = qobject_cast<QPushButton *>(sender);

    SetSkip(RowStatus, false);
    for (int row = RowOffset; row <= RowAnnualEnd; ++row)
        SetSkip(row, true);
    if (storedSetClick_)
        storedSetClick_(button);

    const QComboBox *status = EditorPanel->EditsPanel->ComboBox(RowStatus);
    const QString mode = status ? status->currentText() : QString();
    SetSkip(RowOffset, false);
    for (int row = RowRepeatStart; row <= RowAnnualEnd; ++row)
        SetSkip(row, true);
    if (mode == QLatin1String("repeating")) {
        SetSkip(RowRepeatStart, false);
        SetSkip(RowRepeatEnd, false);
    } else if (mode == QLatin1String("annual")) {
        SetSkip(RowAnnualStart, false);
        SetSkip(RowAnnualEnd, false);
    }
    SetSkip(RowStatus, true);
    if (storedSetClick_)
        storedSetClick_(button);
}

// ---- validation -------------------------------------------------------------------------

bool TSummerTimeForm::RowChecked(int row) const
{
    const TEditsPanel *rows = EditorPanel->EditsPanel;
    return row < rows->RowCount() && rows->Rows[size_t(row)].CheckBox->isChecked();
}

bool TSummerTimeForm::ValidateRepeating(const TCtrlsList &list) const
{
    const QList<QComboBox *> combos = list.Controls<QComboBox>(); // month, week, weekday
    const QList<QLineEdit *> edits = list.Controls<QLineEdit>();  // hour, minute
    if (combos.size() < 3 || edits.size() < 2)
        return false;
    for (const QComboBox *combo : combos)
        if (combo->currentIndex() < 0)
            return false;
    const int hour = NumberIn(edits[0]);
    const int minute = NumberIn(edits[1]);
    return hour >= 0 && minute >= 0 && hour <= 23 && minute <= 59;
}

bool TSummerTimeForm::ValidateAnnual(const TCtrlsList &list) const
{
    const QList<QComboBox *> combos = list.Controls<QComboBox>(); // month
    const QList<QLineEdit *> edits = list.Controls<QLineEdit>();  // day, hour, minute
    if (combos.size() < 1 || edits.size() < 3)
        return false;
    const int month = combos[0]->currentIndex() + 1;
    const int day = NumberIn(edits[0]);
    const int hour = NumberIn(edits[1]);
    const int minute = NumberIn(edits[2]);
    if (month < 1 || day < 0 || hour < 0 || minute < 0)
        return false;
    // There is no day 0 of a month.
    if (day < 1 || day > DaysIn(month))
        return false;
    return hour <= 23 && minute <= 59;
}

bool TSummerTimeForm::ValidateSummerTime()
{
    TEditsPanel *rows = EditorPanel->EditsPanel;
    const QComboBox *status = rows->ComboBox(RowStatus);
    auto fail = [this](const QString &message) {
        KtMessageBox::Inform(this, message);
        return false;
    };
    if (RowChecked(RowStatus) && (!status || status->currentIndex() < 0))
        return fail(QStringLiteral("Please choose Summer Time Status."));
    if (RowChecked(RowOffset)) {
        const QLineEdit *offset = rows->EditBox(RowOffset);
        if (offset && !offset->text().isEmpty()) {
            const int minutes = NumberIn(offset);
            if (minutes != 30 && minutes != 60 && minutes != 90 && minutes != 120)
                return fail(QStringLiteral("Summer Time Offset must chosed from {30, 60, 90, 120}."));
        }
    }
    const int mode = status ? status->currentIndex() : -1;
    if (mode == 0)
        return true;
    if (mode != 1 && mode != 2)
        return false;
    const bool repeating = mode == 1;
    const TCtrlsList &start = repeating ? RepeatStartList : AnnualStartList;
    const TCtrlsList &end = repeating ? RepeatEndList : AnnualEndList;
    const int startRow = repeating ? RowRepeatStart : RowAnnualStart;
    const int endRow = repeating ? RowRepeatEnd : RowAnnualEnd;
    for (const auto &[row, list] : {std::pair<int, const TCtrlsList *>{startRow, &start}, {endRow, &end}}) {
        if (!RowChecked(row))
            continue;
        if (!(repeating ? ValidateRepeating(*list) : ValidateAnnual(*list)))
            return fail(kTimeError);
    }
    if (RowChecked(startRow) && RowChecked(endRow)) {
        const QComboBox *from = start.Controls<QComboBox>().value(0);
        const QComboBox *to = end.Controls<QComboBox>().value(0);
        if (from && to && from->currentIndex() == to->currentIndex())
            return fail(kSameMonth);
    }
    return true;
}

void TSummerTimeForm::MarkFilled(const TCtrlsList &list)
{
    QWidget *panel = list.Panel();
    if (!panel)
        return;
    bool filled = true;
    for (const QComboBox *combo : list.Controls<QComboBox>())
        filled = filled && !combo->currentText().isEmpty();
    for (const QLineEdit *edit : list.Controls<QLineEdit>())
        filled = filled && !edit->text().isEmpty();
    panel->setProperty(TEditsPanel::CaptionProperty, filled ? QStringLiteral("-") : QString());
}

// ---- closing ---------------------------------------------------------------------------

void TSummerTimeForm::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    if (Binding)
        Binding->Request.Enabled = false;
    Binding.reset();
    if (EditorPanel) {
        EditorPanel->setEnabled(false);
        EditorPanel->hide();
        EditorPanel->deleteLater();
        EditorPanel = nullptr;
    }
    for (TCtrlsList *list : {&RepeatStartList, &RepeatEndList, &AnnualStartList, &AnnualEndList})
        list->Clear();
}

void TSummerTimeForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
