#pragma once

// A simulator of its own for every test (they all change tables), and the
// agent's view of single cells through snmpget.
#include "KtSNMPEngine.h"
#include "KtSNMPRequest2Edits.h"
#include "QgOwnSimSuite.h"
#include "QgTreeRows.h"
#include "QgWait.h"
#include "QtPrinters.h"
#include "SnmpTool.h"

#include <QTreeWidget>

namespace auth_test {

// The instance of a text index: its length, then its characters.
inline QString TextIndex(const QString &text)
{
    QStringList parts{QString::number(text.size())};
    for (QChar c : text)
        parts << QString::number(c.unicode());
    return parts.join('.');
}

class AuthTest : public QgOwnSimSuite
{
protected:
    // The agent's value of one cell, enumerations by number, texts without
    // quotes; empty when the agent has no such object.
    QString Cell(const QString &oid) const
    {
        const QString out = RunSnmpTool(QStringLiteral("snmpget"),
                                        {"-v2c", "-c", "public", "-Oqv", "-Oe", own_->Address(), oid})
                                .out.trimmed();
        if (out.startsWith(QLatin1String("No Such")))
            return {};
        return out.startsWith('"') && out.endsWith('"') ? out.mid(1, out.size() - 2) : out;
    }
    bool RowExists(const QString &statusOid) const { return !Cell(statusOid).isEmpty(); }
    static void Select(QTreeWidget *list, const QString &caption)
    {
        if (!SelectRow(list, caption))
            ADD_FAILURE() << "no row " << caption.toStdString();
    }
};

} // namespace auth_test
