// Sound files generated for tests: WAVE chunks by hand, OGG Vorbis through libvorbisenc.
#include "sound_files.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace audiotest {

void putU16(Bytes& out, uint32_t value) {
  out.push_back(value & 0xff);
  out.push_back((value >> 8) & 0xff);
}

void putU32(Bytes& out, uint32_t value) {
  putU16(out, value & 0xffff);
  putU16(out, value >> 16);
}

Bytes chunkWithSize(const std::string& tag, uint32_t declaredSize, const Bytes& payload) {
  Bytes out(tag.begin(), tag.end());
  putU32(out, declaredSize);
  out.insert(out.end(), payload.begin(), payload.end());
  return out;
}

Bytes chunk(const std::string& tag, const Bytes& payload) {
  return chunkWithSize(tag, static_cast<uint32_t>(payload.size()), payload);
}

Bytes formatPayload(int audioFormat, int channels, int hertz, int bitsPerSample, int extraBytes) {
  Bytes out;
  int blockAlign = channels * bitsPerSample / 8;
  putU16(out, audioFormat);
  putU16(out, channels);
  putU32(out, hertz);
  putU32(out, hertz * blockAlign);
  putU16(out, blockAlign);
  putU16(out, bitsPerSample);
  out.insert(out.end(), extraBytes, 0);
  return out;
}

Bytes riffWave(const std::vector<Bytes>& chunks) {
  Bytes body{'W', 'A', 'V', 'E'};
  for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
  return chunk("RIFF", body);
}

Bytes squarePcm16(int frames, int channels, int amplitude, int period) {
  Bytes out;
  for (int i = 0; i < frames; ++i)
    for (int c = 0; c < channels; ++c) putU16(out, static_cast<uint16_t>(i % period < period / 2 ? amplitude : -amplitude));
  return out;
}

Bytes squareWave16(int frames, int channels, int hertz, int amplitude) {
  return riffWave({chunk("fmt ", formatPayload(1, channels, hertz, 16)),
                   chunk("data", squarePcm16(frames, channels, amplitude))});
}

namespace {

void appendPage(Bytes& out, const ogg_page& page) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

Bytes page(const std::vector<Bytes>& packets, int sequence) {
  Bytes lacing, body;
  for (const Bytes& p : packets) {
    size_t left = p.size();
    for (; left >= 255; left -= 255) lacing.push_back(255);
    lacing.push_back(static_cast<uint8_t>(left));
    body.insert(body.end(), p.begin(), p.end());
  }
  Bytes out{'O', 'g', 'g', 'S', 0, static_cast<uint8_t>(sequence == 0 ? 2 : 0)};
  out.insert(out.end(), 8, 0);  // granule position
  putU32(out, 7);               // stream serial
  putU32(out, static_cast<uint32_t>(sequence));
  putU32(out, 0);  // checksum
  out.push_back(static_cast<uint8_t>(lacing.size()));
  out.insert(out.end(), lacing.begin(), lacing.end());
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

}  // namespace

Bytes oggTone(int frames, int channels, int hertz, float frequency, float amplitude) {
  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, hertz, 0.1f) != 0) throw std::runtime_error("vorbis setup");
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_dsp_state dsp;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block block;
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 7);

  Bytes out;
  ogg_packet header, commentHeader, codeHeader;
  vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &commentHeader);
  ogg_stream_packetin(&stream, &codeHeader);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page)) appendPage(out, page);

  auto drain = [&] {
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
        ogg_stream_packetin(&stream, &packet);
        while (ogg_stream_pageout(&stream, &page)) appendPage(out, page);
      }
    }
  };
  const int step = 1024;
  for (int start = 0; start < frames; start += step) {
    int count = frames - start < step ? frames - start : step;
    float** planes = vorbis_analysis_buffer(&dsp, count);
    for (int i = 0; i < count; ++i)
      for (int c = 0; c < channels; ++c)
        planes[c][i] = amplitude * std::sin(6.2831853f * frequency * (start + i) / hertz);
    vorbis_analysis_wrote(&dsp, count);
    drain();
  }
  vorbis_analysis_wrote(&dsp, 0);  // the end of the stream
  drain();
  while (ogg_stream_flush(&stream, &page)) appendPage(out, page);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  return out;
}

Bytes oggPages(const std::vector<Bytes>& packets) {
  Bytes out = page({packets[0]}, 0);
  Bytes rest = page(std::vector<Bytes>(packets.begin() + 1, packets.end()), 1);
  out.insert(out.end(), rest.begin(), rest.end());
  return out;
}

std::vector<Bytes> oggPackets(const Bytes& file) {
  std::vector<Bytes> packets(1);
  for (size_t at = 0; at + 27 <= file.size();) {
    int segments = file[at + 26];
    size_t data = at + 27 + segments;
    for (int s = 0; s < segments && data <= file.size(); ++s) {
      int size = file[at + 27 + s];
      packets.back().insert(packets.back().end(), file.begin() + static_cast<long>(data),
                            file.begin() + static_cast<long>(std::min(file.size(), data + size)));
      data += size;
      if (size < 255) packets.emplace_back();
    }
    at = data;
  }
  packets.pop_back();
  return packets;
}

void BitWriter::put(uint32_t value, int bits) {
  for (int i = 0; i < bits; ++i, ++m_used) {
    if (m_used % 8 == 0) m_bytes.push_back(0);
    m_bytes.back() |= static_cast<uint8_t>(((value >> i) & 1) << (m_used % 8));
  }
}

void writeFile(const std::string& path, const Bytes& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  if (!std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size()))
    throw std::runtime_error("cannot write " + path);
}

Bytes readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace audiotest
