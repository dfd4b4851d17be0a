#include "KtViewCatalogue.h"

const KtViewDef *const KtViewTables[6] = {MibViews,  IfMibViews,  EthernetLikeViews,
                                          RmonViews, BridgeViews, Layer3Views};

const KtViewDef *FindView(const QString &nameOrArgument)
{
    const QString name =
        nameOrArgument.startsWith(QLatin1String("/T")) ? nameOrArgument.mid(2) : nameOrArgument;
    for (const KtViewDef *table : KtViewTables)
        for (const KtViewDef *view = table; view->Name; ++view)
            if (name == QLatin1String(view->Name))
                return view;
    return nullptr;
}

QStringList AllViewNames()
{
    QStringList names;
    for (const KtViewDef *table : KtViewTables)
        for (const KtViewDef *view = table; view->Name; ++view)
            names << QString::fromLatin1(view->Name);
    return names;
}
