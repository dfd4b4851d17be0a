// The boot-counter reader and writer over arbitrary files: a counter read is
// never negative, and after a save the file holds only well-formed lines and
// gives back the counter saved, whatever it held before, unless it was too
// long to be read whole, which is never rewritten.
#include "FuzzFile.h"
#include "FuzzInput.h"
#include "KtSNMPEngine.h"

#include <QFile>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    const QString path = WriteFuzzFile(input.Octets, "KtSNMP_PP_BootCounter");
    qint32 boot = -1;
    const int found = GetBootCounter(path, KtLocalEngineID, boot);
    FUZZ_CHECK(found == BootCounterFound || found == BootCounterNoLine || found == BootCounterTooLong);
    FUZZ_CHECK(boot >= 0);
    if (found != BootCounterFound)
        FUZZ_CHECK(boot == 0);
    if (found == BootCounterTooLong) { // never rewritten
        FUZZ_CHECK(SaveBootCounter(path, KtLocalEngineID, 1) == -1);
        return 0;
    }

    const qint32 next = input.Number<qint32>() & 0x7fffffff;
    FUZZ_CHECK(SaveBootCounter(path, KtLocalEngineID, next) == 0);
    qint32 again = -1;
    FUZZ_CHECK(GetBootCounter(path, KtLocalEngineID, again) == BootCounterFound);
    FUZZ_CHECK(again == next);

    QFile saved(path);
    FUZZ_CHECK(saved.open(QIODevice::ReadOnly));
    const QByteArray content = saved.readAll();
    FUZZ_CHECK(content.endsWith('\n'));
    FUZZ_CHECK(content.size() <= input.Octets.size() + 64);
    return 0;
}
