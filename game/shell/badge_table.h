// The badges the game awards: each has an id (the game flag that holds it), a name short
// enough for the popup, a detail line saying how to earn it, and a rule. Two badges
// belong to each game, one for winning a round and one for doing something hard in it;
// a few more reward the whole collection. Flags 224..249 are not badges: they remember
// which games have had a finished round, for the calendar badge.
#pragma once

enum class BadgeRule {
  kWin,         // a person is the round's one winner
  kScore,       // a person's score reaches `need`
  kMargin,      // a person wins with a lead of at least `need` over the next best
  kLivesLeft,   // a person wins with at least `need` left in the lives field
  kFeat,        // the game reports a feat of at least `need` (p_BadgeEvent)
  kCollection,  // awarded by the collection rules, not by one game's round
};

struct BadgeInfo {
  int id;
  const char* name;
  const char* detail;
  int game;  // 1..26, 0 for the collection badges
  BadgeRule rule;
  int need;
};

constexpr int kFirstBadge = 128;
constexpr int kBadgeCount = 60;

// The collection badges.
constexpr int kFirstRoundBadge = 180;
constexpr int kFullHouseBadge = 181;
constexpr int kOnARollBadge = 182;
constexpr int kChristmasBadge = 183;
constexpr int kFullCalendarBadge = 184;
constexpr int kAlphabetBadge = 185;
constexpr int kPartyBadge = 186;
constexpr int kCollectorBadge = 187;

// Wins in a row from one seat for kOnARollBadge, and the other badges kCollectorBadge
// needs.
constexpr int kRollWins = 3;
constexpr int kCollectorNeeds = 30;

// Flag 224 + g - 1 is set once a round of game g has been finished with a person playing.
constexpr int kPlayedMarks = 224;

// The badge with this id, or null.
const BadgeInfo* zr_badges_Find(int id);
// Badge n of the table (0 .. kBadgeCount - 1), in the order the panel lists them.
const BadgeInfo& zr_badges_At(int n);
