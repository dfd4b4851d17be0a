// Index decoding over arbitrary instance suffixes for every type code, with
// and without IMPLIED, and re-encoding of what was decoded.
#include "FuzzInput.h"
#include "KtException.h"
#include "KtValueConversion.h"

namespace {

constexpr int Codes[] = {SyntaxBoolean,     SyntaxInteger,       SyntaxBits,          SyntaxOctets,
                         SyntaxNull,        SyntaxOid,           SyntaxIpAddress,     SyntaxCounter32,
                         SyntaxGauge32,     SyntaxTimeTicks,     SyntaxOpaque,        SyntaxNsapAddress,
                         SyntaxCounter64,   SyntaxUnsigned32,    SyntaxDouble,        SyntaxMacAddress,
                         SyntaxDateAndTime, SyntaxDateTimeValue, SyntaxDisplayString, 7,
                         SyntaxPartUInt16};

constexpr KtOptionDef StatusPairs[] = {{1, "other"}, {3, "learned"}, {}};
const KtOptionList Status(StatusPairs);

// Codes whose decoded text always encodes back to the sub-identifiers read.
bool RoundTrips(int code, bool implied)
{
    switch (code) {
    case SyntaxDouble:        // 15 significant digits
    case SyntaxDateAndTime:   // any direction octet, zone dropped unless "+" or "-"
    case SyntaxDateTimeValue: // whole seconds
        return false;
    case SyntaxOid:
        return !implied; // the raw rest of the suffix need not be an OID
    default:
        return true;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    for (int code : Codes) {
        for (bool implied : {false, true}) {
            const KtSNMPVarDef table[] = {{"1.1", "v", KtSyntax(code),
                                           implied ? AccessImpliedIndex : AccessIndex,
                                           code == SyntaxInteger ? &Status : nullptr},
                                          {}};
            KtSNMPVarList list(table, ListTable, 1);
            KtValueConversion conversion(list);
            try {
                const QString rest = conversion.IndexToValue(0, input.Text);
                FUZZ_CHECK(input.Text.endsWith(rest));
                const QString value = list.Get(0).Value;
                const QString index = conversion.ValueToIndex(0);
                if (RoundTrips(code, implied)) {
                    FUZZ_CHECK(conversion.IndexToValue(0, index).isEmpty());
                    FUZZ_CHECK(list.Get(0).Value == value);
                }
            } catch (const KtValueError &) {
                // Only writing back can refuse: a decoded value that is no
                // value one could type (a date of month 0, a NUL character).
                FUZZ_CHECK(!RoundTrips(code, implied) || list.Get(0).Value.contains(QChar(0)));
            } catch (const KtException &e) {
                FUZZ_CHECK(e.Code == -511);
            }
        }
    }
    return 0;
}
