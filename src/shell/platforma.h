// The seam to the window system: the display, the persistent screen picture
// every "back buffer" drawing goes to, its presentation, and the pointer.
#pragma once

#include <allegro5/allegro.h>

// The 1024 x 768 picture that stands for the display's back buffer. It keeps
// its content across flips on every driver.
extern ALLEGRO_BITMAP *ekran;

// Whether a sound device could be set up; cues stay silent without one.
extern bool dzwiek;

// Opens the display for the mode EK names (full screen falls back to a
// scaled full-screen window, then to a window) and creates ekran. Exits 1
// with a message when no display can be had.
void otworz_okno();

// Turns the open display into a full-screen window (the picture scaled and
// centred) or back into a window; false when the system refuses.
bool pelny_ekran(bool pelny);

// Destroys ekran and the display.
void zamknij_okno();

// Makes ekran the drawing target (the program's "back buffer").
void cel_ekran();

// Shows ekran on the display and flips; the drawing target is kept.
void pokaz();

// Reads the mouse in picture coordinates.
void stan_myszy(ALLEGRO_MOUSE_STATE *s);

// Maps a display position to picture coordinates for the given display size.
void na_obraz(int dw_, int dh_, int px, int py, int *ox, int *oy);

// Sets the allocator up so pictures that are freed go back to the system.
void ustaw_pamiec();

// Gives memory freed by the screen just left back to the system.
void oddaj_pamiec();
