// KtNumList parsing: the first octet is the delimiter, the rest the text.
#include "FuzzInput.h"
#include "KtNumList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const FuzzInput input(data + 1, size - 1);
    const char delimiter = char(data[0] & 0x7F);

    KtNumList<int> numbers;
    numbers.Delimiter = delimiter;
    numbers.Parse(input.Text);
    FUZZ_CHECK(numbers.Count() == numbers.CountItems(input.Text));
    if (numbers.Count() > 0)
        FUZZ_CHECK(numbers.IndexOf(numbers.Get(numbers.Count() - 1)) >= 0);

    KtNumList<unsigned int> address;
    address.Delimiter = delimiter;
    address.Parse(input.Text);
    FUZZ_CHECK(address.Count() == numbers.Count());
    address.AllInRange(0, 255);
    return 0;
}
