#pragma once

#include <optional>
#include <string>
#include <vector>

// How the pixels handed to EncodeJpeg are laid out: 1, 3 or 4 bytes per pixel, rows from
// top to bottom, no padding. CMYK is written as Adobe applications do (inverted, with an
// Adobe marker), which is how CMYK JPEGs are met in practice.
enum class JpegPixels { Grey, Rgb, Cmyk };

// Encodes pixels as a baseline JPEG (colour without chroma subsampling, so that the lettering
// of the artwork stays sharp). Used by the artwork tool and by the tests that need unusual
// JPEGs; the program itself only decodes. Gives nullopt and a reason on failure.
std::optional<std::vector<unsigned char>> EncodeJpeg(const unsigned char* pixels, int width,
                                                     int height, JpegPixels layout, int quality,
                                                     std::string* error);
