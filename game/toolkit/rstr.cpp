// Right-aligned numbers for score columns and timers. Counting in the shared m_i field,
// not a local, is part of the method's contract: callers may read it afterwards.
#include "game/shell/my_app.h"

String c_MyApp::p_rstr(int value, int width, const String& pad) {
  String padded;
  for (m_i = 0; m_i <= width; ++m_i) padded += pad;
  padded += String(value);
  if (width <= 0) return String();
  // An empty pad can leave the text shorter than the width; it is then returned whole.
  int keepFrom = padded.Length() > width ? padded.Length() - width : 0;
  return padded.Slice(keepFrom);
}
