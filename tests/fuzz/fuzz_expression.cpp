// Row conditions and formulas on arbitrary texts over a small variable list.
#include "FuzzInput.h"
#include "KtException.h"
#include "KtExpression.h"
#include "KtValueConversion.h"

namespace {

constexpr KtOptionDef StatusPairs[] = {{1, "up"}, {2, "down"}, {}};
const KtOptionList Status(StatusPairs);

constexpr KtSNMPVarDef Table[] = {
    {"1.1", "name", SyntaxDisplayString, AccessRead},
    {"1.2", "count", SyntaxInteger, AccessRead},
    {"1.3", "status", SyntaxInteger, AccessRead, &Status},
    {"1.4", "uptime", SyntaxTimeTicks, AccessRead},
    {"1.5", "octets", SyntaxCounter64, AccessRead},
    {"1.6", "when", SyntaxDateTimeValue, AccessRead},
    {"1.7", "flag", SyntaxBoolean, AccessRead},
    {"1.8", "missing", SyntaxGauge32, AccessRead},
    {"1.9", "result", SyntaxDouble, AccessReadWrite},
    {},
};

KtSNMPVarList MakeList()
{
    KtSNMPVarList list(Table);
    const char *values[] = {"port \"1\" (a|b)",
                            "-10",
                            "down",
                            "1 day 0:00:00.01",
                            "18446744073709551615",
                            "2005/03/07 06:00:00 pm",
                            "true",
                            "(NULL)",
                            "0"};
    for (int i = 0; i < list.Count(); ++i)
        list.Get(i).Value = values[i];
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    static KtSNMPVarList list = MakeList();
    KtValueConversion conversion(list);
    try {
        conversion.EvaluateCondition(input.Text);
    } catch (const KtException &) {
    }
    try {
        KtExpression::EvaluateArithmetic(conversion.SubstituteVariables(input.Text, QLatin1Char('$'), false));
    } catch (const KtException &) {
    }
    try {
        KtExpression::EvaluateBoolean(input.Text);
    } catch (const KtException &) {
    }
    return 0;
}
