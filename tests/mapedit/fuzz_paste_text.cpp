#include "paste_fuzz_body.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzPasteTextOnce(data, size);
    return 0;
}
