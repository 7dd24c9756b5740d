// c_MyApp: the whole game as one application object. Every screen, every mini-game and
// the shared toolkit are methods of it, and they talk to each other through its public
// fields: the game keeps its state in flat float and int tables indexed by
// record x stride + field, allocated once here and reused by every game, so a frame
// never allocates. Drawing is deferred: updates append 15-float entries to m_drawList,
// and the render step replays them scaled to the window.
#pragma once

#include "host/app.h"
#include "runtime/array.h"
#include "runtime/audio/audio.h"
#include "runtime/graphics/image.h"
#include "runtime/string.h"

// The game's marker for an optional float argument that was left out; below it the
// corresponding setting stays as it is.
constexpr float kNotGiven = -3717.0f;

// Draw-list entry kinds other than an image id.
constexpr float kDrawRect = -3717.0f;
constexpr float kDrawOval = -3716.0f;
constexpr float kDrawLine = -3715.0f;

// Floats per draw-list entry and the list's size (2500 entries).
constexpr int kDrawEntrySize = 15;
constexpr int kDrawListSize = 37500;

class c_MyApp : public c_App {
 public:
  // Flow and screens.
  int m_mode = 0;
  int m_game = 0;
  int m_menuGame = 0;
  int m_loadSteps = 0;
  int m_paused = 0;
  int m_pauseSel = 0;
  int m_pausePanelY = 0;
  int m_pauseSub = 0;
  // The pads that answered at the last update (bit u for unit u), and the pad (1..4)
  // whose going away paused the round, named in the pause menu until it closes (else 0).
  int m_padsPresent = 0;
  int m_padLost = 0;
  int m_roundOver = 0;
  int m_gameOverTimer = 0;
  int m_creditsOpen = 0;
  int m_optionsOpen = 0;
  int m_badgesOpen = 0;
  int m_creditsSlide = 0;
  int m_optionsSlide = 0;
  int m_keyLatch = 0;
  int m_pointerLatch = 0;
  int m_hideHud = 0;
  int m_musicOn = 0;
  int m_i = 0;
  int m_tmp = 0;

  // Game-select menu.
  int m_unlockOverride = 0;
  int m_menuSlide = 0;
  int m_menuPanelW = 140;
  Array<float> m_tiles;
  float m_tileW = 0;
  int m_recordScore = 0;
  String m_gameTitle1;
  String m_gameTitle2;
  String m_gameDesc;

  // Pause menu, options box and the pause toy.
  int m_optionsSel = 0;
  int m_optKeyLatch = 0;
  int m_optTouchLatch = 0;
  float m_gearSpin = 0;
  int m_fullscreen = 0;
  float m_toyAngleA = 0;
  float m_toyAngleB = 0;
  float m_toyHue = 0;
  float m_toySpeed = 0;
  float m_toyArm = 0;
  Array<float> m_toyTrail;

  // Round end and credits.
  float m_creditScroll = 0;
  int m_creditLine = 0;

  // Players, controls and scores.
  Array<int> m_pad;
  Array<float> m_controls;
  Array<int> m_vbutton;
  int m_iCadeChar = 0;
  int m_hit = 0;
  Array<int> m_totalScore;
  Array<int> m_roundPoints;
  int m_leader = 0;
  Array<float> m_players;
  Array<float> m_objects;
  Array<float> m_grid;
  Array<float> m_particles;
  int m_particleLimit = 0;
  Array<float> m_stars;
  int m_starCount = 0;
  Array<int> m_highscores;
  Array<int> m_settings;
  Array<int> m_order;
  Array<bool> m_flags;
  Array<int> m_keyTimerA;
  Array<int> m_keyTimerB;

  // Playfield shared by the mini-games.
  int m_gridW = 0;
  int m_gridH = 0;
  float m_tileSize = 0;
  float m_tileScale = 0;
  float m_gridX = 0;
  float m_gridY = 0;
  int m_panelWidth = 0;
  float m_panelX = 0;
  int m_slotHeight = 0;
  int m_introTimer = 0;
  int m_timeLeft = 0;
  float m_setupWidth = 0;
  float m_camX = 0;
  float m_camY = 0;
  float m_camTargetX = 0;
  float m_camTargetY = 0;

  // Screen and pointer.
  int m_devW = 0;
  int m_devH = 0;
  float m_scaleX = 0;
  float m_scaleY = 0;
  int m_fitAxis = 0;
  int m_landscape = 0;
  int m_mouseX = 0;
  int m_mouseY = 0;
  int m_pressX = 0;
  int m_pressY = 0;
  int m_mouseDown = 0;
  int m_touching = 0;
  int m_mouseHits = 0;
  Array<int> m_touchDown;
  Array<int> m_touchX;
  Array<int> m_touchY;
  int m_touchDelay = 0;

  // Drawing.
  Array<float> m_drawList;
  int m_drawCount = 0;
  float m_drawScaleX = 0;
  float m_drawScaleY = 0;
  float m_drawRot = 0;
  float m_drawR = 0;
  float m_drawG = 0;
  float m_drawB = 0;
  float m_drawAlpha = 0;
  int m_drawBlend = 0;
  float m_bgR = 0;
  float m_bgG = 0;
  float m_bgB = 0;
  float m_bgAlpha = 0;
  float m_originX = 0;
  float m_originY = 0;
  float m_viewW = 0;
  float m_viewH = 0;

  // Art and sound.
  Array<c_Image*> m_images;
  Array<c_Sound*> m_sounds;
  Array<int> m_frameInfo;
  int m_artLevel = 0;
  float m_imgScale = 0;
  int m_curImage = 0;
  int m_glyphSet = 0;
  int m_sfxSlot = 0;

  // Update and render rate measurement.
  int m_fps = 0;
  int m_fpsAvg = 0;
  int m_lastMs = 0;
  int m_renderFps = 0;
  int m_renderFpsAvg = 0;
  int m_lastRenderMs = 0;

  c_MyApp();
  // Registers this object as the running application (the host must exist).
  c_MyApp* m_new();
  void mark() override;

  // Drawing state (draw_state.cpp).
  void p_CLS2D(float r = kNotGiven, float g = kNotGiven, float b = kNotGiven,
               float a = kNotGiven);
  void p_ResetDraw();
  void p_SetCol(float r, float g, float b, float a = kNotGiven);
  void p_Alpha(float a);
  void p_SetRot(float angle);
  void p_SetSize(float sx, float sy = kNotGiven);
  void p_Blend(int mode);

  // Palette (palette.cpp).
  void p_Ink(int index, float brightness);
  int p_PlayCol(int player);

  // Particles and backdrops (particles.cpp, background.cpp, stars.cpp). The background
  // fades from its current colour towards the target; the fill takes the current one.
  float m_bgFadeR = 0;
  float m_bgFadeG = 0;
  float m_bgFadeB = 0;
  float m_bgTargetR = 0;
  float m_bgTargetG = 0;
  float m_bgTargetB = 0;
  void p_ThrowParticle(float x, float y, int kind, int colour, float angle, float speed);
  int p_FreeParticle();
  void p_ResetParticles(int n);
  void p_DoParticles(float);
  void p_SetBG(int colour, float brightness);
  void p_DoBG();
  void p_ResetStars(int n);
  void p_DoStars(float dx, float dy);
  void p_DoSnow(float dx, float dy);

  // Shapes and images (draw_list.cpp).
  void p_DrawImg(int id, float x, float y, float frame = 0);
  void p_DrawGfx(float x, float y, int code);
  void p_Rect(float x, float y, float w, float h);
  void p_Rect(float y, float w, float h);
  void p_Oval(float x, float y, float rx, float ry);
  void p_Line(float x1, float y1, float x2, float y2);

  // Text (text.cpp, glyphs.cpp, rstr.cpp).
  void p_Text(float x, float y, const String& text, float alignX = 1, float alignY = 1);

  // Playfield: grid geometry (grid.cpp), object pool (objects.cpp), player start
  // (players.cpp), bit flags (flags.cpp), random whole numbers (random_pick.cpp), turn
  // direction (steering.cpp) and the distance field towards a cell (distance_field.cpp).
  void p_SetGrid(int w, int h);
  void p_SetGrid_Crop(int w, int h);
  int p_FreeObj(int n);
  int p_FreeObjB(int n);
  void p_AddDragonLand(int x, int y);
  void p_Start(int p, int x, int y);
  int p_Rand(float lo, float hi);
  int m_WhichWayDoIGo(float a, float b, int lo, int hi);
  void p_SeekLocale(int tx, int ty, int w, int h, int stride, int steps);

  // Round set-up shared by every game and the intro countdown (round_setup.cpp,
  // intro.cpp).
  void p_FreshGame();
  void p_LoadGame();
  void p_ResetPlayers();
  void p_ResetGrid();
  void p_PreAction();

  // Asset loading and the loader screen (loader.cpp).
  void p_LoadImg(int id, const String& name, int frameW, int frameH, int count, int flags);
  void p_Reload();
  void p_Loader();

  // Sound effects and music (sound.cpp). Effects rotate over 24 channels; a rate of -1
  // asks for a random pitch (game effects) or normal pitch (interface sounds, id >= 91).
  void p_LoadSFX(int id, int set);
  void p_PlaySFX(int id, float rate = -1, float volume = 1, float pan = 0);
  void p_PlayTune(const String& name, int loop);
  void p_StopTune();

  // Player controls (controls.cpp, touch.cpp). With two keyboard players (an option) the
  // keyboard is two sources, -1 on its left and 5 on its right, and the sources run to 5.
  int p_KeyboardPlayers();
  int p_LastSource();
  int p_PlayKey(int action, int mode, int source);
  int p_PlayKeyAll(int action, int mode);
  float p_StickX(int stick, int joystick);
  float p_StickY(int stick, int joystick);
  float p_Control(int control, int player);
  void p_DoControls();
  void p_iCade(int on);
  int p_Button(int image, float x, float y, int frame);
  int p_Touch(float x, float y, float w, float h);
  int p_MouseIn(float x, float y, float w, float h);
  // Seats (seats.cpp): a keyboard or joystick source is a human; the seat's label, and
  // the glyph set that draws it with the seat's own keys or buttons.
  static bool p_IsHumanSource(int pad);
  static String p_SeatLabel(int pad);
  int p_SeatGlyphSet(int pad);

  // Scores, round end and credits (score_display.cpp, round_end.cpp, credits_box.cpp).
  void p_ScoreDisplay(int mode, float alpha);
  void p_TimeOut();
  void p_GameOver();
  void p_CreditBox();
  // The two fixed forms the games call: survival points without a panel (mode 0), and
  // the panel of scores at the given alpha (mode 1).
  void p_ScoreDisplay();
  void p_ScoreDisplay(float alpha);
  // The update's late input step: iCade letters into virtual buttons, one-frame presses
  // released (icade.cpp). And the latch release: the key latch frees when no source
  // holds an action, the pointer latch when nothing is down (controls.cpp).
  void p_DoVirtualInput();
  void p_ReleaseLatches();

  // Saved settings, highscores and badges (save_record.cpp, badges.cpp). The badges panel
  // scrolls its shown position a sixth of the way to its target each frame.
  float m_badgeScroll = 0;
  float m_badgeScrollTarget = 0;
  void p_Save();
  void p_Load();
  String p_BadgeID(int id);
  String p_BadgeName(int id);
  String p_BadgeDetail(int id);
  void p_ShowBadges();
  void p_BadgesBox();
  // Earning badges (badge_awards.cpp, badges.cpp, menu_badges.cpp): a badge is given
  // once, with a popup that waits its turn behind the others; p_AwardBadge also saves.
  // Games report the feats a badge asks for with p_BadgeFeat (a measure of player p's
  // feat, such as the baubles one loop caught); the party reports its winning seat. A
  // round's results are judged on its way back to the menu, unless it was ended from the
  // pause menu. The run of wins counts rounds won in a row from one seat by one source.
  int m_roundEndedEarly = 0;
  int m_streakSeat = -1;
  int m_streakSource = 0;
  int m_streakWins = 0;
  void p_AwardBadge(int id);
  void p_BadgeFeat(int player, float amount);
  void p_AwardPartyWin(int seat);
  void p_AwardRoundBadges();
  void p_QueueBadgePopup(int id);
  void p_MenuBadges();

  // Game A, Anaconda Arena (minigames/anaconda_arena.cpp).
  void p_LoadGame_A();
  void p_Game_A();

  // Game B, Bumpy Bugs (minigames/bumpy_bugs.cpp).
  void p_LoadGame_B();
  void p_Game_B();
  void p_SmashBugs(int a, int b, float k);

  // Game C, Catching Fishies (minigames/catching_fishies.cpp).
  void p_LoadGame_C2();
  void p_Game_C2();

  // Game D, Duelling Ostriches (minigames/duelling_ostriches.cpp).
  void p_LoadGame_D();
  void p_Game_D();

  // Game E, Elevator Patrol (minigames/elevator_patrol.cpp).
  void p_LoadGame_E();
  void p_Game_E();

  // Game F, Rovader' Fishies (minigames/rovader_fishies.cpp).
  void p_LoadGame_F();
  void p_Game_F();

  // Game G, Galactic Defenders (minigames/galactic_defenders.cpp).
  void p_LoadGame_G();
  void p_Game_G();

  // Game H, Hectic Headers (minigames/hectic_headers.cpp).
  void p_LoadGame_Header();
  void p_Game_Header();

  // Game I, Ice Hoppers (minigames/ice_hoppers.cpp).
  void p_LoadGame_I();
  void p_Game_I();

  // Game J, Jet Fighters (minigames/jet_fighters.cpp).
  void p_LoadGame_J();
  void p_Game_J();

  // Game K, Kane Adventure (minigames/kane_adventure.cpp).
  void p_LoadGame_K();
  void p_Game_K();

  // Game L, Leaping Frogs (minigames/leaping_frogs.cpp).
  void p_LoadGame_L();
  void p_Game_L();

  // Game M, Missile Mayhem (minigames/missile_mayhem.cpp).
  void p_LoadGame_Missile();
  void p_Game_Missile();
  void p_AddMissile(int p);

  // Game N, Nightmare Paths (minigames/nightmare_paths.cpp).
  void p_LoadGame_N2();
  void p_Game_N2();

  // Game O, Octagon Of Obstacles (minigames/octagon_of_obstacles.cpp).
  void p_LoadGame_O();
  void p_Game_O();

  // Game P, Popcorn Panic (minigames/popcorn_panic.cpp).
  void p_LoadGame_Popcorn();
  void p_Game_Popcorn();

  // Game Q, Quartz Rocks (minigames/quartz_rocks.cpp).
  void p_LoadGame_Q();
  void p_Game_Q();

  // Game R, Retro Racing (minigames/retro_racing.cpp).
  void p_LoadGame_R();
  void p_Game_R();
  void p_MakeRoad();

  // Game S, Senseless Soccer (minigames/senseless_soccer.cpp).
  void p_LoadGame_S();
  void p_Game_S();

  // Game T, Tank Warfare (minigames/tank_warfare.cpp).
  void p_LoadGame_T();
  void p_Game_T();

  // Game U, Upside Downside (minigames/upside_downside.cpp).
  void p_LoadGame_U();
  void p_Game_U();

  // Game V, Virus Vengeance (minigames/virus_vengeance.cpp).
  void p_LoadGame_V();
  void p_Game_V();

  // Game W, Wandering Sheep (minigames/wandering_sheep.cpp).
  void p_LoadGame_W();
  void p_Game_W();

  // Game X, Xtreme X-Fire (minigames/xtreme_x_fire.cpp).
  void p_LoadGame_X();
  void p_Game_X();
  void p_X_Ball(int ball);

  // Game Y, Yarn Loops (minigames/yarn_loops.cpp).
  void p_LoadGame_Y();
  void p_Game_Y();

  // Game Z, Zap Everything (minigames/zap_everything.cpp).
  void p_LoadGame_Z2();
  void p_Game_Z2();

  // A party of rounds (party*.cpp): the open games one after another in a shuffled
  // order, each game once before any comes again, until one player's points reach the
  // target. Between rounds a standings screen, at the end a podium. The standings count
  // the same round points as the menu's totals but are kept apart from them; the
  // standings before the last round let the tally count up to the new ones.
  int m_partyOn = 0;
  int m_partyTarget = 0;
  int m_partyRound = 0;
  int m_partyPoints[4] = {};
  int m_partyBefore[4] = {};
  int m_partyOrder[26] = {};
  int m_partyOrderCount = 0;
  int m_partyOrderNext = 0;
  int m_partyNextGame = 0;
  int m_partyWinner = -1;
  int m_partyTimer = 0;
  int m_partyLeaveAsked = 0;
  int m_partyMenuGame = 0;
  float m_partyRowY[4] = {};
  void p_MenuParty();
  void p_PartyScreen();
  void p_PartyLobby();
  void p_PartyTally();
  void p_PartyPodium();
  void p_StartParty(int target);
  void p_PartyRoundOver();
  void p_PartyPickNext();
  void p_PartyNextRound();
  void p_PartyWon();
  void p_EndParty();
  int p_PartyLeader();
  int p_PartyTargetSetting();
  bool p_PartyLeaveAsked();
  bool p_PartyBackInPause();
  void p_PartyPauseHint();

  // Game-select menu and advent calendar (menu*.cpp, calendar.cpp, game_titles.cpp,
  // menu_return.cpp). The menu frame runs its pieces in a fixed order: the player panel
  // with the round's tally, the tile strip, the offered-game cursor and the joining. The
  // calendar opens one game a day through December 2016 unless the override says how
  // many are open. The repeat timer and delay of the cursor live in m_players[21], [22].
  void p_Menu();
  void p_MenuPanel();
  void p_MenuTiles();
  void p_MenuCursor();
  void p_MenuJoin();
  // A hint line of the player panel with its button for every kind of player, and the
  // options box opened from the menu by up or a click on its hint (menu_options.cpp).
  void p_PanelHint(float y, const String& label, char letter);
  void p_MenuOptions();
  int p_OpenGames();
  int p_GameOpen(int game);
  void p_UnlockOverrideKeys();
  String p_LockMessage(int game);
  void p_GameID(int n);
  // How game n is played: the verb and the button glyphs of its control line (from 0);
  // both empty past the last line. The countdown shows them on a card (how_to_play.cpp).
  String p_ControlVerb(int game, int line);
  String p_ControlButtons(int game, int line);
  void p_HowToPlayCard();
  String p_Nth(int n);
  void p_LoadMenu();

  // Pause menu, options and fullscreen (pause_menu.cpp, pause_toy.cpp, option_box.cpp,
  // fullscreen.cpp). The pause menu runs while a round is paused, the options box while
  // it is open or still sliding away; the helpers are one pause button's turn and action,
  // the box's key walk, a chosen row's latches and sound, and closing the box.
  void p_PauseMenu();
  void p_PauseToy();
  void p_OptionBox();
  void p_FullscreenFlip();
  void p_PauseButton(int button, float x, float y, int touched);
  void p_PauseAction(int button, bool byTouch);
  void p_OptionKeys(int lastRow);
  void p_ChooseOption();
  void p_CloseOptions();

  // The application's life: start-up, one update, one render, focus changes, the start
  // splash and spinner, pause entry and the fallback game (lifecycle.cpp, update.cpp,
  // render.cpp, start_screen.cpp, in_game.cpp, fallback_game.cpp).
  void p_OnCreate() override;
  void p_OnSuspend() override;
  void p_OnResume() override;
  void p_OnUpdate() override;
  void p_OnRender() override;
  void p_WaitStart(int spinner);
  void p_InGame();
  void p_Game();
  // Steps of one update (update.cpp, round_flow.cpp, in_game.cpp, pad_watch.cpp) and the
  // angle the spinner has turned to (start_screen.cpp).
  void p_ReadPointer();
  void p_ScreenWork();
  void p_BoxWork();
  void p_PlayRound();
  void p_SetUpRound();
  void p_EnterPause();
  void p_WatchPads();
  int m_spin = 0;

 private:
  float& p_CellA(int x, int y, int field);
  void p_DrawAndAgeCellsA();
  void p_MoveSnakeA(int p);
  int p_SteerSnakeA(int headX, int headY, int direction);

  // Appends one entry stamped with the current alpha, colour and blend; slots 1..6 are
  // the caller's. Dropped when the list is full.
  void p_AppendEntry(float kind, float x, float y, float rotation, float a, float b,
                     float frame);
  // Element of m_frameInfo, or 0 for a font id the table does not cover.
  int p_FrameInfo(int index);
};
