// Pieces several screens share.
#pragma once

#include <allegro5/allegro.h>

// Hover index of a position on the main menu: item 1..5, or 0.
int pozycja_menu(int px, int py);

// Gallery cell (1..ile) or the "menu" hot area (99) at a position, 0 for none.
int pole_pod(int px, int py);

// The F11 hint of the main menu for a display mode.
const char *podpowiedz_f11(int tryb);

// The small "menu" button with its label, drawn on the current target.
void rysuj_przycisk_menu();

// Lights the "menu" button: its area of bufor added once more, tinted.
void podswietl_przycisk_menu();

// Polls the mouse until no button is held, resting between polls.
void czekaj_na_puszczenie(double przerwa);

// The way every screen hands back to the main menu.
void powrot_do_menu();

// Makes the program's back buffer the drawing target.
void cel_tylny();
