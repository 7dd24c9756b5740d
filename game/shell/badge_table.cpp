// The badge table. The numbers a badge needs were set from rounds the computer players
// play among themselves: a good round by a person reaches them, an ordinary one does not.
// Scores are the games' own (frames survived in the survival games, 60 to a second);
// lives are what the game keeps in the lives field (Jet Fighters keeps its 100 health
// there).
#include "game/shell/badge_table.h"

namespace {

using R = BadgeRule;

// The panel lists the badges in this order: the collection first, then the games.
const BadgeInfo kBadges[kBadgeCount] = {
    {kFirstRoundBadge, "Off We Go", "Finish your first round of any game.", 0, R::kCollection, 0},
    {kFullHouseBadge, "Full House", "Finish a round with people in all four seats.", 0, R::kCollection, 0},
    {kOnARollBadge, "On a Roll", "Win three rounds in a row from the same seat.", 0, R::kCollection, 0},
    {kChristmasBadge, "Christmas Cheer", "Finish a round on Christmas Day.", 0, R::kCollection, 0},
    {kFullCalendarBadge, "Full Calendar", "Finish a round of every one of the 26 games.", 0, R::kCollection, 0},
    {kAlphabetBadge, "Alphabet Ace", "Win a round of every one of the 26 games.", 0, R::kCollection, 0},
    {kPartyBadge, "Party Champion", "Win a party of rounds.", 0, R::kCollection, 0},
    {kCollectorBadge, "Collector", "Earn 30 of the other badges.", 0, R::kCollection, 0},

    {128, "Snake Charmer", "Win a round of Anaconda Arena.", 1, R::kWin, 0},
    // The feat is the snake's length: 60 to start with and 40 more for every pill.
    {129, "Pill Gobbler", "Swallow eight pills in one round of Anaconda Arena.", 1, R::kFeat, 380},
    {130, "Bug Bouncer", "Win a round of Bumpy Bugs.", 2, R::kWin, 0},
    {131, "Sure Footed", "Win Bumpy Bugs without falling off the board once.", 2, R::kLivesLeft, 3},
    {132, "Top Angler", "Win a round of Catching Fishies.", 3, R::kWin, 0},
    {133, "Big Catch", "Catch 12 fishies in one round of Catching Fishies.", 3, R::kScore, 12},
    {134, "Ostrich Rider", "Win a round of Duelling Ostriches.", 4, R::kWin, 0},
    {135, "Egg Hoarder", "Win Duelling Ostriches by five eggs or more.", 4, R::kMargin, 5},
    {136, "Going Up", "Win a round of Elevator Patrol.", 5, R::kWin, 0},
    {137, "Gem Magnet", "Collect 35 gems in one round of Elevator Patrol.", 5, R::kScore, 35},
    {138, "Furthest Flap", "Win a round of Rovader' Fishies.", 6, R::kWin, 0},
    {139, "Long Flight", "Keep flapping for 30 seconds in Rovader' Fishies.", 6, R::kScore, 1800},
    {140, "Planet Saver", "Win a round of Galactic Defenders.", 7, R::kWin, 0},
    {141, "Alien Buster", "Shoot down 40 aliens in one round of Galactic Defenders.", 7, R::kScore, 40},
    {142, "Bomb Dodger", "Win a round of Hectic Headers.", 8, R::kWin, 0},
    {143, "Header Hero", "Head the bomb five times in one round of Hectic Headers.", 8, R::kScore, 5},
    {144, "Floe Boss", "Win a round of Ice Hoppers.", 9, R::kWin, 0},
    {145, "Ice Painter", "Hold 20 floes when the clock runs out in Ice Hoppers.", 9, R::kScore, 20},
    {146, "Sky Ace", "Win a round of Jet Fighters.", 10, R::kWin, 0},
    {147, "Not a Scratch", "Win Jet Fighters without taking a single hit.", 10, R::kLivesLeft, 100},
    {148, "Cactus Jumper", "Win a round of Kane Adventure.", 11, R::kWin, 0},
    {149, "Marathon", "Keep running for 20 seconds in Kane Adventure.", 11, R::kScore, 1200},
    {150, "Lily Leaper", "Win a round of Leaping Frogs.", 12, R::kWin, 0},
    {151, "Stay Afloat", "Stay afloat for 50 seconds in Leaping Frogs.", 12, R::kScore, 3000},
    {152, "Launch Master", "Win a round of Missile Mayhem.", 13, R::kWin, 0},
    {153, "Bunker Down", "Win Missile Mayhem losing at most one life.", 13, R::kLivesLeft, 2},
    {154, "Path Finder", "Win a round of Nightmare Paths.", 14, R::kWin, 0},
    {155, "Coin Keeper", "Collect 30 coins in one round of Nightmare Paths.", 14, R::kScore, 30},
    {156, "Octo Survivor", "Win a round of Octagon Of Obstacles.", 15, R::kWin, 0},
    {157, "Sky Dancer", "Keep flying for 70 seconds in Octagon Of Obstacles.", 15, R::kScore, 4200},
    {158, "Popcorn Dodger", "Win a round of Popcorn Panic.", 16, R::kWin, 0},
    {159, "Bonus Grabber", "Grab eight bonus items in one round of Popcorn Panic.", 16, R::kScore, 8},
    {160, "Rock Solid", "Win a round of Quartz Rocks.", 17, R::kWin, 0},
    {161, "Rock Steady", "Dodge the rocks for 25 seconds in Quartz Rocks.", 17, R::kScore, 1500},
    {162, "Chequered Flag", "Win a round of Retro Racing.", 18, R::kWin, 0},
    // A finished car scores a point a frame, so the lead is the gap at the line.
    {163, "Clear Lead", "Win Retro Racing by two seconds or more.", 18, R::kMargin, 120},
    {164, "Golden Boot", "Win a round of Senseless Soccer.", 19, R::kWin, 0},
    {165, "Goal Rush", "Win Senseless Soccer by three goals or more.", 19, R::kMargin, 3},
    {166, "Tank Commander", "Win a round of Tank Warfare.", 20, R::kWin, 0},
    {167, "Blast Master", "Win Tank Warfare by three points or more.", 20, R::kMargin, 3},
    {168, "Flip Master", "Win a round of Upside Downside.", 21, R::kWin, 0},
    {169, "Gem Juggler", "Collect 50 gems in one round of Upside Downside.", 21, R::kScore, 50},
    {170, "Antivirus", "Win a round of Virus Vengeance.", 22, R::kWin, 0},
    {171, "Worm Blaster", "Hit the worms 180 times in one round of Virus Vengeance.", 22, R::kScore, 180},
    {172, "Top Sheep", "Win a round of Wandering Sheep.", 23, R::kWin, 0},
    {173, "Island Grazer", "Graze on the island for 90 seconds in Wandering Sheep.", 23, R::kScore, 5400},
    {174, "Ball Breaker", "Win a round of Xtreme X-Fire.", 24, R::kWin, 0},
    {175, "Sharpshooter", "Hit 100 balls in one round of Xtreme X-Fire.", 24, R::kScore, 100},
    {176, "Knit Wit", "Win a round of Yarn Loops.", 25, R::kWin, 0},
    // The feat is the number of baubles one loop caught.
    {177, "Triple Loop", "Catch three baubles with one loop in Yarn Loops.", 25, R::kFeat, 3},
    {178, "Zapper", "Win a round of Zap Everything.", 26, R::kWin, 0},
    {179, "Zap Frenzy", "Zap 40 enemies in one round of Zap Everything.", 26, R::kScore, 40},
};

}  // namespace

const BadgeInfo* zr_badges_Find(int id) {
  for (const BadgeInfo& badge : kBadges) {
    if (badge.id == id) return &badge;
  }
  return nullptr;
}

const BadgeInfo& zr_badges_At(int n) { return kBadges[n]; }
