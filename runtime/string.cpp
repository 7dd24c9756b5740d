// String operations, number formatting and text-file decoding.
#include "runtime/string.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "runtime/array.h"

String::Rep String::nullRep = {1, 0, {0}};

namespace {
String g_loadError;
}

void String::Rep::release() {
  if (--refs == 0 && this != &nullRep) std::free(this);
}

String::Rep* String::Rep::alloc(int length) {
  if (length <= 0) {
    nullRep.retain();
    return &nullRep;
  }
  Rep* rep = static_cast<Rep*>(std::malloc(sizeof(Rep) + sizeof(Char) * static_cast<size_t>(length)));
  rep->refs = 1;
  rep->length = length;
  return rep;
}

String::String(const Char* units, int count) : m_rep(Rep::alloc(count)) {
  if (count > 0) std::memcpy(m_rep->data, units, sizeof(Char) * count);
}

String::String(const char* text) : m_rep(Rep::alloc(static_cast<int>(std::strlen(text)))) {
  for (int i = 0; i < m_rep->length; ++i)
    m_rep->data[i] = static_cast<Char>(static_cast<signed char>(text[i]));
}

namespace {

std::string formatInt(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%i", value);
  return buffer;
}

std::string formatFloat(float value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17lg", static_cast<double>(value));
  std::string text = buffer;
  // Whole numbers keep a ".0" so they still read as floats; exponent forms stay as they are.
  if (text.find_first_of(".e") == std::string::npos) text += ".0";
  return text;
}

}  // namespace

String::String(int value) : String(formatInt(value).c_str()) {}

String::String(float value) : String(formatFloat(value).c_str()) {}

String& String::operator=(const String& other) {
  other.m_rep->retain();
  m_rep->release();
  m_rep = other.m_rep;
  return *this;
}

String& String::operator=(String&& other) noexcept {
  if (this != &other) {
    m_rep->release();
    m_rep = other.m_rep;
    other.m_rep = &nullRep;
  }
  return *this;
}

String String::FromChar(int unit) {
  Char c = static_cast<Char>(unit);
  return String(&c, 1);
}

String String::FromUtf8(const std::string& bytes) {
  return Decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

String operator+(const String& a, const String& b) {
  if (a.IsEmpty()) return b;
  if (b.IsEmpty()) return a;
  String::Rep* rep = String::Rep::alloc(a.Length() + b.Length());
  std::memcpy(rep->data, a.Data(), sizeof(Char) * a.Length());
  std::memcpy(rep->data + a.Length(), b.Data(), sizeof(Char) * b.Length());
  return String(rep);
}

bool operator==(const String& a, const String& b) {
  return a.Length() == b.Length() && std::memcmp(a.Data(), b.Data(), sizeof(Char) * a.Length()) == 0;
}

int String::Compare(const String& other) const {
  int n = Length() < other.Length() ? Length() : other.Length();
  for (int i = 0; i < n; ++i)
    if (m_rep->data[i] != other.m_rep->data[i]) return static_cast<int>(m_rep->data[i]) - other.m_rep->data[i];
  return Length() - other.Length();
}

String String::Join(const Array<String>& pieces) const {
  int count = pieces.Length();
  if (count == 0) return String();
  if (count == 1) return pieces[0];
  int total = Length() * (count - 1);
  for (int i = 0; i < count; ++i) total += pieces[i].Length();
  Rep* rep = Rep::alloc(total);
  Char* out = rep->data;
  for (int i = 0; i < count; ++i) {
    if (i > 0) {
      std::memcpy(out, Data(), sizeof(Char) * Length());
      out += Length();
    }
    std::memcpy(out, pieces[i].Data(), sizeof(Char) * pieces[i].Length());
    out += pieces[i].Length();
  }
  return String(rep);
}

Array<String> String::Split(const String& separator) const {
  if (separator.IsEmpty()) {
    Array<String> units(Length());
    for (int i = 0; i < Length(); ++i) units[i] = String(Data() + i, 1);
    return units;
  }
  std::vector<int> starts;
  for (int at = Find(separator); at != -1; at = Find(separator, at + separator.Length())) starts.push_back(at);
  if (starts.empty()) {
    Array<String> whole(1);
    whole[0] = *this;
    return whole;
  }
  Array<String> pieces(static_cast<int>(starts.size()) + 1);
  int from = 0;
  for (size_t i = 0; i < starts.size(); ++i) {
    pieces[static_cast<int>(i)] = Slice(from, starts[i]);
    from = starts[i] + separator.Length();
  }
  pieces[static_cast<int>(starts.size())] = Slice(from);
  return pieces;
}

String String::Replace(const String& find, const String& with) const {
  // An empty search string would match everywhere without advancing.
  if (find.IsEmpty()) return *this;
  int first = Find(find);
  if (first == -1) return *this;
  std::u16string out(Data(), first);
  int from = first;
  for (int at = first; at != -1; at = Find(find, from)) {
    out.append(Data() + from, at - from);
    out.append(with.Data(), with.Length());
    from = at + find.Length();
  }
  out.append(Data() + from, Length() - from);
  return String(out.data(), static_cast<int>(out.size()));
}

int String::Find(const String& what, int start) const {
  if (start < 0) start = 0;
  int last = Length() - what.Length();
  for (int i = start; i <= last; ++i)
    if (std::memcmp(Data() + i, what.Data(), sizeof(Char) * what.Length()) == 0) return i;
  return -1;
}

bool String::StartsWith(const String& prefix) const {
  return prefix.Length() <= Length() && std::memcmp(Data(), prefix.Data(), sizeof(Char) * prefix.Length()) == 0;
}

bool String::EndsWith(const String& suffix) const {
  return suffix.Length() <= Length() &&
         std::memcmp(Data() + Length() - suffix.Length(), suffix.Data(), sizeof(Char) * suffix.Length()) == 0;
}

String String::Slice(int from, int to) const {
  int n = Length();
  if (from < 0) from += n;
  if (to < 0) to += n;
  if (from < 0) from = 0;
  if (to > n) to = n;
  if (from == 0 && to == n) return *this;
  if (from >= to) return String();
  return String(Data() + from, to - from);
}

String String::ToUpper() const {
  std::u16string out(Data(), Length());
  for (Char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<Char>(c - 32);
  return String(out.data(), Length());
}

String String::ToLower() const {
  std::u16string out(Data(), Length());
  for (Char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<Char>(c + 32);
  return String(out.data(), Length());
}

std::string String::ToNarrow() const {
  std::string out(static_cast<size_t>(Length()), '\0');
  for (int i = 0; i < Length(); ++i) out[i] = static_cast<char>(m_rep->data[i] & 0xff);
  return out;
}

std::string String::ToUtf8() const {
  std::string out;
  out.reserve(static_cast<size_t>(Length()));
  for (int i = 0; i < Length(); ++i) {
    unsigned c = m_rep->data[i];
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else if (c < 0x800) {
      out += static_cast<char>(0xc0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
      out += static_cast<char>(0xe0 | (c >> 12));
      out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
      out += static_cast<char>(0x80 | (c & 0x3f));
    }
  }
  return out;
}

namespace {

bool decodeUtf8(const unsigned char* p, const unsigned char* end, std::u16string& out) {
  while (p < end) {
    unsigned c = *p++;
    if (c < 0x80) {
      out += static_cast<Char>(c);
    } else if ((c & 0xe0) == 0xc0) {
      if (p >= end || (p[0] & 0xc0) != 0x80) return false;
      out += static_cast<Char>(((c & 0x1f) << 6) | (p[0] & 0x3f));
      p += 1;
    } else if ((c & 0xf0) == 0xe0) {
      if (end - p < 2 || (p[0] & 0xc0) != 0x80 || (p[1] & 0xc0) != 0x80) return false;
      out += static_cast<Char>((c << 12) | ((p[0] & 0x3f) << 6) | (p[1] & 0x3f));
      p += 2;
    } else {
      return false;
    }
  }
  return true;
}

}  // namespace

String String::Decode(const unsigned char* bytes, size_t count) {
  g_loadError = String();
  std::u16string out;
  if (count >= 2 && bytes[0] == 0xff && bytes[1] == 0xfe) {
    for (size_t i = 2; i + 1 < count; i += 2) out += static_cast<Char>(bytes[i] | (bytes[i + 1] << 8));
  } else if (count >= 2 && bytes[0] == 0xfe && bytes[1] == 0xff) {
    for (size_t i = 2; i + 1 < count; i += 2) out += static_cast<Char>((bytes[i] << 8) | bytes[i + 1]);
  } else {
    const unsigned char* start = bytes;
    if (count > 2 && bytes[0] == 0xef && bytes[1] == 0xbb && bytes[2] == 0xbf) start += 3;
    const unsigned char* end = bytes + count;
    if (!decodeUtf8(start, end, out)) {
      g_loadError = String("Invalid UTF-8");
      out.assign(start, end);
    }
  }
  return String(out.data(), static_cast<int>(out.size()));
}

String String::Load(FILE* file) {
  std::vector<unsigned char> bytes;
  unsigned char chunk[4096];
  size_t n;
  while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) bytes.insert(bytes.end(), chunk, chunk + n);
  return Decode(bytes.data(), bytes.size());
}

String String::LoadError() { return g_loadError; }
