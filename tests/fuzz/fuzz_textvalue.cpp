// Typed texts to values for a set, for every type code, as value and as
// index: a text is either refused (KtValueError) or stands for exactly the
// value sent. The value sent, shown again as the module shows what it reads
// back, has the display form of the text typed, sends the same value once
// more, and gives the same index sub-identifiers.
#include "FuzzInput.h"
#include "KtException.h"
#include "KtValueConversion.h"
#include "QgDisplayForm.h"

#include <optional>

namespace {

constexpr int Codes[] = {SyntaxBoolean,       SyntaxInteger,      SyntaxBits,        SyntaxOctets,
                         SyntaxOid,           SyntaxIpAddress,    SyntaxCounter32,   SyntaxGauge32,
                         SyntaxTimeTicks,     SyntaxOpaque,       SyntaxNsapAddress, SyntaxCounter64,
                         SyntaxUnsigned32,    SyntaxDouble,       SyntaxMacAddress,  SyntaxDateAndTime,
                         SyntaxDateTimeValue, SyntaxDisplayString};

// The value a text sends, or nothing when it is refused.
std::optional<KtVb> Sent(KtValueConversion &conversion, KtSNMPVarList &list, const QString &text)
{
    list.Get(0).Value = text;
    KtVb vb;
    try {
        conversion.TextToVb(0, vb);
    } catch (const KtValueError &) {
        return std::nullopt;
    }
    return vb;
}

std::optional<QString> Index(KtValueConversion &conversion, KtSNMPVarList &list, const QString &text)
{
    list.Get(0).Value = text;
    try {
        return conversion.ValueToIndex(0);
    } catch (const KtValueError &) {
        return std::nullopt;
    }
}

// Texts with 15 significant digits or fractions of a second show rounded.
bool ShowsExactly(int code)
{
    return code != SyntaxDouble && code != SyntaxDateTimeValue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    for (int code : Codes) {
        const KtSNMPVarDef table[] = {{"1.1", "v", KtSyntax(code), AccessIndex}, {}};
        KtSNMPVarList list(table, ListTable, 1);
        KtValueConversion conversion(list);
        const QString typed = input.Text;
        const std::optional<KtVb> sent = Sent(conversion, list, typed);
        const std::optional<QString> index = Index(conversion, list, typed);
        // Value and index read a text alike (MAC addresses in both); no
        // value at all is the zero index of a walk.
        const bool missing =
            typed.isEmpty() || typed == QLatin1String("(NULL)") || typed == QLatin1String("(NOTDONE)");
        FUZZ_CHECK(sent.has_value() == index.has_value() || missing);
        if (!sent || sent->Type() == KtVbType::Null)
            continue;
        conversion.VbToText(0, *sent);
        const QString shown = list.Get(0).Value;
        const QString form = QgDisplayForm::Of(code, typed);
        // Only an empty octet string has an empty display form.
        FUZZ_CHECK(!form.isEmpty() || (sent->IsOctets() && sent->Octets().isEmpty()));
        FUZZ_CHECK(form == QgDisplayForm::Of(code, shown));
        if (ShowsExactly(code)) {
            FUZZ_CHECK(Sent(conversion, list, shown) == sent);
            FUZZ_CHECK(Index(conversion, list, shown) == index);
        }
    }
    return 0;
}
