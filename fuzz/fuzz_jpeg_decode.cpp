// DecodeJpeg on arbitrary bytes: it must return, without touching memory it does not own,
// and a picture it accepts must be whole: sides within the limit and three bytes per pixel.

#include "assets/jpeg_decode.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const std::optional<DecodedImage> image = DecodeJpeg(data, size, &error);
    if (!image) {
        if (error.empty()) {
            std::fprintf(stderr, "refused without a reason\n");
            std::abort();
        }
        return 0;
    }
    const bool sidesOk = image->width > 0 && image->height > 0 && image->width <= kMaxJpegSide &&
                         image->height <= kMaxJpegSide;
    const std::size_t expected = sidesOk ? static_cast<std::size_t>(image->width) *
                                               static_cast<std::size_t>(image->height) * 3
                                         : 0;
    if (!sidesOk || image->rgb.size() != expected) {
        std::fprintf(stderr, "inconsistent picture: %dx%d with %zu bytes\n", image->width,
                     image->height, image->rgb.size());
        std::abort();
    }
    // Touch every byte, so that a buffer shorter than it claims shows under AddressSanitizer.
    unsigned sum = 0;
    for (unsigned char byte : image->rgb) {
        sum += byte;
    }
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
