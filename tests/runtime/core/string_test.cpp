// Strings: construction, number texts, concatenation sharing, Join/Split and the
// decoding of text files (byte-order marks, UTF-8, the Latin-1 fallback).
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "runtime/array.h"
#include "runtime/string.h"

namespace {

std::string narrow(const String& s) { return s.ToNarrow(); }

String decode(const std::string& bytes) {
  return String::Decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

std::string pieces(const Array<String>& parts) {
  std::string out;
  for (int i = 0; i < parts.Length(); ++i) out += "[" + narrow(parts[i]) + "]";
  return out;
}

}  // namespace

TEST(StringTest, NumbersFormatAsIntegersAndSeventeenDigitFloats) {
  EXPECT_EQ(narrow(String(-5)), "-5");
  EXPECT_EQ(narrow(String(0)), "0");
  EXPECT_EQ(narrow(String(2147483647)), "2147483647");
  EXPECT_EQ(narrow(String(2.5f)), "2.5");
  EXPECT_EQ(narrow(String(100.0f)), "100.0");
  EXPECT_EQ(narrow(String(3.0f)), "3.0");
  EXPECT_EQ(narrow(String(0.1f)), "0.10000000149011612");
  EXPECT_EQ(narrow(String(-0.5f)), "-0.5");
  EXPECT_EQ(narrow(String(1e20f)), "1.0000000200408773e+20");  // exponent form gets no ".0"
}

TEST(StringTest, ConcatenationAndEquality) {
  String x("abc");
  EXPECT_EQ(narrow(x + String("de")), "abcde");
  EXPECT_EQ(narrow(x), "abc");  // operands never change
  EXPECT_EQ(narrow(String() + x), "abc");
  EXPECT_FALSE(String("abc") == String("ABC"));
  EXPECT_FALSE(String("abc") == String("abcd"));
  EXPECT_TRUE(String() == String(""));
}

TEST(StringTest, SplitKeepsEmptyPieces) {
  struct Case {
    const char* text;
    const char* separator;
    const char* expected;
  } cases[] = {
      {"a,,b", ",", "[a][][b]"},
      {",", ",", "[][]"},
      {"abc", ",", "[abc]"},
      {"a--b--", "--", "[a][b][]"},
      {"abc", "", "[a][b][c]"},
      {"", "", ""},
      {"", ",", "[]"},
  };
  for (const Case& c : cases) EXPECT_EQ(pieces(String(c.text).Split(String(c.separator))), c.expected) << c.text;
}

TEST(StringTest, JoinUsesTheSeparatorBetweenPieces) {
  Array<String> none;
  EXPECT_TRUE(String(",").Join(none).IsEmpty());
  Array<String> one(1);
  one[0] = String("solo");
  EXPECT_EQ(narrow(String(",").Join(one)), "solo");
  Array<String> three = String("a|b||c").Split(String("|"));
  EXPECT_EQ(narrow(String(", ").Join(three)), "a, b, , c");
}

TEST(StringTest, NarrowingKeepsTheLowByteAndUtf8EncodesEachUnit) {
  Char units[] = {'A', 0xe9, 0x20ac, 0xd83c, 0xdf84};
  String s(units, 5);
  EXPECT_EQ(s.ToNarrow(), std::string("A\xe9\xac\x3c\x84", 5));
  // Surrogates are encoded one by one (three bytes each), not combined.
  EXPECT_EQ(s.ToUtf8(), "A\xc3\xa9\xe2\x82\xac\xed\xa0\xbc\xed\xbe\x84");
}

TEST(StringTest, DecodingPicksTheEncodingFromTheBytes) {
  EXPECT_EQ(decode("plain").ToUtf8(), "plain");
  EXPECT_TRUE(String::LoadError().IsEmpty());
  EXPECT_EQ(decode("\xef\xbb\xbf" "bom").ToUtf8(), "bom");
  EXPECT_EQ(decode("caf\xc3\xa9").Length(), 4);
  EXPECT_EQ(decode("caf\xc3\xa9")[3], 0xe9);
  EXPECT_EQ(decode("\xe2\x82\xac")[0], 0x20ac);
  EXPECT_EQ(decode(std::string("\xff\xfe" "A\0B\0C", 7)).ToUtf8(), "AB");  // odd byte ignored
  EXPECT_EQ(decode(std::string("\xfe\xff\0A\0B", 6)).ToUtf8(), "AB");
  EXPECT_TRUE(decode("\xff\xfe").IsEmpty());
  EXPECT_TRUE(decode("").IsEmpty());
}

TEST(StringTest, InvalidUtf8FallsBackToLatin1) {
  const char* invalid[] = {"\xf0\x9f\x8e\x84", "ab\xc3", "\x80", "\xe2\x82x"};
  for (const char* bytes : invalid) {
    String s = decode(bytes);
    EXPECT_EQ(narrow(String::LoadError()), "Invalid UTF-8") << bytes;
    ASSERT_EQ(static_cast<size_t>(s.Length()), std::string(bytes).size());
    for (int i = 0; i < s.Length(); ++i) EXPECT_EQ(s[i], static_cast<unsigned char>(bytes[i]));
  }
  decode("fine");
  EXPECT_TRUE(String::LoadError().IsEmpty());  // cleared by the next load
}

TEST(StringTest, LoadReadsAWholeFileAcrossChunks) {
  FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  std::string text;
  for (int i = 0; i < 3000; ++i) text += "\xc3\xa9";  // 6000 bytes: more than one chunk
  std::fwrite(text.data(), 1, text.size(), file);
  std::rewind(file);
  String loaded = String::Load(file);
  std::fclose(file);
  ASSERT_EQ(loaded.Length(), 3000);
  EXPECT_EQ(loaded[2999], 0xe9);
}
