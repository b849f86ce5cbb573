// Pieces of the test and its results that need no display: slot places,
// row labels, the share of good answers and the grade.
#pragma once

#include <string>

// Answers per whole test (all six stages).
constexpr int PYTANIA_TESTU = 140;

// Left edge of slot n (from 0) of the result bar; every slot's top is at y 701.
inline int slot_x(int n) { return 220 + 25 * n; }
constexpr int SLOT_Y = 701;

// Row label of continent 1..6 on the results panel; "" outside that range.
const char *nazwa_wiersza(int i);

// Share of good answers in percent for t hits: t / 1.4.
float udzial(int t);

// The totals text with the share to one decimal, "Dobrych odpowiedzi: 87.1".
std::string tekst_udzialu(int t);

// The grade word for t hits, and whether it is drawn in the large font.
struct OcenaTestu {
  const char *slowo;
  bool duza;
};
OcenaTestu ocena_testu(int t);

// The question for a continent of `ile` names: 1..ile, or 0 when there is
// nothing to ask. `r` is a value of rand().
inline int pytanie(int r, int ile) { return ile > 0 ? r % ile + 1 : 0; }
