// libjpeg encoding and decoding in memory; see jpeg_codec.h.
// NOTE: libjpeg reports a fatal error through error_exit, which must not return: it jumps back
// to the setjmp in the function that called libjpeg. Only plain C frames lie between the two,
// and every object with a destructor in that function is made before the setjmp, so the jump
// skips no destructor.
#include "assets/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace jpeg {
namespace {

struct ErrorJump {
    jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is a pointer to this
    std::jmp_buf jump;
};

void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorJump*>(info->err)->jump, 1);
}

void Quiet(j_common_ptr, int) {}

void UseErrorJump(ErrorJump& error) {
    jpeg_std_error(&error.manager);
    error.manager.error_exit = JumpBack;
    error.manager.emit_message = Quiet;  // warnings about corrupt data: the caller sees the result
}

}  // namespace

std::vector<uint8_t> EncodeBaseline(const RgbImage& image, int quality) {
    std::vector<uint8_t> file;
    if (image.width <= 0 || image.height <= 0 ||
        image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3) {
        return file;
    }
    jpeg_compress_struct info{};
    ErrorJump error{};
    unsigned char* output = nullptr;
    unsigned long outputBytes = 0;
    info.err = &error.manager;
    UseErrorJump(error);
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        std::free(output);
        return {};
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &output, &outputBytes);
    info.image_width = static_cast<JDIMENSION>(image.width);
    info.image_height = static_cast<JDIMENSION>(image.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    // The defaults are a baseline, sequential, Huffman-coded JFIF 1.01 file in YCbCr.
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, /*force_baseline*/ TRUE);
    for (int c = 0; c < 3; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    jpeg_start_compress(&info, TRUE);
    const size_t rowBytes = static_cast<size_t>(image.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(&image.rgb[info.next_scanline * rowBytes]);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    file.assign(output, output + outputBytes);
    jpeg_destroy_compress(&info);
    std::free(output);
    return file;
}

std::optional<RgbImage> Decode(const std::vector<uint8_t>& file) {
    RgbImage image;
    if (file.empty()) return std::nullopt;
    jpeg_decompress_struct info{};
    ErrorJump error{};
    info.err = &error.manager;
    UseErrorJump(error);
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return std::nullopt;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image.width = static_cast<int>(info.output_width);
    image.height = static_cast<int>(info.output_height);
    image.rgb.resize(static_cast<size_t>(image.width) * image.height * 3);
    const size_t rowBytes = static_cast<size_t>(image.width) * 3;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = &image.rgb[info.output_scanline * rowBytes];
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

}  // namespace jpeg
