#pragma once
// What the fuzz targets share: a scratch file for the readers that take a
// file name, and a fault that stops the run when a property breaks.

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace krx::fuzz {

// A file of this process's own, rewritten with `size` bytes of `data`.
inline const std::string& ScratchFile(const std::uint8_t* data, std::size_t size) {
    // In memory where the machine has it: a file is written per input.
    static const std::string dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    static const std::string name = dir + "/krx-fuzz-" + std::to_string(::getpid()) + ".bin";
    if (FILE* f = std::fopen(name.c_str(), "wb")) {
        if (size > 0) std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
    return name;
}

// A broken property: libFuzzer keeps the input that caused it.
[[noreturn]] inline void Broken(const char* what) {
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

}  // namespace krx::fuzz
