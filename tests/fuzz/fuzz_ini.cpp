// The INI reader of the device configuration and the registry stand-in over
// arbitrary files: values come back trimmed and at most 4,095 characters
// long, a missing value gives the default, and nothing blocks or crashes.
#include "FuzzFile.h"
#include "FuzzInput.h"
#include "KtIni.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    const KtIni ini(WriteFuzzFile(input.Octets, "device.cfg"));
    // The section and key the file itself names first, and the real ones.
    const QString text = input.Text;
    const qsizetype open = text.indexOf('[');
    const qsizetype close = text.indexOf(']', open + 1);
    const QString ownSection = open >= 0 && close > open ? text.mid(open + 1, close - open - 1) : QString();
    const qsizetype equals = text.indexOf('=', close + 1);
    const qsizetype lineStart = text.lastIndexOf('\n', equals) + 1;
    const QString ownKey = equals > 0 ? text.mid(lineStart, equals - lineStart) : QString();
    for (const QString &section : {ownSection, QStringLiteral("Program Information")}) {
        for (const QString &key : {ownKey, QStringLiteral("AgentPort"), QStringLiteral("SecurityLevel")}) {
            const QString value = ini.ReadString(section, key, QStringLiteral("default"));
            FUZZ_CHECK(value.size() <= 4095);
            FUZZ_CHECK(value == value.trimmed());
            FUZZ_CHECK(!value.isEmpty());
        }
        (void)ini.HasSection(section);
    }
    return 0;
}
