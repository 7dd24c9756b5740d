// Opening platform files and reading them whole: the byte and image loaders under the
// host's OpenFile, LoadData and LoadImageData. Paths arrive already translated to the
// platform's form; the caller closes the file it passed in.
#pragma once

#include <cstdio>

#include "runtime/string.h"

// Opens a platform path (UTF-8 on this platform) with a standard mode such as "rb".
FILE* zr_storage_OpenFile(const String& filePath, const String& mode);

// Reads from the current position to the end into one malloc'd block (the caller frees
// it) and reports the block to the collector. Null when the memory cannot be had.
unsigned char* zr_storage_ReadWholeFile(FILE* file, int* length);

// Decodes a PNG file with its own number of components; null when the bytes are not a
// PNG image stb_image can read. The pixels are freed with std::free.
unsigned char* zr_storage_DecodeImage(FILE* file, int* width, int* height, int* components);
