#pragma once

// libjpeg's own error handler ends the process. The program's handler keeps libjpeg's text and
// jumps back to the setjmp of the caller, which then reports the failure like any other. The
// frame the jump lands in must hold nothing with a destructor.

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace quenra::jpeg_trap {

struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] inline void JumpOnError(j_common_ptr info) {
    auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->resume, 1);
}

// Warnings (corrupt-data notices and the like) are not worth a line on stderr.
inline void IgnoreMessage(j_common_ptr /*info*/, int /*level*/) {}

// Points `err` of a compress or decompress struct at `errors`, trapping as above.
inline jpeg_error_mgr* TrapErrors(JumpingErrorManager& errors) {
    jpeg_error_mgr* manager = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.emit_message = IgnoreMessage;
    return manager;
}

} // namespace quenra::jpeg_trap
