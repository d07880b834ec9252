#pragma once

#include "engine/WordEngine.h"

// Offers a solved turn to the table of its game, with `timeLeft` the seconds
// left as the points used them (0 already counted as 1); sets
// m_nHighscoreRank to the place won (1..100), to 0 when none was, or to
// HIGHSCORE_NOT_ELIGIBLE for hangman under a penalty below 3 seconds.
void OfferHighscore(CWordEngine& engine, unsigned timeLeft);

using HighscoreTable = CHighscoreEntry[HIGHSCORE_PLACES];

// A table is its entries up to the first empty one (word length 0), best
// first. Merges into `ours` what another writer added to the same table
// since both held `base`: ours, plus every entry of `theirs` that `base` does
// not hold (counted as many times as it occurs), ranked by points; on equal
// points the earlier date goes first, and on the same date ours does. Cut to
// the table's places. Returns the new place (1..100) of the entry that was
// at place `rank` of ours, or 0 when it fell off or `rank` was none.
unsigned MergeHighscoreTable(const HighscoreTable& base, const HighscoreTable& theirs, HighscoreTable& ours,
                             unsigned rank);
