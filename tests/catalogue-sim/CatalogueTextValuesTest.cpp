// What the scalar windows of the menu catalogue show against qgsim looks
// like a switch's: no text holds its own caption (or the start of it) as
// its value, as placeholder data does.
#include "CatalogueWindows.h"
#include "QgSimProcess.h"
#include "SnmpTool.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// A caption or value reduced for comparing: the words before any bracket,
// without blanks, in lower case ("System UpTime" -> "systemuptime").
QString Reduced(QString text)
{
    const qsizetype bracket = text.indexOf(QRegularExpression("[\\[(]"));
    if (bracket >= 0)
        text.truncate(bracket);
    return text.remove(' ').toLower();
}

bool IsText(KtSyntax syntax)
{
    return syntax == SyntaxDisplayString || syntax == SyntaxOctets;
}

TEST(CatalogueTextValuesTest, NoTextScalarShowsItsCaption)
{
    QgSimProcess sim({"--static-leds"});
    ASSERT_TRUE(sim.Start()) << sim.StandardError().toStdString();
    int texts = 0;
    for (const CatalogueWindow &window : AllCatalogueWindows()) {
        if (window.kind != ListScalars)
            continue;
        for (const KtSNMPVarDef *var = window.vars; var->Oid; ++var) {
            if (!IsText(var->Syntax) || !(var->Access & AccessRead))
                continue;
            ++texts;
            const QString value = GetValue(sim, QString(var->Oid) + ".0");
            const QString caption = Reduced(var->Name);
            EXPECT_FALSE(!Reduced(value).isEmpty() && caption.startsWith(Reduced(value)))
                << window.path.toStdString() << ": \"" << var->Name << "\" shows \"" << value.toStdString()
                << "\"";
        }
    }
    EXPECT_GT(texts, 10) << "the scalar windows were not found";
}

} // namespace
