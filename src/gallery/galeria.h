// Pieces of the gallery screens that need no display: the per-continent
// geometry, flag placement, display names, the globe mask copy and the
// drawing of the large flag.
#pragma once

#include <allegro5/allegro.h>
#include <string>

// One row of the gallery geometry of a continent.
struct Geometria {
  int ds, dw;   // gaps left of and above each flag box
  int bw, bh;   // flag box
  int kk, kd;   // short rows, all rows
  int rk, rd;   // columns of the short and of the long rows
  int li;       // flags to find per test stage
};

// The row of continent 1..6.
const Geometria &geometria(int kontynent_nr);

// Sets ds, dw, x, y, kk, kd, rk, rd, li for a continent and fills fx, fy for
// its cells (the cells past its count keep their values).
void ustaw_geometrie(int kontynent_nr);

// Offset of a picture of size `obraz` centred in a box of size `pudelko`,
// halved toward zero.
inline int srodek(int pudelko, int obraz) { return (pudelko - obraz) / 2; }

// Display form of a name from a list: the name itself when it needs no change.
const std::string &nazwa_wyswietlana(const std::string &nazwa);

// The globe mask kt kept in memory: refreshed from kt after a globe was drawn
// into it, read by the learning mode in every frame.
void odswiez_maske_kuli();
// r + g + b of kt at a position; 0 outside the picture.
int suma_kuli(int px, int py);

// Draws a large flag centred on (500, 400) with its two frames (none for
// "Nepal") on the current target.
void rysuj_duza_flage(ALLEGRO_BITMAP *flaga, const std::string &nazwa);

// The display name of the hovered cell mz, large and yellow, above the
// gallery (plain text, never a format).
void napis_nazwy();
