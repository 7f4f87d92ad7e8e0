// The picture of the emblem button: a PNG kept inside the program, decoded when the window is built.
#pragma once

#include <QImage>
#include <span>

namespace ombrix {

// The bytes of the emblem's PNG (17 x 29 pixels, RGBA), compiled into the program from
// src/app/resources/emblem.png, which resources/make_emblem.cpp draws.
std::span<const unsigned char> emblem_png_bytes();

// The pixels of the PNG held in `bytes`, as 8-bit RGBA with straight alpha; a null image when
// the bytes are not a PNG that can be read.
QImage decode_png(std::span<const unsigned char> bytes);

}  // namespace ombrix
