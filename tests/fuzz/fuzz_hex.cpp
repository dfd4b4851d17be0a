// Hexadecimal text to octets (value texts and port-list bitmaps).
#include "FuzzInput.h"
#include "KtBinaryString.h"
#include "KtTextForm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const FuzzInput input(data, size);
    using namespace KtTextForm;

    const QByteArray octets = HexToOctets(input.Text);
    FUZZ_CHECK(HexToOctets(OctetsToHex(octets)) == octets);
    FUZZ_CHECK(HexToOctets(OctetsToHex(input.Octets)) == input.Octets);

    const KtBinaryString ports(input.Text);
    FUZZ_CHECK(ports.Length() == input.Text.size() / 2);
    int members = 0;
    for (int port = 0; port <= 8 * ports.Length() + 8; ++port)
        members += ports.HasPort(port);
    FUZZ_CHECK(members <= 8 * ports.Length());
    return 0;
}
