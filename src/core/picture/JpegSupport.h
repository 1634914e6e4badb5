// What the JPEG reader, the writer and the decoder ahead share to drive libjpeg: its errors
// taken back to the caller with the fault's kind, and a file source reading 64 KB at a time.
#pragma once

#include <array>
#include <csetjmp>
#include <cstdio>
// clang-format off
#include <jpeglib.h> // needs <cstdio> first
// clang-format on

namespace tracelle::picture {

struct JpegErrors {
    jpeg_error_mgr pub; // first, so that libjpeg's pointer to it leads back here
    std::jmp_buf jump;  // where a fault returns to
    int code;
    bool truncated;
};

// A fault jumps back to `errors.jump`; so does a premature end, which libjpeg would only warn
// of, padding the rest with grey. Other warnings are let pass.
void installJpegErrors(JpegErrors& errors);

// libjpeg's own file source reads 4 KB at a time, which keeps its Huffman decoder off its fast
// path; reads of 64 KB decode a large scan several percent faster.
struct JpegFileSource {
    jpeg_source_mgr pub; // first, so that libjpeg's pointer to it leads back here
    std::FILE* file;
    bool startOfFile;
    std::array<JOCTET, 65536> buffer;
};

void readJpegFrom(jpeg_decompress_struct& cinfo, JpegFileSource& source, std::FILE* file);

} // namespace tracelle::picture
