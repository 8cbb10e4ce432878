#include "assets/jpeg_decode.h"

#include "assets/jpeg_errors.h"

#include <cstdio>
#include <limits>
#include <new>
#include <utility>

namespace {

using quorvel_jpeg_detail::ErrorManager;

// Everything a decode touches lives here, in the frame of DecodeJpeg, not in the frame that
// calls setjmp: after a jump nothing the decoder reads back is left indeterminate.
struct Session {
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    DecodedImage image;
    std::vector<unsigned char> cmykRow;
};

// CMYK rows as libjpeg hands them over: inverted when an Adobe marker is present (the usual
// case), plain otherwise. Converted with the naive formula; good enough for a picture.
void CmykToRgb(const unsigned char* cmyk, unsigned char* rgb, int width, bool inverted) {
    for (int x = 0; x < width; ++x) {
        unsigned ink[4];
        for (int i = 0; i < 4; ++i) {
            ink[i] = inverted ? cmyk[i] : 255u - cmyk[i]; // 255 = no ink from here on
        }
        for (int i = 0; i < 3; ++i) {
            rgb[i] = static_cast<unsigned char>((ink[i] * ink[3] + 127u) / 255u);
        }
        cmyk += 4;
        rgb += 3;
    }
}

// The only function that calls setjmp. It keeps no state of its own that is read after a jump:
// every libjpeg error or warning lands in `return false` with the reason in s.errors.message.
bool Decode(Session& s, const unsigned char* data, std::size_t size) {
    s.cinfo.err = quorvel_jpeg_detail::InstallErrorManager(s.errors);
    if (setjmp(s.errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&s.cinfo);
    jpeg_mem_src(&s.cinfo, data, static_cast<unsigned long>(size));
    jpeg_read_header(&s.cinfo, TRUE);

    if (s.cinfo.image_width > static_cast<unsigned>(kMaxJpegSide) ||
        s.cinfo.image_height > static_cast<unsigned>(kMaxJpegSide)) {
        std::snprintf(s.errors.message, sizeof s.errors.message,
                      "picture too large (%ux%u, at most %dx%d)", s.cinfo.image_width,
                      s.cinfo.image_height, kMaxJpegSide, kMaxJpegSide);
        return false;
    }
    // libjpeg converts greyscale and YCbCr to RGB itself, but CMYK only to CMYK.
    const bool cmyk = s.cinfo.jpeg_color_space == JCS_CMYK || s.cinfo.jpeg_color_space == JCS_YCCK;
    s.cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&s.cinfo);
    if (s.cinfo.output_components != (cmyk ? 4 : 3)) {
        quorvel_jpeg_detail::SetMessage(s.errors, "unexpected number of colour components");
        return false;
    }

    const int width = static_cast<int>(s.cinfo.output_width);
    const int height = static_cast<int>(s.cinfo.output_height);
    s.image.width = width;
    s.image.height = height;
    s.image.rgb.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    if (cmyk) {
        s.cmykRow.resize(static_cast<std::size_t>(width) * 4);
    }
    while (s.cinfo.output_scanline < s.cinfo.output_height) {
        unsigned char* target =
            s.image.rgb.data() +
            static_cast<std::size_t>(s.cinfo.output_scanline) * static_cast<std::size_t>(width) * 3;
        JSAMPROW row = cmyk ? s.cmykRow.data() : target;
        if (jpeg_read_scanlines(&s.cinfo, &row, 1) != 1) {
            quorvel_jpeg_detail::SetMessage(s.errors, "decoder stopped before the last row");
            return false;
        }
        if (cmyk) {
            CmykToRgb(s.cmykRow.data(), target, width, s.cinfo.saw_Adobe_marker != 0);
        }
    }
    jpeg_finish_decompress(&s.cinfo);
    return true;
}

} // namespace

std::optional<DecodedImage> DecodeJpeg(const unsigned char* data, std::size_t size,
                                       std::string* error) {
    auto fail = [error](const char* reason) -> std::optional<DecodedImage> {
        if (error != nullptr) {
            *error = reason;
        }
        return std::nullopt;
    };
    if (data == nullptr || size == 0) {
        return fail("no data");
    }
    if (size > std::numeric_limits<unsigned long>::max()) {
        return fail("data too large");
    }

    Session session;
    bool decoded = false;
    try {
        decoded = Decode(session, data, size);
    } catch (const std::bad_alloc&) {
        quorvel_jpeg_detail::SetMessage(session.errors, "out of memory");
    }
    jpeg_destroy_decompress(&session.cinfo); // safe on a never-created, zeroed object too
    if (!decoded) {
        return fail(session.errors.message);
    }
    return std::move(session.image);
}
