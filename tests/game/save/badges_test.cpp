// The badge table and the popups that slide in, stay and slide out.
#include "game/shell/virtual_screen.h"
#include "save_fixture.h"

TEST_F(SavedGameTest, BadgeTableHoldsOnlyTheTestBadge) {
  EXPECT_EQ(app->p_BadgeName(0).ToNarrow(), "Test Badge");
  EXPECT_EQ(app->p_BadgeDetail(0).ToNarrow(), "This is a Test Badge which has no purpose.");
  for (int id : {-1, 1, 255}) {
    EXPECT_TRUE(app->p_BadgeName(id).IsEmpty()) << id;
    EXPECT_TRUE(app->p_BadgeDetail(id).IsEmpty()) << id;
  }
}

TEST_F(SavedGameTest, PopupSlidesInStaysSlidesOutAndFreesItsSlot) {
  app->p_CLS2D();
  app->m_keyTimerA[2] = 0;
  app->m_keyTimerB[2] = 1;
  struct Step {
    int timerBefore;
    float boxX;
  } steps[] = {{1, -128}, {5, -64}, {9, 0}, {100, 0}, {231, -32}, {239, -160}};
  for (const Step& step : steps) {
    app->m_keyTimerB[2] = step.timerBefore;
    app->m_drawCount = 0;
    app->p_ShowBadges();
    ASSERT_GT(app->m_drawCount, 0);
    EXPECT_EQ(app->m_drawList[0], kDrawRect);
    EXPECT_EQ(app->m_drawList[1], step.boxX) << "timer " << step.timerBefore;
    EXPECT_EQ(app->m_drawList[2], zr_TinselJumble_jscrh - 34 * 3);
  }
  app->m_keyTimerB[2] = 240;
  app->m_drawCount = 0;
  app->p_ShowBadges();
  EXPECT_EQ(app->m_keyTimerB[2], 0);
  EXPECT_EQ(app->m_drawCount, 0);
}
