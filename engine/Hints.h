#pragma once

#include <string>

class CWordEngine;

// A little of the answer for a stuck player; never so much that no letter
// stays unknown.

// Hangman: the letter a hint reveals, the first of the word not shown yet;
// '\0' when it is the only letter still hidden (revealing it would solve
// the word).
char HangmanHintLetter(const CWordEngine& engine);

// Anagram and Mixword: what hint number `level` (1, 2, ...) shows of the
// answer: Anagram its first `level` letters, Mixword the first `level + 1`
// letters of its first word (whose first letter stands in place already).
// Empty when that would leave no letter of the word unknown.
std::string HintPrefix(const CWordEngine& engine, unsigned level);
