// Feeds arbitrary bytes to the picture decoders: each must answer with a picture or a refusal,
// never crash, hang or allocate without bound.
#include <cstddef>
#include <cstdint>
#include <string>

#include "media/picture_codecs.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  media_internal::DecodedPicture picture;
  std::string error;
  if (media_internal::DecodePicture(data, size, picture, error)) {
    // A decoded picture always has exactly its size's worth of pixels.
    if (picture.rgba.size() != size_t(picture.width) * size_t(picture.height) * 4) __builtin_trap();
  }
  // The two formats without a strong signature are also tried head-on.
  media_internal::DecodeBmp(data, size, picture, error);
  media_internal::DecodeTga(data, size, picture, error);
  return 0;
}
