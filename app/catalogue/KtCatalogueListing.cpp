#include "KtCatalogueListing.h"

#include "KtMainWindowTables.h"
#include "KtMenuCatalogue.h"
#include "KtOptionList.h"

#include <QStringList>

namespace {

struct HookWord
{
    KtMenuHook Hook;
    const char *Word;
};

constexpr HookWord HookWords[] = {
    {HookRefreshRmonOnClose, "refresh-rmon-on-close"},
    {HookSnmpV2cWhileOpen, "snmpv2c-while-open"},
    {HookReadStpVersionOnOpen, "read-stp-version-on-open"},
    {HookReadStpVersionFirst, "read-stp-version-first"},
    {HookEnabledWhenSnmpV3, "enabled-when-snmpv3"},
    {HookEnabledByRmonState, "enabled-by-rmon-state"},
    {HookShownWhenMstp, "shown-when-mstp"},
    {HookShownUnlessMstp, "shown-unless-mstp"},
    {HookPortInstance, "port-instance"},
};

QString Quoted(const char *text)
{
    return QLatin1Char('"') + QString::fromLatin1(text) + QLatin1Char('"');
}

QString ListKindName(KtListKind kind)
{
    switch (kind) {
    case ListScalars:
        return QStringLiteral("ListScalars");
    case ListRow:
        return QStringLiteral("ListRow");
    case ListTable:
        return QStringLiteral("ListTable");
    case ListTableEx:
        return QStringLiteral("ListTableEx");
    }
    return QString::number(int(kind));
}

QString ActionText(const KtMenuItem &item)
{
    switch (item.Action) {
    case KtMenuAction::None:
        return QStringLiteral("none");
    case KtMenuAction::Submenu:
        return QStringLiteral("submenu");
    case KtMenuAction::Separator:
        return QStringLiteral("separator");
    case KtMenuAction::Editor:
        return QStringLiteral("editor ") + Quoted(item.Window);
    case KtMenuAction::List:
        return QStringLiteral("list ") + Quoted(item.Window);
    case KtMenuAction::Dedicated:
        return QStringLiteral("dedicated ") + QString::fromLatin1(item.ClassName) +
               (item.Window ? QLatin1Char(' ') + Quoted(item.Window) : QString());
    case KtMenuAction::Viewer:
        return QStringLiteral("viewer ") + Quoted(item.Argument);
    case KtMenuAction::Builtin:
        return QStringLiteral("builtin ") + QString::fromLatin1(item.Argument);
    }
    return QString();
}

QString ListLine(KtListKind kind, int indexCount, int addIndex, const char *addValue, int deleteIndex,
                 const char *deleteValue, const QString &sizes)
{
    return QStringList{QStringLiteral("list"),           ListKindName(kind),
                       QString::number(indexCount),      QString::number(addIndex),
                       QString::fromLatin1(addValue),    QString::number(deleteIndex),
                       QString::fromLatin1(deleteValue), sizes}
               .join(QLatin1Char('\t')) +
           QLatin1Char('\n');
}

} // namespace

QString KtOptionListing(const KtOptionList *options)
{
    if (!options)
        return QString();
    QStringList pairs;
    for (int i = 0; i < options->Count(); ++i) {
        const KtOptionList::Entry &entry = options->Get(i);
        const QString value = options->Kind() == OptionNumeric ? QString::number(entry.Number) : entry.Text;
        pairs << value + QStringLiteral(" \"") + entry.Name + QLatin1Char('"');
    }
    return QLatin1Char('{') + pairs.join(QStringLiteral(", ")) + QLatin1Char('}');
}

QString KtVarListing(const KtSNMPVarDef *table)
{
    QString text;
    for (int i = 0; i < KtRowCount(table); ++i) {
        const KtSNMPVarDef &row = table[i];
        const char *syntax = KtSyntaxName(row.Syntax);
        text += QStringList{QStringLiteral("var"),
                            QString::fromLatin1(row.Oid),
                            Quoted(row.Name),
                            syntax ? QString::fromLatin1(syntax) : QString::number(int(row.Syntax)),
                            QString::number(row.Access),
                            KtOptionListing(row.Options)}
                    .join(QLatin1Char('\t')) +
                QLatin1Char('\n');
    }
    return text;
}

QString KtSizeListing(const KtMenuItem &item)
{
    QStringList sizes;
    for (const KtMenuSize &size : item.Sizes) {
        const QString n = QString::number(size.Value);
        switch (size.Kind) {
        case KtSizeKind::None:
            break;
        case KtSizeKind::Height:
            sizes << QStringLiteral("height ") + n;
            break;
        case KtSizeKind::HeightPixels:
            sizes << QStringLiteral("height ") + n + QStringLiteral(" pixels");
            break;
        case KtSizeKind::HeightAdd:
            sizes << QStringLiteral("height +") + n;
            break;
        case KtSizeKind::WidthAdd:
            sizes << QStringLiteral("width +") + n;
            break;
        case KtSizeKind::ValueWidth:
            sizes << QStringLiteral("value width ") + n;
            break;
        case KtSizeKind::PanelWidthAdd:
            sizes << QStringLiteral("panel width +") + n;
            break;
        }
    }
    return sizes.join(QStringLiteral(", "));
}

QString KtHookWord(unsigned hook)
{
    for (const HookWord &word : HookWords)
        if (word.Hook == hook)
            return QString::fromLatin1(word.Word);
    return QString();
}

QString KtMenuListing(const KtMenuItem *items, const QString &parentPath)
{
    QString text;
    for (const KtMenuItem *item = items; item && item->Caption; ++item) {
        const QString caption = QString::fromLatin1(item->Caption);
        const QString path = parentPath.isEmpty() ? caption : parentPath + QStringLiteral(" > ") + caption;
        text +=
            QStringList{QStringLiteral("item"), path, QString::fromLatin1(item->Name),
                        item->Hidden ? QStringLiteral("hidden") : QStringLiteral("shown"), ActionText(*item)}
                .join(QLatin1Char('\t')) +
            QLatin1Char('\n');
        if (item->OpensGenericWindow()) {
            text += ListLine(item->Kind, item->IndexCount, item->AddIndex, item->AddValue, item->DeleteIndex,
                             item->DeleteValue, KtSizeListing(*item));
            text += KtVarListing(item->Vars);
        }
        for (const HookWord &word : HookWords)
            if (item->Has(word.Hook))
                text += QStringLiteral("hook\t") + QString::fromLatin1(word.Word) + QLatin1Char('\n');
        if (item->Action == KtMenuAction::Submenu)
            text += KtMenuListing(item->Children, path);
    }
    return text;
}

QString KtCatalogueListing()
{
    QString text = QStringLiteral("menu\tMainMenu1\n") + KtMenuListing(MainMenu1);
    text += QStringLiteral("menu\tPortInfoPopupMenu\n") + KtMenuListing(PortInfoPopupMenu);
    for (const KtBindingTable *table = MainWindowTables; table->Binding; ++table) {
        text += QStringLiteral("table\t") + QString::fromLatin1(table->Binding) + QLatin1Char('\n');
        text += ListLine(table->Kind, table->IndexCount, -1, nullptr, -1, nullptr, QString());
        text += KtVarListing(table->Vars);
    }
    return text;
}
