// Construction and collector hooks of the application object. All tables every screen
// and game shares are allocated here, once, so that no frame has to allocate; their
// lengths are the game's fixed capacities (the player table's 1012 floats leave room
// past player 3's row for game-wide counters).
#include "game/shell/my_app.h"

c_MyApp::c_MyApp() {
  gc_assign(m_tiles, Array<float>(270));
  gc_assign(m_toyTrail, Array<float>(512));
  gc_assign(m_pad, Array<int>(10));
  gc_assign(m_controls, Array<float>(100));
  gc_assign(m_vbutton, Array<int>(20));
  gc_assign(m_totalScore, Array<int>(10));
  gc_assign(m_roundPoints, Array<int>(10));
  gc_assign(m_players, Array<float>(1012));
  gc_assign(m_objects, Array<float>(5100));
  gc_assign(m_grid, Array<float>(5000000));
  gc_assign(m_particles, Array<float>(5100));
  gc_assign(m_stars, Array<float>(5100));
  gc_assign(m_highscores, Array<int>(1300));
  gc_assign(m_settings, Array<int>(25));
  gc_assign(m_order, Array<int>(33));
  gc_assign(m_flags, Array<bool>(256));
  gc_assign(m_keyTimerA, Array<int>(15));
  gc_assign(m_keyTimerB, Array<int>(15));
  gc_assign(m_touchDown, Array<int>(10));
  gc_assign(m_touchX, Array<int>(10));
  gc_assign(m_touchY, Array<int>(10));
  gc_assign(m_drawList, Array<float>(kDrawListSize));
  gc_assign(m_images, Array<c_Image*>(100));
  gc_assign(m_sounds, Array<c_Sound*>(100));
  gc_assign(m_frameInfo, Array<int>(300));
}

c_MyApp* c_MyApp::m_new() {
  c_App::m_new();
  return this;
}

void c_MyApp::mark() {
  c_App::mark();
  gc_mark_q(m_tiles);
  gc_mark_q(m_toyTrail);
  gc_mark_q(m_pad);
  gc_mark_q(m_controls);
  gc_mark_q(m_vbutton);
  gc_mark_q(m_totalScore);
  gc_mark_q(m_roundPoints);
  gc_mark_q(m_players);
  gc_mark_q(m_objects);
  gc_mark_q(m_grid);
  gc_mark_q(m_particles);
  gc_mark_q(m_stars);
  gc_mark_q(m_highscores);
  gc_mark_q(m_settings);
  gc_mark_q(m_order);
  gc_mark_q(m_flags);
  gc_mark_q(m_keyTimerA);
  gc_mark_q(m_keyTimerB);
  gc_mark_q(m_touchDown);
  gc_mark_q(m_touchX);
  gc_mark_q(m_touchY);
  gc_mark_q(m_drawList);
  gc_mark_q(m_images);
  gc_mark_q(m_sounds);
  gc_mark_q(m_frameInfo);
}
