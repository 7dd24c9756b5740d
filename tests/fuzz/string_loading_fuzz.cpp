// Fuzz entry for text files. Beyond memory safety: reading a file gives what decoding its
// bytes gives, and what the program writes back (UTF-8, as every save) reads in unchanged.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "runtime/string.h"

namespace {

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  String decoded = String::Decode(data, size);
  bool fellBack = !String::LoadError().IsEmpty();

  if (FILE* file = fmemopen(const_cast<uint8_t*>(data), size, "rb")) {
    String loaded = String::Load(file);
    std::fclose(file);
    if (loaded != decoded) fail("reading the file differs from decoding its bytes");
  }

  if (fellBack) {
    size_t skipped = size >= 3 && data[0] == 0xef && data[1] == 0xbb && data[2] == 0xbf ? 3 : 0;
    if (static_cast<size_t>(decoded.Length()) != size - skipped) fail("the Latin-1 fallback lost or added bytes");
    for (int i = 0; i < decoded.Length(); ++i)
      if (decoded[i] != data[skipped + i]) fail("the Latin-1 fallback changed a byte");
  }

  String reread = String::FromUtf8(decoded.ToUtf8());
  if (!String::LoadError().IsEmpty()) fail("text the program wrote is not valid UTF-8 to itself");
  // A leading U+FEFF is written as the bytes of a UTF-8 byte-order mark, which reading skips.
  String expected = decoded.Length() > 0 && decoded[0] == 0xfeff ? decoded.Slice(1) : decoded;
  if (reread != expected) fail("text written back as UTF-8 reads in differently");
  return 0;
}
