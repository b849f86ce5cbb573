#include "wspolne.h"

#include <allegro5/allegro_font.h>

#include "ekrany.h"
#include "platforma.h"
#include "stan.h"

int pozycja_menu(int px, int py) {
  for (int k = 1; k <= 5; k++)
    if (419 < px && px <= 602 && 259 + 50 * k < py && py < 283 + 50 * k) return k;
  return 0;
}

int pole_pod(int px, int py) {
  int z = 0;
  for (int i = 1; i <= ile; i++)
    if (fx[i] < px && px < fx[i] + x - ds && fy[i] < py && py < fy[i] + y - dw) z = i;
  if (925 < px && px <= 995 && 25 < py && py <= 45) z = 99;
  return z;
}

const char *podpowiedz_f11(int tryb) {
  return tryb == 1 ? "[F11] - Okno 1024 x 768" : "[F11] - Pełny ekran";
}

void rysuj_przycisk_menu() {
  al_draw_bitmap_region(el, 0, 50, 80, 30, 920, 20, 0);
  al_draw_text(f20, al_map_rgb(105, 160, 105), 960, 23, ALLEGRO_ALIGN_CENTRE, "menu");
}

void podswietl_przycisk_menu() {
  al_draw_tinted_bitmap_region(bufor, al_map_rgba(50, 250, 250, 0), 925, 25, 70, 20, 925, 25, 0);
}

void czekaj_na_puszczenie(double przerwa) {
  while (myszka.buttons != 0) {
    mouse();
    al_rest(przerwa);
  }
}

void powrot_do_menu() {
  znikanie_obrazu();
  szykowanie_menu();
  oddaj_pamiec();
  ukazywanie_obrazu();
  mb = 0;
}

void cel_tylny() { cel_ekran(); }
