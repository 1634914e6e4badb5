#include "picture/JpegSupport.h"

#include <jerror.h>

namespace tracelle::picture {

namespace {

[[noreturn]] void onError(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    errors->code = cinfo->err->msg_code;
    std::longjmp(errors->jump, 1);
}

// A file cut short that still ends with an end marker is met as a marker inside the scan's
// data. Other warnings (stray bytes between markers) are let pass.
void onMessage(j_common_ptr cinfo, int level) {
    const int code = cinfo->err->msg_code;
    if (level == -1 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
        auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
        errors->truncated = true;
        std::longjmp(errors->jump, 1);
    }
}

void noOutput(j_common_ptr) {}

void initSource(j_decompress_ptr cinfo) {
    reinterpret_cast<JpegFileSource*>(cinfo->src)->startOfFile = true;
}

// The end of the file is met as libjpeg meets it: an empty file is refused, a cut one gets an
// end marker and the warning that has it refused.
boolean fillInput(j_decompress_ptr cinfo) {
    auto* src = reinterpret_cast<JpegFileSource*>(cinfo->src);
    std::size_t n = std::fread(src->buffer.data(), 1, src->buffer.size(), src->file);
    if (n == 0) {
        if (src->startOfFile) ERREXIT(cinfo, JERR_INPUT_EMPTY);
        WARNMS(cinfo, JWRN_JPEG_EOF);
        src->buffer[0] = 0xFF;
        src->buffer[1] = JPEG_EOI;
        n = 2;
    }
    src->pub.next_input_byte = src->buffer.data();
    src->pub.bytes_in_buffer = n;
    src->startOfFile = false;
    return TRUE;
}

void skipInput(j_decompress_ptr cinfo, long count) {
    if (count <= 0) return;
    auto* src = reinterpret_cast<JpegFileSource*>(cinfo->src);
    while (count > static_cast<long>(src->pub.bytes_in_buffer)) {
        count -= static_cast<long>(src->pub.bytes_in_buffer);
        fillInput(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= static_cast<std::size_t>(count);
}

void termSource(j_decompress_ptr) {}

} // namespace

void installJpegErrors(JpegErrors& errors) {
    jpeg_std_error(&errors.pub);
    errors.pub.error_exit = onError;
    errors.pub.emit_message = onMessage;
    errors.pub.output_message = noOutput;
    errors.code = 0;
    errors.truncated = false;
}

void readJpegFrom(jpeg_decompress_struct& cinfo, JpegFileSource& source, std::FILE* file) {
    source.pub.init_source = initSource;
    source.pub.fill_input_buffer = fillInput;
    source.pub.skip_input_data = skipInput;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = termSource;
    source.pub.bytes_in_buffer = 0;
    source.pub.next_input_byte = nullptr;
    source.file = file;
    cinfo.src = &source.pub;
}

} // namespace tracelle::picture
