// The game's text renderer, read back from the draw list: alignment, line breaks,
// kerning, and hostile input that must lay out without harm.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "game/shell/my_app.h"

namespace {

constexpr int kFont = 90;

struct Glyph {
  float x, y, frame;
  bool operator==(const Glyph& other) const {
    return x == other.x && y == other.y && frame == other.frame;
  }
};

std::ostream& operator<<(std::ostream& out, const Glyph& glyph) {
  return out << "(" << glyph.x << ", " << glyph.y << " #" << glyph.frame << ")";
}

// An application with a 16 x 16 font in slot 90.
class TextLayout : public ::testing::Test {
 protected:
  void SetUp() override {
    app.m_curImage = kFont;
    app.m_frameInfo[3 * kFont] = 16;
    app.m_frameInfo[3 * kFont + 1] = 16;
  }

  // Lays the text out on a fresh list in the default drawing state.
  std::vector<Glyph> Layout(float x, float y, const String& text, float alignX, float alignY) {
    app.p_CLS2D();
    app.p_Text(x, y, text, alignX, alignY);
    std::vector<Glyph> glyphs;
    for (int at = 0; at < app.m_drawCount; at += kDrawEntrySize) {
      EXPECT_EQ(app.m_drawList[at], app.m_curImage);
      glyphs.push_back({app.m_drawList[at + 1], app.m_drawList[at + 2], app.m_drawList[at + 6]});
    }
    return glyphs;
  }

  c_MyApp app;
};

TEST_F(TextLayout, GlyphPositionsForAlignmentsAndLineBreaks) {
  struct Case {
    const char* text;
    float alignX, alignY;
    std::vector<Glyph> glyphs;
  };
  std::vector<Case> cases = {
      {"AB", 0, 1, {{116, 50, 33}, {132, 50, 34}}},
      {"AB", 1, 1, {{100, 50, 33}, {116, 50, 34}}},
      {"AB", 2, 1, {{84, 50, 33}, {100, 50, 34}}},
      {"AB", 0, 0, {{116, 58, 33}, {132, 58, 34}}},
      {"AB", 0, 2, {{116, 42, 33}, {132, 42, 34}}},
      {"ab\\ncd", 0, 1, {{116, 50, 65}, {132, 50, 66}, {100, 66, 67}, {116, 66, 68}}},
      // "wi" measures 34 (space 16, w 18; the last character is not measured).
      {"wi", 2, 1, {{82, 50, 87}, {100, 50, 73}}},
      // i pulls the next character 3 pixels closer; spaces advance without drawing.
      {"i j", 0, 1, {{116, 50, 73}, {145, 50, 74}}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Layout(100, 50, String(c.text), c.alignX, c.alignY), c.glyphs)
        << c.text << " aligned " << c.alignX << ", " << c.alignY;
  }
}

TEST_F(TextLayout, HostileInputLaysOutWithoutHarm) {
  EXPECT_TRUE(Layout(100, 50, String(""), 0, 1).empty());
  EXPECT_EQ(Layout(100, 50, String("A") + String::FromChar(172), 0, 1),
            (std::vector<Glyph>{{116, 50, 33}}))
      << "a trailing escape shows nothing";
  app.m_glyphSet = 1;
  EXPECT_EQ(Layout(100, 50, String::FromChar(172) + String::FromChar('K'), 0, 1), (std::vector<Glyph>{{116, 50, 97}}))
      << "without a host clock the buttons do not blink";
  EXPECT_EQ(Layout(100, 50, String("A\\"), 0, 1).size(), 2u) << "a lone backslash is a glyph";
  // Codes beyond the font's cells advance without drawing; code 0 does neither.
  String outside = String("A") + String::FromChar(300) + String::FromChar(0) + String("B");
  EXPECT_EQ(Layout(100, 50, outside, 0, 1), (std::vector<Glyph>{{116, 50, 33}, {148, 50, 34}}));
  for (int font : {-1, 99, 100, 5000}) {
    app.m_curImage = font;
    EXPECT_EQ(Layout(100, 50, String("AB"), 1, 1),
              (std::vector<Glyph>{{100, 50, 33}, {100, 50, 34}}))
        << "zero-width cells for font " << font;
  }
}

}  // namespace
