// Pieces of the quiz that need no display: the draw of a question, the
// answer-ratio bar, the grade, the answer hit areas, the flag's place, and
// the drawing of the fixed layout and the counters on the current target.
#pragma once

#include <functional>

// Draws five different list lines (1..200) into dd[0..4], slot by slot; a
// candidate is drawn again while it equals any of the five slots, also those
// still holding the previous question's lines (a rejected candidate is still
// written into the slot being filled). Then draws the slot (1..4) of the right
// answer and returns it. `rnd` gives non-negative numbers, like rand().
int losuj_pytanie(int dd[5], const std::function<int()> &rnd);

// Width in pixels of the red part of the bar: unchanged before the first
// answer, otherwise (200 / answers) * wrong, the division done first.
int czerwien_paska(int traf, int pech, int cc);

// Grade index 0..5 for the number of right answers out of 50, and its word.
int ocena(int traf);
const char *slowo_oceny(int t);

// Answer 1..4 whose hit area holds the point, or 0.
int odpowiedz_pod(int px, int py);

// Left edge of a flag of the given width: centred on x 425, halved toward zero.
inline int x_flagi(int szer) { return (550 - szer) / 2 + 150; }

// The fixed layout over tlo, with the button sheet in el, on the current target.
void uklad_quizu();

// The counters and the answer-ratio bar on the current target; updates cc.
void liczniki(int ile, int traf, int pech, int &cc);
