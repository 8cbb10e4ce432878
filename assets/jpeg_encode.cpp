#include "assets/jpeg_encode.h"

#include "assets/jpeg_errors.h"

#include <array>
#include <new>
#include <utility>

namespace {

using quorvel_jpeg_detail::ErrorManager;

// As in the decoder: all state outside the frame that calls setjmp. The output goes through a
// fixed chunk into a vector owned here (libjpeg's own memory destination leaves a dangling
// buffer pointer behind when compression fails after it has grown its buffer).
struct Session {
    jpeg_compress_struct cinfo{};
    ErrorManager errors;
    jpeg_destination_mgr destination{};
    std::array<unsigned char, 16384> chunk{};
    std::vector<unsigned char> output;
};

Session& SessionOf(j_compress_ptr cinfo) {
    return *static_cast<Session*>(cinfo->client_data);
}

void StartChunk(j_compress_ptr cinfo) {
    Session& s = SessionOf(cinfo);
    s.destination.next_output_byte = s.chunk.data();
    s.destination.free_in_buffer = s.chunk.size();
}

// Called from inside libjpeg: an exception must not cross its C frames.
void Append(j_compress_ptr cinfo, std::size_t count) {
    Session& s = SessionOf(cinfo);
    try {
        s.output.insert(s.output.end(), s.chunk.data(), s.chunk.data() + count);
    } catch (const std::bad_alloc&) {
        cinfo->err->msg_code = JERR_OUT_OF_MEMORY;
        (*cinfo->err->error_exit)(reinterpret_cast<j_common_ptr>(cinfo));
    }
}

boolean ChunkFull(j_compress_ptr cinfo) {
    Append(cinfo, SessionOf(cinfo).chunk.size());
    StartChunk(cinfo);
    return TRUE;
}

void FinishOutput(j_compress_ptr cinfo) {
    Session& s = SessionOf(cinfo);
    Append(cinfo, s.chunk.size() - s.destination.free_in_buffer);
}

bool Encode(Session& s, const unsigned char* pixels, int width, int height, JpegPixels layout,
            int quality) {
    s.cinfo.err = quorvel_jpeg_detail::InstallErrorManager(s.errors);
    if (setjmp(s.errors.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&s.cinfo);
    s.cinfo.client_data = &s;
    s.destination.init_destination = StartChunk;
    s.destination.empty_output_buffer = ChunkFull;
    s.destination.term_destination = FinishOutput;
    s.cinfo.dest = &s.destination;

    int components = 3;
    s.cinfo.in_color_space = JCS_RGB;
    if (layout == JpegPixels::Grey) {
        components = 1;
        s.cinfo.in_color_space = JCS_GRAYSCALE;
    } else if (layout == JpegPixels::Cmyk) {
        components = 4;
        s.cinfo.in_color_space = JCS_CMYK; // the defaults then write an Adobe marker
    }
    s.cinfo.image_width = static_cast<JDIMENSION>(width);
    s.cinfo.image_height = static_cast<JDIMENSION>(height);
    s.cinfo.input_components = components;
    jpeg_set_defaults(&s.cinfo);
    jpeg_set_quality(&s.cinfo, quality, TRUE);
    s.cinfo.optimize_coding = TRUE;
    for (int i = 0; i < s.cinfo.num_components; ++i) {
        s.cinfo.comp_info[i].h_samp_factor = 1;
        s.cinfo.comp_info[i].v_samp_factor = 1;
    }

    jpeg_start_compress(&s.cinfo, TRUE);
    const std::size_t stride = static_cast<std::size_t>(width) * components;
    while (s.cinfo.next_scanline < s.cinfo.image_height) {
        JSAMPROW row = const_cast<unsigned char*>(pixels + s.cinfo.next_scanline * stride);
        jpeg_write_scanlines(&s.cinfo, &row, 1);
    }
    jpeg_finish_compress(&s.cinfo);
    return true;
}

} // namespace

std::optional<std::vector<unsigned char>> EncodeJpeg(const unsigned char* pixels, int width,
                                                     int height, JpegPixels layout, int quality,
                                                     std::string* error) {
    if (pixels == nullptr || width <= 0 || height <= 0 || quality < 1 || quality > 100) {
        if (error != nullptr) {
            *error = "invalid arguments";
        }
        return std::nullopt;
    }
    Session session;
    bool encoded = false;
    try {
        encoded = Encode(session, pixels, width, height, layout, quality);
    } catch (const std::bad_alloc&) {
        quorvel_jpeg_detail::SetMessage(session.errors, "out of memory");
    }
    jpeg_destroy_compress(&session.cinfo);
    if (!encoded) {
        if (error != nullptr) {
            *error = session.errors.message;
        }
        return std::nullopt;
    }
    return std::move(session.output);
}
