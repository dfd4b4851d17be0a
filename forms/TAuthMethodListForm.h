#pragma once

#include "KtAuthRules.h"
#include "KtSNMPVarDef.h"
#include "TListEditForm.h"

#include <QString>
#include <functional>
#include <memory>

class KtAccessSnapshot;
class KtSNMPRequest2Edits;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// What tells the login and the enable method-list windows apart: their
// table, captions, control names and messages.
struct TAuthMethodListTexts
{
    const char *ObjectName;
    const char *Caption;
    const char *NameEdit;
    const char *TypeCombos[KtAuthRules::Methods];
    const char *GroupEdits[KtAuthRules::Methods];
    int FirstBox; // number in the name of the box of column 1, minus one
    const char *NameMissing;
    const char *NameTaken;
    const char *SameMethod;
};

// A table of named method lists, each up to four authentication methods
// tried in turn. A check box per column says whether the column is written;
// the window refuses lists that repeat a method or put methods after
// "local" or "none", and never sends a "server-group" method without its
// group name. The binding runs blocking, so each button finishes its write
// and its re-read before the next event.
class TAuthMethodListForm : public TListEditForm
{
    Q_OBJECT
public:
    enum Column
    {
        ColumnName = 0,
        ColumnRowStatus = 9,
        Columns = 10,
    };
    static constexpr int CreateAndGoItem = 3;
    static constexpr int DestroyItem = 5;
    static inline const QString RowStateNotAdded = QStringLiteral("Row State must be added.");
    static inline const QString RowStateNotCreate = QStringLiteral("Row State must be createAndGo.");
    static inline const QString MethodsAfterFinal =
        QStringLiteral("Method(s) after method local and none is(are) ineffective.");
    static inline const QString DefaultNotDeleted = QStringLiteral("Default can not be delete.");

    TAuthMethodListForm(const TAuthMethodListTexts &texts, const KtSNMPVarDef *variables, QWidget *owner);

    // Column k's check box (k = 1 to 9).
    QCheckBox *BoxOf(int column) const;
    // Method k's (1 to 4) type column and group column.
    static int TypeColumn(int method) { return 2 * method - 1; }
    static int GroupColumn(int method) { return 2 * method; }

    void EditRow() override;
    void AddRow() override;
    void DeleteRow() override;
    void CheckAll(bool checked);
    // Group name and group box of each method only for "server-group".
    void ApplyMethodTypes();

    QPushButton *AddCheckButton = nullptr;
    QPushButton *CleanCheButton = nullptr;
    TRowCountLabel *&StaticText1 = RowCountLabel;
    QTreeWidget *ListView1 = nullptr;
    QLineEdit *NameEdit = nullptr;
    QComboBox *TypeCombo[KtAuthRules::Methods] = {};
    QLineEdit *GroupEdit[KtAuthRules::Methods] = {};
    QComboBox *RowComboBox = nullptr;

private:
    bool CheckMethods();
    void ExcludeUnchecked(KtAccessSnapshot &snapshot, int lastColumn) const;
    void ApplyGroupNameRule(KtAccessSnapshot &snapshot) const;
    void ClearFields() override;
    void ApplyEditorRules() override { ApplyMethodTypes(); }
    void ListClicked();

    TAuthMethodListTexts texts_;
    QCheckBox *boxes_[Columns] = {};
};
