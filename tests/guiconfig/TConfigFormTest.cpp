// The generic window: typing, the first read, the button bar of editors and
// lists, row layout, and closing; against the simulator.
#include "TConfigForm.h"
#include "KtException.h"
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgFiles.h"
#include "QgSimSuite.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"
#include "TCtrlBtnPanel.h"
#include "TEditsPanel.h"
#include "TListViewPanel.h"
#include "TMainWindowAnchor.h"
#include "TMsgPanel.h"
#include "TSNMPEditorPanel.h"
#include "TSNMPListViewPanel.h"
#include "TestTables.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

using namespace guiconfig_test;

namespace {

std::unique_ptr<KtSNMPRequest2Edits> Binding(QWidget *owner, const KtSNMPVarDef *table,
                                             KtListKind kind = ListScalars, int indexCount = 0)
{
    auto binding = std::make_unique<KtSNMPRequest2Edits>(owner);
    binding->Request.Vars = KtSNMPVarList(table, kind, indexCount);
    return binding;
}

// The captions of the bar's controls that are not hidden, top to bottom.
QStringList ShownControls(const TCtrlBtnPanel *bar)
{
    QStringList shown;
    for (QWidget *control : bar->Controls())
        if (!control->isHidden())
            shown << control->objectName();
    return shown;
}

QList<QCheckBox *> ShownCheckBoxes(const TEditsPanel *rows)
{
    QList<QCheckBox *> shown;
    for (const TEditsPanel::EditRow &row : rows->Rows)
        if (!row.CheckBox->isHidden())
            shown << row.CheckBox;
    return shown;
}

class ConfigFormTest : public QgSimSuite
{
};

} // namespace

TEST_F(ConfigFormTest, TypingAWindowTwiceRaisesAndKeepsTheFirstType)
{
    TConfigForm form;
    EXPECT_EQ(form.FormType, TConfigForm::TypeNone);
    form.SetEditorType(Binding(&form, kSystem));
    EXPECT_EQ(form.FormType, TConfigForm::TypeEditor);
    for (bool asList : {true, false}) {
        try {
            if (asList)
                form.SetListViewType(Binding(&form, kSysLogServers, ListTable, 1), -1, {}, -1, {});
            else
                form.SetEditorType(Binding(&form, kSystem));
            ADD_FAILURE() << "typed twice without an error";
        } catch (const KtException &error) {
            EXPECT_EQ(error.Message, "Can not change Type of a Config Form!");
        }
    }
    EXPECT_EQ(form.FormType, TConfigForm::TypeEditor);
    EXPECT_EQ(form.RequestList.size(), 1u);
    EXPECT_NE(qobject_cast<TSNMPEditorPanel *>(form.Panel.data()), nullptr);
}

TEST_F(ConfigFormTest, TheFirstReadWaitsForTheWindowToRun)
{
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, kSystem));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.CurrentBinding, nullptr);
    EXPECT_TRUE(panel->MsgPanel->Memo->toPlainText().isEmpty());
    EXPECT_TRUE(panel->MsgPanel->Memo->isReadOnly());

    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));
    EXPECT_EQ(form.CurrentBinding, form.RequestList.front().get());
    EXPECT_TRUE(panel->MsgPanel->Memo->toPlainText().startsWith("Get: (KtSNMP++) Ok!"))
        << panel->MsgPanel->Memo->toPlainText().toStdString();
    EXPECT_EQ(panel->EditsPanel->EditBox(2)->text(), "bldg-a-core");
    EXPECT_EQ(panel->EditsPanel->EditBox(4)->text(), "2");
}

TEST_F(ConfigFormTest, RefreshOfAnUnknownTypeRaises)
{
    TConfigForm form;
    form.RefreshForm(); // untyped: nothing
    form.FormType = 7;
    try {
        form.RefreshForm();
        ADD_FAILURE() << "no error";
    } catch (const KtException &error) {
        EXPECT_EQ(error.Message, "Refresh a Form with unknown Form Type!");
    }
    form.FormType = TConfigForm::TypeNone;
}

TEST_F(ConfigFormTest, ButtonBarsOfEditorsAndLists)
{
    struct Case
    {
        const char *name;
        const KtSNMPVarDef *table;
        KtListKind kind;
        int indexCount;
        QStringList shown;
        int shownCheckBoxes;
    };
    const QStringList editorAll = {"RefreshBtn", "SetCheckedBtn", "CheckAllBtn", "ClearChecksBtn",
                                   "CloseBtn"};
    const Case cases[] = {
        {"editor, three writable", kSystem, ListScalars, 0, editorAll, 3},
        {"editor, read-only", kReadOnlySystem, ListScalars, 0, {"RefreshBtn", "CloseBtn"}, 0},
        {"editor, one writable",
         kOneWritable,
         ListScalars,
         0,
         {"RefreshBtn", "SetCheckedBtn", "CloseBtn"},
         0},
        {"list, read-only",
         kIfNames,
         ListTable,
         1,
         {"CountText", "SamplesLabel", "RefreshBtn", "CloseBtn"},
         0},
        {"list, writable",
         kSysLogServers,
         ListTable,
         1,
         {"CountText", "SamplesLabel", "RefreshBtn", "EditBtn", "CloseBtn"},
         -1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form;
        auto binding = Binding(&form, c.table, c.kind, c.indexCount);
        TSNMPEditorPanel *panel = c.kind == ListScalars
                                      ? form.SetEditorType(std::move(binding))
                                      : form.SetListViewType(std::move(binding), -1, {}, -1, {});
        EXPECT_EQ(ShownControls(panel->BtnPanel), c.shown);
        if (c.shownCheckBoxes >= 0) {
            EXPECT_EQ(ShownCheckBoxes(panel->EditsPanel).size(), c.shownCheckBoxes);
        }
        // Shown controls are stacked 5 pixels apart from the top margin.
        int top = TCtrlBtnPanel::Margin;
        for (QWidget *control : panel->BtnPanel->Controls()) {
            if (control->isHidden())
                continue;
            EXPECT_EQ(control->geometry(), QRect(10, top, 96, control->height()))
                << control->objectName().toStdString();
            top += control->height() + 5;
        }
        EXPECT_EQ(panel->BtnPanel->width(), 116);
    }
}

TEST_F(ConfigFormTest, OneWritableVariableGivesAnEnabledSetThatWrites)
{
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, kOneWritable));
    QPushButton *set = panel->BtnPanel->SetCheckedBtn;
    EXPECT_EQ(set->text(), "Set");
    EXPECT_TRUE(set->isEnabled());
    EXPECT_TRUE(panel->EditsPanel->Rows[1].CheckBox->isChecked());
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));

    QLineEdit *location = panel->EditsPanel->EditBox(1);
    location->clear();
    QTest::keyClicks(location, "rack 7");
    QTest::mouseClick(set, Qt::LeftButton);
    EXPECT_EQ(RunSnmpTool("snmpget", {"-v2c", "-c", "public", "-Oqv", sim_->Address(), "1.3.6.1.2.1.1.6.0"})
                  .out.trimmed(),
              "\"rack 7\"");
    EXPECT_TRUE(panel->MsgPanel->Memo->toPlainText().contains("Set: (KtSNMP++) Ok!"));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join('|').toStdString();
}

TEST_F(ConfigFormTest, SetCheckedFollowsTheRowCheckBoxes)
{
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, kSystem));
    form.show();
    QPushButton *set = panel->BtnPanel->SetCheckedBtn;
    EXPECT_EQ(set->text(), "Set Checked");
    EXPECT_FALSE(set->isEnabled());
    QCheckBox *contact = panel->EditsPanel->Rows[1].CheckBox;
    QTest::mouseClick(contact, Qt::LeftButton);
    EXPECT_TRUE(contact->isChecked());
    EXPECT_TRUE(set->isEnabled());
    QTest::mouseClick(contact, Qt::LeftButton);
    EXPECT_FALSE(set->isEnabled());

    QTest::mouseClick(panel->BtnPanel->CheckAllBtn, Qt::LeftButton);
    EXPECT_TRUE(set->isEnabled());
    QStringList checked;
    for (const TEditsPanel::EditRow &row : panel->EditsPanel->Rows)
        checked << (row.CheckBox->isChecked() ? "x" : "-");
    EXPECT_EQ(checked.join(""), "-xxx-"); // read-only rows stay unchecked
    QTest::mouseClick(panel->BtnPanel->ClearChecksBtn, Qt::LeftButton);
    EXPECT_FALSE(set->isEnabled());
    EXPECT_TRUE(ShownCheckBoxes(panel->EditsPanel).size() == 3);
}

TEST_F(ConfigFormTest, AnEmptyCheckedRowIsNotWritten)
{
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, kSystem));
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));
    const QString before = panel->MsgPanel->Memo->toPlainText();
    panel->EditsPanel->EditBox(1)->clear();
    QTest::mouseClick(panel->EditsPanel->Rows[1].CheckBox, Qt::LeftButton);
    QTest::mouseClick(panel->BtnPanel->SetCheckedBtn, Qt::LeftButton);
    EXPECT_EQ(messages_, QStringList{"Some items are empty!"});
    EXPECT_EQ(panel->MsgPanel->Memo->toPlainText(), before);
    // Nothing stays excluded after the check.
    for (int i = 0; i < form.RequestList.front()->Request.Vars.Count(); ++i)
        EXPECT_FALSE(form.RequestList.front()->Request.Vars.Get(i).Access & AccessSkip);
}

TEST_F(ConfigFormTest, RowsLineUpAndHiddenRowsTakeNoRoom)
{
    // A hidden variable with a long name: no room, but its label still sets
    // the value column.
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.2.1.1.4", "sysContact", SyntaxDisplayString, AccessReadWrite},
        {"1.3.6.1.2.1.1.1", "a rather long hidden variable name", SyntaxDisplayString,
         AccessRead | AccessHide},
        {"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessReadWrite},
        {},
    };
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, table));
    TEditsPanel *rows = panel->EditsPanel;
    QWidget *first = rows->Rows[0].ValueControl;
    QWidget *third = rows->Rows[2].ValueControl;
    EXPECT_EQ(first->y(), 20);
    EXPECT_EQ(third->y(), first->y() + first->height() + 5);
    EXPECT_EQ(first->width(), 121);
    const int labelLeft = 20 + 20 + 5;
    EXPECT_EQ(rows->Rows[0].Label->x(), labelLeft);
    EXPECT_EQ(first->x(), labelLeft + rows->Rows[1].Label->width() + 5);
    EXPECT_EQ(third->x(), first->x());
    EXPECT_EQ(rows->sizeHint(), QSize(first->x() + 121 + 40, third->y() + third->height() + 40));
    for (QWidget *control : {static_cast<QWidget *>(rows->Rows[1].CheckBox),
                             static_cast<QWidget *>(rows->Rows[1].Label), rows->Rows[1].ValueControl.data()})
        EXPECT_TRUE(control->isHidden()) << control->objectName().toStdString();
    rows->ResetRows(false);
    EXPECT_TRUE(rows->Rows[1].CheckBox->isHidden());

    // Showing the row makes room for it; hiding it again takes the room back.
    rows->ShowRow(1);
    rows->LayoutRows(true);
    EXPECT_EQ(rows->Rows[1].ValueControl->y(), first->y() + first->height() + 5);
    EXPECT_GT(third->y(), rows->Rows[1].ValueControl->y());
    rows->HideRow(1);
    rows->LayoutRows(true);
    EXPECT_EQ(third->y(), first->y() + first->height() + 5);
    EXPECT_TRUE(form.RequestList.front()->Request.Vars.Get(1).Access & AccessHide);
}

TEST_F(ConfigFormTest, RowOperations)
{
    TConfigForm form;
    TSNMPListViewPanel *panel = form.SetListViewType(Binding(&form, kSysLogServers, ListTable, 1),
                                                     kSysLogStatus, "createAndGo", kSysLogStatus, "destroy");
    TEditsPanel *rows = panel->EditsPanel;
    rows->SetRowValue(3, "1514");
    rows->SetRowValue(kSysLogStatus, "notInService");
    EXPECT_EQ(rows->EditBox(3)->text(), "1514");
    EXPECT_EQ(rows->ComboBox(kSysLogStatus)->currentText(), "notInService");
    EXPECT_EQ(form.RequestList.front()->Request.Vars.Get(3).Value, "1514");
    EXPECT_FALSE(rows->IsRowEmpty(3));
    EXPECT_FALSE(rows->IsRowEmpty(kSysLogStatus));
    rows->ClearRows();
    EXPECT_TRUE(rows->IsRowEmpty(3));
    EXPECT_TRUE(rows->IsRowEmpty(kSysLogStatus));
    EXPECT_TRUE(form.RequestList.front()->Request.Vars.Get(3).Value.isEmpty());

    // Index rows are disabled, the others enabled with the default check.
    rows->ResetRows(true);
    EXPECT_FALSE(rows->Rows[0].CheckBox->isEnabled());
    EXPECT_TRUE(rows->EditBox(0)->isReadOnly());
    EXPECT_TRUE(rows->Rows[3].CheckBox->isChecked());
    EXPECT_FALSE(rows->EditBox(3)->isReadOnly());
    rows->UncheckRow(3);
    EXPECT_FALSE(rows->Rows[3].CheckBox->isChecked());

    rows->DisableRow(99);
    EXPECT_EQ(messages_, QStringList{"aIdx is overtop!\n you may define < 7"});
}

TEST_F(ConfigFormTest, ListWidthFollowsTheCaptionsUpTo450)
{
    const KtSNMPVarDef narrow[] = {
        {"1.3.6.1.2.1.2.2.1.1", "If", SyntaxInteger, AccessIndex},
        {"1.3.6.1.2.1.2.2.1.2", "Descr", SyntaxDisplayString, AccessRead},
        {},
    };
    const KtSNMPVarDef wide[] = {
        {"1.3.6.1.2.1.2.2.1.1", "Interface index of the port", SyntaxInteger, AccessIndex},
        {"1.3.6.1.2.1.2.2.1.2", "Description of the interface", SyntaxDisplayString, AccessRead},
        {"1.3.6.1.2.1.31.1.1.1.1", "Name of the interface as configured", SyntaxDisplayString, AccessRead},
        {},
    };
    for (bool isWide : {false, true}) {
        TConfigForm form;
        TSNMPListViewPanel *panel =
            form.SetListViewType(Binding(&form, isWide ? wide : narrow, ListTable, 1), -1, {}, -1, {});
        const int frame = 2 * panel->ListViewPanel->ListView->frameWidth();
        EXPECT_EQ(panel->ListViewPanel->sizeHint(), QSize(isWide ? 450 : frame + 8 * 7, 350));
        EXPECT_LE(form.width(), 800);
        EXPECT_LE(form.height(), 550);
        EXPECT_GE(form.width(), panel->ListViewPanel->sizeHint().width() + 116);
    }
}

TEST_F(ConfigFormTest, EditorWindowsStayWithin800By550)
{
    std::vector<KtSNMPVarDef> many;
    for (int i = 0; i < 40; ++i)
        many.push_back({"1.3.6.1.2.1.1.5", "sysName", SyntaxDisplayString, AccessReadWrite});
    many.push_back({});
    TConfigForm form;
    TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, many.data()));
    EXPECT_GT(panel->sizeHint().height(), 550);
    EXPECT_LE(form.height(), 550);
    EXPECT_LE(form.width(), 800);
    // The rows scroll; the memo and the bar keep their sizes.
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(panel->MsgPanel->height(), 50);
    EXPECT_EQ(panel->BtnPanel->width(), 116);
    EXPECT_TRUE(panel->EditsPanel->ScrollBox->verticalScrollBar()->isVisible());
}

TEST_F(ConfigFormTest, AddAndDeleteButtonsNeedRowStatusLabels)
{
    struct Case
    {
        const char *addValue;
        const char *deleteValue;
        bool add, remove;
        const char *error;
    };
    const Case cases[] = {
        {"", "", false, false, nullptr},
        {"createAndGo", "destroy", true, true, nullptr},
        {"createAndGo", "", true, false, nullptr},
        {"valid", "destroy", false, false, "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:valid"},
        {"createAndGo", "invalid", true, false,
         "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:invalid"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.addValue) + "/" + c.deleteValue);
        TConfigForm form;
        TSNMPListViewPanel *panel = nullptr;
        try {
            panel = form.SetListViewType(Binding(&form, kSysLogServers, ListTable, 1), kSysLogStatus,
                                         c.addValue, kSysLogStatus, c.deleteValue);
            EXPECT_EQ(c.error, nullptr);
        } catch (const KtException &error) {
            ASSERT_NE(c.error, nullptr) << error.Message.toStdString();
            EXPECT_EQ(error.Message, c.error);
        }
        panel = qobject_cast<TSNMPListViewPanel *>(form.Panel ? form.Panel.data()
                                                              : form.findChild<TSNMPListViewPanel *>());
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(!panel->BtnPanel->AddBtn->isHidden(), c.add);
        EXPECT_EQ(!panel->BtnPanel->DeleteBtn->isHidden(), c.remove);
        EXPECT_EQ(panel->ListViewPanel->AddIndex, c.add ? kSysLogStatus : -1);
        EXPECT_FALSE(panel->BtnPanel->DeleteBtn->isEnabled());
    }
    // A row that is not a combo box has no labels to choose from.
    TConfigForm form;
    TSNMPListViewPanel *panel =
        form.SetListViewType(Binding(&form, kSysLogServers, ListTable, 1), -1, {}, -1, {});
    EXPECT_THROW(panel->SetAddStatus(3, "createAndGo"), KtException);
}

TEST_F(ConfigFormTest, ClosingStopsAndFreesTheBindings)
{
    enum When
    {
        Idle,
        WhileReading,
        InsideTheRead, // a click handled while the walk lets the window repaint
    };
    KtSNMPDefaults.TimeOut = 20;
    for (When when : {Idle, WhileReading, InsideTheRead}) {
        SCOPED_TRACE(int(when));
        auto form = std::make_unique<TConfigForm>();
        auto *panel = form->SetListViewType(Binding(form.get(), kIfNames, ListTable, 1), -1, {}, -1, {});
        QPointer<TSNMPPanel> guard = panel;
        bool closedInside = false;
        if (when == InsideTheRead)
            QObject::connect(panel->ListViewPanel->ListView->model(), &QAbstractItemModel::rowsInserted,
                             form.get(), [&] {
                                 if (!closedInside) {
                                     closedInside = true;
                                     form->close();
                                 }
                             });
        form->show();
        if (when == Idle)
            ASSERT_TRUE(WaitUntil([&] { return form->CurrentBinding && !form->CurrentBinding->Busy; }));
        else if (when == WhileReading) {
            form->RefreshForm(); // an asynchronous read is on its way
            ASSERT_TRUE(form->CurrentBinding && form->CurrentBinding->Busy);
        } else
            ASSERT_TRUE(WaitUntil([&] { return closedInside; }));
        form->close();
        EXPECT_TRUE(form->RequestList.empty());
        EXPECT_EQ(form->CurrentBinding, nullptr);
        EXPECT_FALSE(form->isVisible());
        if (when != InsideTheRead) {
            WaitUntil([&] { return guard.isNull(); }, 2000);
            EXPECT_TRUE(guard.isNull());
        }
        QCoreApplication::processEvents();
        form.reset();
    }
}

TEST_F(ConfigFormTest, ButtonImagesComeFromTheWorkingDirectory)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(directory.filePath("Get.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(directory.filePath("Delete.bmp"), "BMP"));
    ASSERT_TRUE(picture.save(directory.filePath("Close.bmp"), "BMP"));
    ASSERT_TRUE(WriteFile(directory.filePath("SelectAll.bmp"), "not a picture"));

    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(directory.path()));
    TCtrlBtnPanel bar(nullptr);
    QDir::setCurrent(previous);

    // Pictures replace captions; the unreadable one ends the loading, so the
    // buttons after it keep their captions.
    EXPECT_TRUE(bar.RefreshBtn->text().isEmpty());
    EXPECT_FALSE(bar.RefreshBtn->icon().isNull());
    EXPECT_TRUE(bar.DeleteBtn->text().isEmpty());
    EXPECT_EQ(bar.EditBtn->text(), "Edit");
    EXPECT_TRUE(bar.EditBtn->icon().isNull());
    EXPECT_EQ(bar.CheckAllBtn->text(), "Check All");
    EXPECT_EQ(bar.CloseBtn->text(), "Close");
    EXPECT_TRUE(bar.CloseBtn->icon().isNull());
}

TEST_F(ConfigFormTest, CloseWithoutAHostWindowSaysSo)
{
    QWidget parent;
    KtSNMPRequest2Edits binding(&parent);
    binding.Request.Vars = KtSNMPVarList(kSystem);
    TSNMPPanel panel(&parent, nullptr, &binding);
    QTest::mouseClick(panel.BtnPanel->CloseBtn, Qt::LeftButton);
    EXPECT_EQ(messages_, QStringList{"Please initial close form"});
}

TEST_F(ConfigFormTest, SetVarFormatOnlyForEditBoxes)
{
    TConfigForm form;
    TSNMPListViewPanel *panel =
        form.SetListViewType(Binding(&form, kSysLogServers, ListTable, 1), -1, {}, -1, {});
    panel->SetVarFormat(3, "%i{n1x65535l5}");
    EXPECT_EQ(panel->EditsPanel->EditBox(3)->maxLength(), 5);
    try {
        panel->SetVarFormat(1, "%i");
        ADD_FAILURE() << "no error";
    } catch (const KtException &error) {
        EXPECT_EQ(error.Message, "Can not set Var format to a ComboBox!");
    }
    EXPECT_THROW(panel->SetVarFormat(42, "%i"), KtException);
}

TEST_F(ConfigFormTest, RowKindsFollowAccessAndOptions)
{
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.4.1.47893.12.12.2.1.1", "Server ID", SyntaxInteger, AccessIndex},
        {"1.3.6.1.4.1.47893.12.12.2.1.2", "Facility", SyntaxInteger, AccessReadWrite, &kFacility},
        {"1.3.6.1.4.1.47893.12.12.2.1.3", "Severity", SyntaxInteger, AccessRead, &kSeverity},
        {"1.3.6.1.4.1.47893.12.12.2.1.4", "UDP Port", SyntaxInteger, AccessReadWrite},
        {"1.3.6.1.4.1.47893.12.12.2.1.5", "Address", SyntaxIpAddress, AccessRead},
        {},
    };
    TConfigForm form;
    TSNMPListViewPanel *panel = form.SetListViewType(Binding(&form, table, ListTable, 1), -1, {}, -1, {});
    const TEditsPanel *rows = panel->EditsPanel;
    const int kinds[] = {TEditsPanel::KindWritable, TEditsPanel::KindOptions,
                         TEditsPanel::KindReadOnlyOptions, TEditsPanel::KindWritable,
                         TEditsPanel::KindReadOnly};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(rows->Rows[size_t(i)].Kind, kinds[i]) << i;
        EXPECT_EQ(rows->Rows[size_t(i)].Format, "%s");
        EXPECT_EQ(rows->Rows[size_t(i)].CheckBox->property("Tag").toInt(), i);
        EXPECT_FALSE(rows->Rows[size_t(i)].CheckBox->focusPolicy() & Qt::TabFocus);
    }
    EXPECT_EQ(rows->ComboBox(1)->count(), kFacility.Count());
    // A read-only variable with options shows its label in an edit box.
    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));
    panel->ListViewPanel->ListView->topLevelItem(0)->setSelected(true);
    EXPECT_EQ(rows->EditBox(2)->text(), "all");
    EXPECT_TRUE(rows->EditBox(2)->isReadOnly());
    EXPECT_EQ(rows->ComboBox(1)->currentText(), "local0");
}

TEST_F(ConfigFormTest, ValueBoxesHoldTheirLongestLabelAndReadOnlyValuesShowWholeInATip)
{
    constexpr KtOptionDef longPairs[] = {{1, "portType-100Base-TX"}, {8, "portType-1000Base-LX-GBIC"}, {}};
    const KtOptionList longLabels(longPairs);
    const KtSNMPVarDef table[] = {
        {"1.3.6.1.2.1.1.1", "Description", SyntaxDisplayString, AccessRead},
        {"1.3.6.1.2.1.1.7", "Port Type", SyntaxInteger, AccessRead, &longLabels},
        {"1.3.6.1.2.1.1.5", "Chosen Type", SyntaxInteger, AccessReadWrite, &longLabels},
        {},
    };
    TConfigForm form;
    TSNMPEditorPanel *editor = form.SetEditorType(Binding(&form, table));
    const TEditsPanel *rows = editor->EditsPanel;
    ASSERT_NE(rows->EditBox(1), nullptr);
    ASSERT_NE(rows->ComboBox(2), nullptr);
    const int label = rows->EditBox(1)->fontMetrics().horizontalAdvance("portType-1000Base-LX-GBIC");
    EXPECT_GT(rows->EditBox(1)->width(), label);
    EXPECT_GT(rows->ComboBox(2)->width(), label);
    EXPECT_EQ(rows->EditBox(0)->width(), rows->ValueWidth); // no labels: the common width

    form.show();
    ASSERT_TRUE(WaitUntil([&] { return form.CurrentBinding && !form.CurrentBinding->Busy; }));
    const QLineEdit *description = rows->EditBox(0);
    EXPECT_TRUE(description->isReadOnly());
    EXPECT_FALSE(description->text().isEmpty());
    EXPECT_EQ(description->toolTip(), description->text());
}

TEST_F(ConfigFormTest, ArrangingButtonsNeedsABinding)
{
    TEditsPanel rows(nullptr, nullptr);
    TCtrlBtnPanel bar(nullptr);
    try {
        rows.ArrangeCtrlBtn(&bar);
        ADD_FAILURE() << "no error";
    } catch (const KtException &error) {
        EXPECT_EQ(error.Message, "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
}

TEST_F(ConfigFormTest, WindowsCentreOverTheMainWindow)
{
    QWidget main;
    main.setGeometry(100, 80, 900, 700);
    main.show();
    TMainWindowAnchor::SetMainWindow(&main);
    TMainWindowAnchor::SetScaleFactor(1.25);
    {
        TConfigForm form;
        TSNMPEditorPanel *panel = form.SetEditorType(Binding(&form, kSystem));
        form.show();
        QCoreApplication::processEvents();
        const QPoint offset = form.frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
        EXPECT_EQ(panel->HostForm, &form);
        EXPECT_DOUBLE_EQ(TMainWindowAnchor::ScaleFactor(), 1.25);
    }
    TMainWindowAnchor::SetMainWindow(nullptr);
    TMainWindowAnchor::SetScaleFactor(1.0);
}
