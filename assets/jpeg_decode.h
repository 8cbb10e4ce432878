#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A decoded picture: 3 bytes (R, G, B) per pixel, rows from top to bottom, no padding.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> rgb; // width * height * 3
};

// Pictures larger than this on either side are refused before anything is allocated.
inline constexpr int kMaxJpegSide = 10000;

// Decodes a JPEG held in memory. Greyscale and CMYK pictures come out as RGB too.
// Damaged or unsupported data gives nullopt and, when `error` is given, a one-line reason;
// a picture that libjpeg only warns about (a truncated file, corrupt entropy data) counts
// as damaged, since libjpeg would quietly fill the missing part with grey.
// Never writes to stderr and never ends the process.
std::optional<DecodedImage> DecodeJpeg(const unsigned char* data, std::size_t size,
                                       std::string* error);
