#include "platform/exception.h"
#include "platform/image_io.h"
#include "render/embedded_assets.h"

TBitmap LoadEmbeddedPicture(std::string_view fileName) {
  std::span<const uint8_t> bytes = EmbeddedAsset(fileName);
  if (bytes.empty()) throw Exception(FormatMessage("Embedded picture '%s' not found", std::string(fileName)));
  try {
    return DecodeBmp(bytes.data(), bytes.size());
  } catch (const EImageError& error) {
    throw Exception("Embedded picture '" + std::string(fileName) + "': " + error.what());
  }
}
