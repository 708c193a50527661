#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/pixmap.hpp"

// Decoders behind DecodePicture; each returns none when the bytes are not its format or are
// broken in any way.
PixmapPtr DecodePNGBytes(const std::uint8_t* data, std::size_t size);
PixmapPtr DecodeJPEGBytes(const std::uint8_t* data, std::size_t size);
