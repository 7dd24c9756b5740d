// Encodes a mono float buffer as OGG Vorbis with libvorbisenc (variable bit rate by
// quality). The stream serial number is fixed, so the file is the same on every build.
#include <ogg/ogg.h>
#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <string>
#include <vector>

#include "audio.h"

namespace datagen {

bool writeOgg(const std::string& path, const std::vector<float>& mono, int rate, float quality) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  vorbis_info vi;
  vorbis_info_init(&vi);
  if (vorbis_encode_init_vbr(&vi, 1, rate, quality) != 0) {
    std::fclose(f);
    return false;
  }
  vorbis_comment vc;
  vorbis_comment_init(&vc);
  vorbis_comment_add_tag(&vc, "ENCODER", "tinsel-datagen");
  vorbis_dsp_state vd;
  vorbis_block vb;
  vorbis_analysis_init(&vd, &vi);
  vorbis_block_init(&vd, &vb);
  ogg_stream_state os;
  ogg_stream_init(&os, 0x54494e53);  // "TINS"
  ogg_packet header, headerComm, headerCode;
  vorbis_analysis_headerout(&vd, &vc, &header, &headerComm, &headerCode);
  ogg_stream_packetin(&os, &header);
  ogg_stream_packetin(&os, &headerComm);
  ogg_stream_packetin(&os, &headerCode);
  ogg_page og;
  bool ok = true;
  auto writePage = [&]() {
    ok = ok && std::fwrite(og.header, 1, size_t(og.header_len), f) == size_t(og.header_len);
    ok = ok && std::fwrite(og.body, 1, size_t(og.body_len), f) == size_t(og.body_len);
  };
  while (ogg_stream_flush(&os, &og) != 0) writePage();

  const size_t chunk = 4096;
  size_t pos = 0;
  bool eos = false;
  while (!eos) {
    size_t n = std::min(chunk, mono.size() - pos);
    if (n == 0) {
      vorbis_analysis_wrote(&vd, 0);
    } else {
      float** buf = vorbis_analysis_buffer(&vd, int(n));
      for (size_t i = 0; i < n; ++i) buf[0][i] = mono[pos + i];
      vorbis_analysis_wrote(&vd, int(n));
      pos += n;
    }
    while (vorbis_analysis_blockout(&vd, &vb) == 1) {
      vorbis_analysis(&vb, nullptr);
      vorbis_bitrate_addblock(&vb);
      ogg_packet op;
      while (vorbis_bitrate_flushpacket(&vd, &op)) {
        ogg_stream_packetin(&os, &op);
        while (!eos && ogg_stream_pageout(&os, &og) != 0) {
          writePage();
          if (ogg_page_eos(&og)) eos = true;
        }
      }
    }
    if (n == 0 && !eos) {
      // flush whatever is left
      while (ogg_stream_flush(&os, &og) != 0) {
        writePage();
        if (ogg_page_eos(&og)) eos = true;
      }
      eos = true;
    }
  }
  ogg_stream_clear(&os);
  vorbis_block_clear(&vb);
  vorbis_dsp_clear(&vd);
  vorbis_comment_clear(&vc);
  vorbis_info_clear(&vi);
  ok = (std::fclose(f) == 0) && ok;
  return ok;
}

}  // namespace datagen
