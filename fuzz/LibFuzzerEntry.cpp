#include "FuzzTargets.h"

// ZEL_FUZZ_TARGET names the entry point of FuzzTargets.h this executable fuzzes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return ZEL_FUZZ_TARGET(data, size);
}
