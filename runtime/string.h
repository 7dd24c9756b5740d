// String: immutable, reference-counted text of 16-bit (UTF-16) code units.
//
// A String is one pointer to a shared representation; copying it bumps a count and
// never copies characters. All empty strings share one static representation, so empty
// values never allocate. Narrowing to 8 bits (for file names, URLs and error texts)
// keeps the low byte of each unit; console and state-file output encode each unit on
// its own as UTF-8.
#pragma once

#include <cstdio>
#include <string>

template <class T>
class Array;

typedef char16_t Char;

class String {
 public:
  struct Rep {
    int refs;
    int length;
    Char data[1];  // really `length` units; allocated to fit

    void retain() { ++refs; }
    void release();
    static Rep* alloc(int length);
  };

  String() : m_rep(&nullRep) {}
  String(const String& other) : m_rep(other.m_rep) { m_rep->retain(); }
  String(String&& other) noexcept : m_rep(other.m_rep) { other.m_rep = &nullRep; }
  String(const Char* units, int count);
  String(const char* text);  // one unit per byte, each widened as a signed byte
  explicit String(int value);
  explicit String(float value);
  ~String() { m_rep->release(); }

  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;

  static String FromChar(int unit);
  static String FromUtf8(const std::string& bytes);

  int Length() const { return m_rep->length; }
  const Char* Data() const { return m_rep->data; }
  int operator[](int i) const { return m_rep->data[i]; }
  bool IsEmpty() const { return m_rep->length == 0; }

  friend String operator+(const String& a, const String& b);
  String& operator+=(const String& other) { return *this = *this + other; }
  friend bool operator==(const String& a, const String& b);
  friend bool operator!=(const String& a, const String& b) { return !(a == b); }
  // Unit-by-unit order; a prefix sorts first.
  int Compare(const String& other) const;

  String Join(const Array<String>& pieces) const;  // this string is the separator
  Array<String> Split(const String& separator) const;
  String Replace(const String& find, const String& with) const;
  int Find(const String& what, int start = 0) const;  // -1 when absent
  bool Contains(const String& what) const { return Find(what) != -1; }
  bool StartsWith(const String& prefix) const;
  bool EndsWith(const String& suffix) const;
  String Slice(int from) const { return Slice(from, Length()); }
  String Slice(int from, int to) const;  // clamped; negative indices count from the end
  String ToUpper() const;
  String ToLower() const;

  std::string ToNarrow() const;  // low byte of each unit
  std::string ToUtf8() const;    // each unit encoded on its own (surrogates not combined)

  // Reads a whole open file: UTF-16 with a byte-order mark, else UTF-8 (with or without
  // a byte-order mark), falling back to Latin-1 when the bytes are not valid UTF-8.
  static String Load(FILE* file);
  static String Decode(const unsigned char* bytes, size_t count);
  // "Invalid UTF-8" after a load that fell back to Latin-1, empty otherwise.
  static String LoadError();

  static Rep nullRep;

 private:
  explicit String(Rep* rep) : m_rep(rep) {}
  Rep* m_rep;
};

String operator+(const String& a, const String& b);
bool operator==(const String& a, const String& b);
