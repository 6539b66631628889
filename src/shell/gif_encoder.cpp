#include "shell/gif_encoder.h"

#include <gif_lib.h>

#include <memory>

namespace orrery {
namespace {

int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + length);
    return length;
}

struct MapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// A GIF colour table holds a power of two of entries.
int tableSize(std::size_t colors) {
    int size = 2;
    while (static_cast<std::size_t>(size) < colors) size *= 2;
    return size;
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture) {
    std::vector<std::uint8_t> bytes;
    if (picture.width <= 0 || picture.height <= 0 || picture.palette.empty() || picture.palette.size() > 256 ||
        picture.indices.size() != static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height))
        return {};
    const int size = tableSize(picture.palette.size());
    std::vector<GifColorType> colors(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < picture.palette.size(); ++i) {
        const std::uint32_t rgb = picture.palette[i];
        colors[i] = {static_cast<GifByteType>(rgb >> 16), static_cast<GifByteType>(rgb >> 8),
                     static_cast<GifByteType>(rgb)};
    }
    const std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(size, colors.data()));
    if (!map) return {};

    int error = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &error);
    if (!gif) return {};
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, picture.width, picture.height, 8, 0, map.get()) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) == GIF_OK;
    for (std::int32_t y = 0; ok && y < picture.height; ++y) {
        auto* row = const_cast<GifPixelType*>(picture.indices.data() + static_cast<std::size_t>(y) * picture.width);
        ok = EGifPutLine(gif, row, picture.width) == GIF_OK;
    }
    if (EGifCloseFile(gif, &error) != GIF_OK) ok = false;
    if (!ok) return {};
    return bytes;
}

}  // namespace orrery
