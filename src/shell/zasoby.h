// Loading with error checks, release of replaced pictures, and the checks of
// the media folder made before the window opens.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <string>
#include <vector>

// Prints "trezalia: <plik>: <problem>" on standard error and exits with 1.
[[noreturn]] void blad(const std::string &plik, const std::string &problem);

// Loads a picture; a missing or undecodable file ends the program (blad).
ALLEGRO_BITMAP *obraz(const std::string &plik);
ALLEGRO_FONT *czcionka(const std::string &plik, int rozmiar);
// Returns null without a sound device.
ALLEGRO_SAMPLE *dzwiek_z(const std::string &plik);

// Replaces a shared picture handle, releasing the old picture unless it is
// the globe mask kt or the new one.
void podmien(ALLEGRO_BITMAP *&uchwyt, ALLEGRO_BITMAP *nowy);

// Loads a picture into uchwyt like obraz(); the picture held before is
// released first (never kt), so the two are never in memory together.
void wczytaj(ALLEGRO_BITMAP *&uchwyt, const std::string &plik);

// Reads at most `ile_linii` lines of a text list: a UTF-8 byte-order mark at
// the start and a CR before each line end are dropped. Returns false when the
// file cannot be opened.
bool czytaj_linie(const std::string &plik, int ile_linii, std::vector<std::string> &linie);

// What is wrong with one name of a list, or "" when it is usable as a file name.
std::string zla_nazwa(const std::string &nazwa);

// Problems with a continent list (1..6) or the quiz list, one message each,
// each naming the file and line; empty when the list is good. `folder` is the
// media folder ("media").
std::vector<std::string> bledy_listy_kontynentu(const std::string &folder, int kontynent_nr);
std::vector<std::string> bledy_listy_quizu(const std::string &folder);

// Width and height from a PNG or JPEG header; false when it is neither or
// the file is cut short (no end marker).
bool wymiary_obrazu(const std::string &plik, int *w, int *h);

// Checks the whole media folder; prints every problem and exits 1 if any.
void sprawdz_media();

// Cells of each continent's gallery, 1..6.
int komorki(int kontynent_nr);
