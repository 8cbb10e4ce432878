#pragma once

// libjpeg's own error handler prints to stderr and calls exit(). The handler here keeps the
// message and jumps back to the function that set `jump` instead, and treats warnings as
// errors: libjpeg warns about damaged data (a truncated file, corrupt entropy data) and would
// otherwise go on with a picture partly filled with grey. Internal to quorvel_jpeg.

#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>

namespace quorvel_jpeg_detail {

struct ErrorManager {
    jpeg_error_mgr pub{};
    std::jmp_buf jump{};
    char message[JMSG_LENGTH_MAX]{};
};

[[noreturn]] inline void JumpOnError(j_common_ptr cinfo) {
    auto* manager = reinterpret_cast<ErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, manager->message);
    std::longjmp(manager->jump, 1);
}

// Level -1 is a warning; higher levels are trace output, which is dropped.
inline void JumpOnWarning(j_common_ptr cinfo, int level) {
    if (level < 0) {
        JumpOnError(cinfo);
    }
}

inline void DropOutput(j_common_ptr) {}

// Returns the pointer for the `err` field of a libjpeg object.
inline jpeg_error_mgr* InstallErrorManager(ErrorManager& manager) {
    jpeg_error_mgr* err = jpeg_std_error(&manager.pub);
    err->error_exit = JumpOnError;
    err->emit_message = JumpOnWarning;
    err->output_message = DropOutput;
    std::strcpy(manager.message, "unknown error");
    return err;
}

inline void SetMessage(ErrorManager& manager, const char* text) {
    std::snprintf(manager.message, sizeof manager.message, "%s", text);
}

} // namespace quorvel_jpeg_detail
