// Writes the seed corpus of the sound-decoder fuzzer. Usage: make_audio_corpus FOLDER.
#include <cstdio>
#include <string>
#include <vector>

#include "sound_files.h"

using namespace audiotest;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_audio_corpus FOLDER\n");
    return 1;
  }
  std::string folder = argv[1];
  Bytes pcm = squarePcm16(64, 1, 9000, 16);
  Bytes fmt16 = chunk("fmt ", formatPayload(1, 1, 8000, 16));
  Bytes tone = oggTone(1500, 1, 8000);
  std::vector<Bytes> packets = oggPackets(tone);
  Bytes lyingComment{3, 'v', 'o', 'r', 'b', 'i', 's', 0xff, 0xff, 0xff, 0xff, 0, 0, 0, 0, 1};
  struct Seed {
    const char* name;
    Bytes bytes;
  } seeds[] = {
      {"wav_mono8", riffWave({chunk("fmt ", formatPayload(1, 1, 8000, 8)), chunk("data", Bytes(pcm.begin(), pcm.begin() + 64))})},
      {"wav_stereo16", squareWave16(64, 2, 22050, 9000)},
      {"wav_fmt18", riffWave({chunk("fmt ", formatPayload(1, 1, 8000, 16, 2)), chunk("data", pcm)})},
      {"wav_list", riffWave({fmt16, chunk("LIST", Bytes(12, 'i')), chunk("data", pcm)})},
      {"wav_odd_chunk_padded", riffWave({fmt16, chunk("note", Bytes(3, 'n')), Bytes{0}, chunk("data", pcm)})},
      {"wav_float_format", riffWave({chunk("fmt ", formatPayload(3, 1, 8000, 32)), chunk("data", pcm)})},
      {"wav_no_channels", riffWave({chunk("fmt ", formatPayload(1, 0, 8000, 16)), chunk("data", pcm)})},
      {"wav_data_too_long", riffWave({fmt16, chunkWithSize("data", 0x7fffffff, pcm)})},
      {"ogg_mono", tone},
      {"ogg_vendor_length_lie", oggPages({packets[0], lyingComment, packets[2]})},
      {"ogg_stereo", oggTone(1500, 2, 11025, 660.0f)},
  };
  for (const Seed& seed : seeds) writeFile(folder + "/" + seed.name, seed.bytes);
  std::printf("wrote %zu seeds to %s\n", sizeof seeds / sizeof seeds[0], folder.c_str());
  return 0;
}
