// Program-wide state: everything the screens share, by role.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_font.h>
#include <string>

// Display and pictures
extern ALLEGRO_DISPLAY *okno;   // the one display, 1024 x 768
extern ALLEGRO_BITMAP *tlo;     // background media/tlo.jpg
extern ALLEGRO_BITMAP *el;      // picture a screen loaded last (button sheet whenever the menu shows)
extern ALLEGRO_BITMAP *bufor;   // composed picture of the current screen
extern ALLEGRO_BITMAP *kt;      // globe mask: the bitmap init created

// Fonts
extern ALLEGRO_FONT *f10;       // arial.ttf 18
extern ALLEGRO_FONT *f20;       // arialbd.ttf 20
extern ALLEGRO_FONT *f30;       // palab.ttf 30
extern ALLEGRO_FONT *f40;       // palab.ttf 40

// Sound cues
extern ALLEGRO_SAMPLE *samp1;   // right answer
extern ALLEGRO_SAMPLE *samp2;   // wrong answer
extern ALLEGRO_SAMPLE *samp3;   // closing

// Input snapshots
extern ALLEGRO_KEYBOARD_STATE klaw;  // keyboard, as the last loop read it
extern ALLEGRO_MOUSE_STATE myszka;   // mouse, refreshed only by mouse()

// Titles: [0] program, [1..6] continents
extern std::string kontynent[7];

// Hover protocol: previous poll and the item under the pointer
extern int mx, my, mb;
extern int mz;

// Gallery cells and flag picture sizes, from index 1
extern int fx[60], fy[60];
extern int es[60], ew[60];

// Names as read from a list, and their display forms, from index 1
extern std::string nazwy[202];
extern std::string nn[202];

// Gallery geometry
extern int dx, dy;           // origin of the panels
extern int x, y;             // cell pitch
extern int ds, dw;           // gaps
extern int kk, kd, rk, rd;   // short rows, all rows, short-row and long-row columns
extern int li;               // flags to find per test stage

// Screen selection
extern int wyb;     // continent 1..6
extern int ile;     // names in the current list
extern int zmenu;   // gallery built for: 1 test, 3 learning mode

// Test counters per continent 1..6
extern int traf[7], pech[7];

// Display mode: 0 window, 1 full screen
extern int EK;
