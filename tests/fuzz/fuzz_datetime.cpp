// KtDateTime text and wire forms, and the day-count date-time text.
#include "FuzzInput.h"
#include "KtDateTime.h"
#include "KtTextForm.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    using namespace KtTextForm;

    const KtDateTime fromText(input.Text);
    const QString written = fromText.ToText();
    FUZZ_CHECK(KtDateTime(written).ToText() == written);
    FUZZ_CHECK(KtDateTime::FromOctets(fromText.ToOctets()) == fromText);

    const KtDateTime fromWire = KtDateTime::FromOctets(input.Octets);
    FUZZ_CHECK(KtDateTime(fromWire.ToText()).ToText() == fromWire.ToText());

    if (const std::optional<double> days = TextToDayCount(input.Text))
        DayCountToText(*days);
    const QString dayText = DayCountToText(input.Number<double>());
    const std::optional<double> back = TextToDayCount(dayText);
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(DayCountToText(*back) == dayText);
    return 0;
}
