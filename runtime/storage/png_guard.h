// A check of a PNG file's layout and size before stb_image reads it.
//
// stb_image trusts the length of each chunk and the image size in the header: it reserves
// memory for them before it finds that the file holds far less, so a damaged file of a
// few hundred bytes can make it ask for gigabytes. It would also hand any file that is
// not a PNG to its other decoders, some of which read a damaged header's hundreds of
// millions of pixels one by one. The game's pictures are all PNG files, so this check
// refuses everything else too.
#pragma once

#include <cstdio>

// The widest and tallest picture loaded: more than any texture many drivers can hold.
constexpr int kLargestImageSide = 8192;

// True when the file is a PNG whose header comes first and describes an image of at most
// kLargestImageSide pixels each way, and whose chunks up to the end chunk all lie within
// the file. The read position is restored.
bool zr_storage_PngIsSafe(FILE* file);
