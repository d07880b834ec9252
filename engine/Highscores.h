#pragma once

class CWordEngine;

// Offers a solved turn to the table of its game, with `timeLeft` the seconds
// left as the points used them (0 already counted as 1); sets
// m_nHighscoreRank to the place won (1..100), to 0 when none was, or to
// HIGHSCORE_NOT_ELIGIBLE for hangman under a penalty below 3 seconds.
void OfferHighscore(CWordEngine& engine, unsigned timeLeft);
