// qgcat: prints the menu catalogue and the main window's variable tables,
// one line per item and per descriptor row, tab-separated, so that every
// entry, OID, name, type, access and enumeration can be reviewed line by line
// (format: KtCatalogueListing.h).

#include "KtCatalogueListing.h"

#include <cstdio>

int main()
{
    const QByteArray text = KtCatalogueListing().toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), stdout);
    return std::ferror(stdout) ? 1 : 0;
}
