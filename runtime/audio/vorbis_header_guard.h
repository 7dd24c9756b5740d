// A check of an OGG Vorbis file's comment and setup headers before stb_vorbis reads them.
//
// stb_vorbis trusts the length fields of the comment header and the size of codebook
// lookup tables; a damaged file can make it write outside its memory. This check reads
// the same header packets the same way and refuses any file whose lengths and table
// sizes do not fit inside the packet that holds them.
#pragma once

#include <cstdio>

// True when the headers are safe to hand to stb_vorbis. The read position is restored.
bool zr_audio_VorbisHeadersAreSafe(FILE* file);
