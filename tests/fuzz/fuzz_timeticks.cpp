// TimeTicks text in both directions.
#include "FuzzInput.h"
#include "KtTextForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    using namespace KtTextForm;

    const quint32 ticks = TextToTimeTicks(input.Text);
    FUZZ_CHECK(TextToTimeTicks(TimeTicksToText(ticks)) == ticks);
    const quint32 raw = input.Number<quint32>();
    FUZZ_CHECK(TextToTimeTicks(TimeTicksToText(raw)) == raw);
    return 0;
}
