// The libFuzzer entry: Val, the read-back and the whole calculation on one input. A violated
// property or a sanitizer report ends the run with the input saved.
#include "fuzz/calculationproperties.h"
#include "fuzz/fuzzcase.h"
#include "fuzz/readbackproperties.h"
#include "fuzz/valproperties.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace freefall::fuzz;
    if (size == 0)
        return 0;
    const FuzzCase fuzzCase = decodeFuzzCase(data, size);
    checkVal(fuzzCase.text);
    checkReadBack(fuzzCase.typed, *fuzzCase.regional);
    checkDirectPath(fuzzCase.text, *fuzzCase.regional, *fuzzCase.reference);
    checkCalculation(fuzzCase);
    return 0;
}
