#include "TEnableMethodForm.h"
#include "KtStandardOptions.h"

#include "KtOptionList.h"

namespace {

constexpr KtOptionDef kMethodTypePairs[] = {
    {1, "tacacs"},       {2, "xtacacs"},      {3, "tacacs-plus"}, {4, "radius"},
    {5, "server-group"}, {7, "local-enable"}, {8, "none"},        {}};
const KtOptionList kMethodTypes(kMethodTypePairs);

} // namespace

const KtSNMPVarDef TEnableMethodForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.5.4.1.1", "Enable MethodList Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.4.1.47893.12.5.4.1.2", "Enable Method1 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.4.1.3", "Enable Method1 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.4.1.4", "Enable Method2 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.4.1.5", "Enable Method2 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.4.1.6", "Enable Method3Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.4.1.7", "Enable Method3 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.4.1.8", "Enable Method4 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.4.1.9", "Enable Method4 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.4.1.10", "Enable MethodList RowStatus", SyntaxInteger, AccessReadWrite,
     &RowStatus},
    {},
};

const TAuthMethodListTexts TEnableMethodForm::Texts = {
    "EnableMethodForm",
    "Enable Method List",
    "NameEdit",
    {"Type1ComboBox", "Type2ComboBox", "Type3ComboBox", "Type4ComboBox"},
    {"ServerGroupEdit1", "ServerGroupEdit2", "ServerGroupEdit3", "ServerGroupEdit4"},
    1,
    "Enable MethodList Name must be set.",
    "Has already a record with the same Enable MethodList Name. Please Change Enable MethodList Name.",
    "You can not enable the same method in an Enable MethodList Name.",
};

TEnableMethodForm::TEnableMethodForm(QWidget *owner) : TAuthMethodListForm(Texts, Variables, owner) {}

KtDescriptorTables TEnableMethodForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTableEx, 1, 9}};
    return tables;
}
