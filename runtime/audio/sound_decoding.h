// Turns a sound file into one block of interleaved little-endian PCM for the audio device.
//
// Two formats are read: uncompressed RIFF/WAVE (8- or 16-bit) and OGG Vorbis, which is
// decoded whole into 16-bit samples. Every damaged, truncated or unsupported file gives
// null and never a crash; no allocation is ever larger than what the file can really
// yield. The returned block comes from malloc and belongs to the caller, who frees it.
#pragma once

#include <cstdio>

#include "runtime/string.h"

// Decodes an open file by the ending of its path (".wav" or ".ogg", case ignored; any
// other ending gives null). On success: length = samples per channel, channels = 1 or 2,
// format = bytes per sample, hertz = sample rate; the block's size is reported to the
// collector as memory outside it. The file is read but not closed: whoever opened it
// closes it.
unsigned char* zr_audio_LoadAudioFile(FILE* file, const String& path, int* length, int* channels,
                                      int* format, int* hertz);

unsigned char* LoadWAV(FILE* file, int* length, int* channels, int* format, int* hertz);
unsigned char* LoadOGG(FILE* file, int* length, int* channels, int* format, int* hertz);
