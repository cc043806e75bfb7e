// The font unpacker on any bytes: never past its output, never past its input.
#include "console/text/font_unpack.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t block_size = 10742;
    // Exact-size heap copies, so the sanitizer sees a read or write one past either.
    auto packed = std::make_unique<std::uint8_t[]>(size);
    std::copy(data, data + size, packed.get());
    auto out = std::make_unique<std::uint8_t[]>(block_size);
    font_unpack({packed.get(), size}, {out.get(), block_size});
    return 0;
}
