#pragma once
// Entry points shared by the libFuzzer targets and the corpus replay test.  Each
// aborts when an input breaks an invariant; any crash or overread is a failure.

#include <cstddef>
#include <cstdint>

void FuzzParamFileInput(const uint8_t* data, size_t size);
void FuzzImageBackupInput(const uint8_t* data, size_t size);
