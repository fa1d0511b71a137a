#include "about/jpeg_decode.h"

#include <climits>
#include <csetjmp>
#include <cstdio>
#include <new>

#include <jpeglib.h>

namespace {

// libjpeg reports errors by calling error_exit, which must not return; the
// jump takes the decoder back to Run_Decode, which then reports failure.
struct Decode_Errors {
  jpeg_error_mgr Pub;
  std::jmp_buf Jump;
};

[[noreturn]] void Fail_Decode(j_common_ptr cinfo) {
  std::longjmp(reinterpret_cast<Decode_Errors*>(cinfo->err)->Jump, 1);
}

// Level -1 is a warning about corrupt data (a truncated file among them:
// libjpeg would pad it with grey and carry on). Trace levels are ignored.
void Watch_Messages(j_common_ptr cinfo, int level) {
  if (level < 0) Fail_Decode(cinfo);
}

void Silence(j_common_ptr) {}

// Widens a row of RGB triples to blue, green, red, 0 quads in place; the row
// was read into the start of its own 4-byte-per-pixel slot, and going from the
// right end leftwards never overwrites a triple that is still to be read.
void Widen_Row(std::uint8_t* row, int width) {
  for (int x = width - 1; x >= 0; --x) {
    const std::uint8_t r = row[3 * x], g = row[3 * x + 1], b = row[3 * x + 2];
    row[4 * x] = b;
    row[4 * x + 1] = g;
    row[4 * x + 2] = r;
    row[4 * x + 3] = 0;
  }
}

// Everything that can end in a jump lives here, and nothing in this frame
// needs destroying: the picture belongs to the caller.
bool Run_Decode(jpeg_decompress_struct& cinfo, Decode_Errors& errors, const std::uint8_t* data,
                std::size_t size, Jpeg_Picture& out) {
  if (setjmp(errors.Jump)) return false;
  jpeg_create_decompress(&cinfo);
  jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(size));
  if (jpeg_read_header(&cinfo, TRUE) != JPEG_HEADER_OK) return false;
  const long long pixels = static_cast<long long>(cinfo.image_width) * cinfo.image_height;
  if (pixels <= 0 || pixels > Jpeg_Max_Pixels) return false;
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  if (cinfo.output_components != 3) return false;
  out.Width = static_cast<int>(cinfo.output_width);
  out.Height = static_cast<int>(cinfo.output_height);
  const std::size_t stride = static_cast<std::size_t>(out.Width) * 4;
  out.Pixels.resize(stride * out.Height);
  while (cinfo.output_scanline < cinfo.output_height) {
    std::uint8_t* row = out.Pixels.data() + stride * cinfo.output_scanline;
    JSAMPROW rows[1] = {row};
    if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) return false;
    Widen_Row(row, out.Width);
  }
  jpeg_finish_decompress(&cinfo);
  return true;
}

}  // namespace

Jpeg_Picture Decode_Jpeg(const std::uint8_t* data, std::size_t size) {
  Jpeg_Picture picture;
  if (data == nullptr || size == 0 || size > ULONG_MAX) return picture;
  jpeg_decompress_struct cinfo{};
  Decode_Errors errors{};
  cinfo.err = jpeg_std_error(&errors.Pub);
  errors.Pub.error_exit = Fail_Decode;
  errors.Pub.emit_message = Watch_Messages;
  errors.Pub.output_message = Silence;
  bool ok = false;
  try {
    ok = Run_Decode(cinfo, errors, data, size, picture);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  jpeg_destroy_decompress(&cinfo);
  if (!ok) return Jpeg_Picture{};
  return picture;
}
