// The message catalogue loader over arbitrary files: a file is taken whole
// or not at all, its messages hold no line break, and every code still has
// a text afterwards.
#include "FuzzFile.h"
#include "FuzzInput.h"
#include "KtCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    SnmpErr.Reset();
    const bool loaded = LoadCatalogue(SnmpErr, WriteFuzzFile(input.Octets, "snmp.err"));
    FUZZ_CHECK(loaded == (SnmpErr.LoadedCount() > 0));
    FUZZ_CHECK(SnmpErr.LoadedCount() <= 4096);
    for (int entry = 0; entry < SnmpErr.LoadedCount(); ++entry) {
        const QString text = SnmpErr.Text(entry);
        FUZZ_CHECK(!text.contains('\n'));
        FUZZ_CHECK(text.size() <= 1023);
    }
    for (int code = -120; code <= 0; ++code)
        (void)KtErrorText(code);
    return 0;
}
