#include <allegro5/allegro_font.h>
#include <cstdio>

#include "ekrany.h"
#include "platforma.h"
#include "stan.h"
#include "wspolne.h"
#include "zasoby.h"

static const char *tt[5] = {"TEST", "QUIZ", "NAUKA", "INFO", "WYJŚCIE"};

void szykowanie_menu() {
  wczytaj(bufor, "media/tlo2.png");
  wczytaj(el, "media/el.png");
  al_set_target_bitmap(bufor);
  al_draw_text(f40, al_map_rgb(202, 202, 202), 510, 180, ALLEGRO_ALIGN_CENTRE, kontynent[0].c_str());
  ALLEGRO_COLOR czarny = al_map_rgb(0, 0, 0);
  al_draw_text(f40, czarny, 509, 250, ALLEGRO_ALIGN_CENTRE, "menu");
  al_draw_text(f40, czarny, 510, 249, ALLEGRO_ALIGN_CENTRE, "menu");
  al_draw_text(f40, czarny, 511, 250, ALLEGRO_ALIGN_CENTRE, "menu");
  al_draw_text(f40, czarny, 510, 251, ALLEGRO_ALIGN_CENTRE, "menu");
  al_draw_text(f40, al_map_rgb(222, 222, 0), 510, 250, ALLEGRO_ALIGN_CENTRE, "menu");
  for (int i = 0; i < 5; i++) {
    al_draw_bitmap_region(el, 0, 0, 200, 41, 410, 300 + 50 * i, 0);
    al_draw_text(f20, al_map_rgb(105, 160, 105), 510, 310 + 50 * i, ALLEGRO_ALIGN_CENTRE, tt[i]);
  }
  al_draw_text(f20, al_map_rgb(0, 66, 66), 512, 50, ALLEGRO_ALIGN_CENTRE, podpowiedz_f11(EK));
  cel_tylny();
}

// Switches between window and full screen and composes the menu anew. The
// open display is switched in place: a display destroyed and made again
// leaves its 3 MB shared-memory picture behind in the X libraries each time.
// Only when the system refuses is a new display made, with the shared
// assets loaded again.
static void przelacz_tryb() {
  znikanie_obrazu();
  EK = EK + 1;
  if (EK > 1) EK = 0;
  std::fprintf(stdout, "%d", EK);
  std::fflush(stdout);
  if (!pelny_ekran(EK == 1)) {
    // The pictures go before the display, so none is copied back to memory.
    if (bufor != kt) podmien(bufor, nullptr);
    al_destroy_bitmap(kt);
    kt = bufor = nullptr;
    podmien(tlo, nullptr);
    podmien(el, nullptr);
    zamknij_okno();
    init();
  }
  szykowanie_menu();
  oddaj_pamiec();
  ukazywanie_obrazu();
}

void menu() {
  szykowanie_menu();
  ukazywanie_obrazu();
  ALLEGRO_COLOR kp = al_map_rgba(50, 250, 250, 0);
  al_draw_bitmap(bufor, 0, 0, 0);
  while (!al_key_down(&klaw, ALLEGRO_KEY_ESCAPE)) {
    mouse();
    al_get_keyboard_state(&klaw);
    mz = pozycja_menu(mx, my);
    if (mz != 0)
      al_draw_tinted_bitmap_region(bufor, kp, 419, 259 + 50 * mz, 184, 24, 419, 259 + 50 * mz, 0);
    if (mz == 1 && mb == 1) test();
    if (mz == 2 && mb == 1) quiz();
    if (mz == 3 && mb == 1) nauka();
    if (mz == 4 && mb == 1) info();
    if (mz == 5 && mb == 1) break;
    if (al_key_down(&klaw, ALLEGRO_KEY_F11)) przelacz_tryb();
    pokaz();
    al_draw_bitmap(bufor, 0, 0, 0);
    al_rest(0.001);
  }
  znikanie_obrazu();
}
