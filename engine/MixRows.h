#pragma once

#include <string>

class CRandom;

// The three rows of a mixword puzzle. Rows start as copies of three words of
// one length; letters are only ever exchanged within a column, and column 0
// (the first letters) never moves.

// Whether some in-column arrangement leaves every row different from its own
// word. That needs at least two columns after the first in which the words
// do not all agree, or one column in which all three letters differ.
bool CanMixRows(const std::string words[3]);

// One random pass: for every column from the second on, each row in turn
// exchanges its letter with a randomly drawn row.
void ShuffleColumns(std::string rows[3], CRandom& random);

bool RowsAllMoved(const std::string rows[3], const std::string words[3]);

// Shuffles until every row differs from its word. The random passes end
// almost at once on a mixable triple; should they not, a fixed arrangement
// is made instead, so this ends on every input. Requires CanMixRows(words).
void MixRows(std::string rows[3], const std::string words[3], CRandom& random);

// The fixed arrangement: rows equal to `words`, exchanged in at most two
// columns so that every row differs. Requires CanMixRows(words).
void ForceRowsApart(std::string rows[3], const std::string words[3]);
