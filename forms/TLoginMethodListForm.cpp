#include "TLoginMethodListForm.h"
#include "KtStandardOptions.h"

#include "KtOptionList.h"

namespace {

constexpr KtOptionDef kMethodTypePairs[] = {
    {1, "tacacs"},       {2, "xtacacs"}, {3, "tacacs-plus"}, {4, "radius"},
    {5, "server-group"}, {6, "local"},   {8, "none"},        {}};
const KtOptionList kMethodTypes(kMethodTypePairs);

} // namespace

const KtSNMPVarDef TLoginMethodListForm::Variables[] = {
    {"1.3.6.1.4.1.47893.12.5.3.1.1", "AAC Login Method List Name", SyntaxDisplayString, AccessIndex},
    {"1.3.6.1.4.1.47893.12.5.3.1.2", "Method1 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.3.1.3", "Method1 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.3.1.4", "Method2 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.3.1.5", "Method2 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.3.1.6", "Method3 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.3.1.7", "Method3 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.3.1.8", "Method4 Type", SyntaxInteger, AccessReadWrite, &kMethodTypes},
    {"1.3.6.1.4.1.47893.12.5.3.1.9", "Method4 ServerGroup", SyntaxDisplayString, AccessReadWrite},
    {"1.3.6.1.4.1.47893.12.5.3.1.10", "MethodList RowStatus", SyntaxInteger, AccessReadWrite, &RowStatus},
    {},
};

const TAuthMethodListTexts TLoginMethodListForm::Texts = {
    "LoginMethodListForm",
    "Login Method List",
    "ListnameEdit",
    {"ComboBoxType1", "ComboBoxType2", "ComboBoxType3", "ComboBoxType4"},
    {"Server1Edit", "Server2Edit", "Server3Edit", "Server4Edit"},
    0,
    "AAC Login Method List Name must be set.",
    "Has already a record with the same Login Method List Name. Please Change Login Method List Name.",
    "You can not set the same method in an AAC Login Method List Name.",
};

TLoginMethodListForm::TLoginMethodListForm(QWidget *owner) : TAuthMethodListForm(Texts, Variables, owner) {}

KtDescriptorTables TLoginMethodListForm::DescriptorTables()
{
    static const KtDescriptorTable tables[] = {{Variables, ListTableEx, 1, 9}};
    return tables;
}
