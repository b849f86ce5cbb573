#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>

#include "../shell/ekrany.h"
#include "../shell/platforma.h"
#include "../shell/stan.h"
#include "../shell/wspolne.h"
#include "../shell/zasoby.h"

void info() {
  znikanie_obrazu();
  wczytaj(bufor, "media/tlo1.png");
  al_set_target_bitmap(bufor);
  al_draw_tinted_scaled_bitmap(tlo, al_map_rgba(0, 30, 50, 150), 10, 10, 10, 10, 260, 180, 500, 400, 0);
  al_draw_rectangle(260, 180, 760, 580, al_map_rgb(0, 150, 150), 2);
  ALLEGRO_COLOR zol = al_map_rgb(200, 200, 0), bi = al_map_rgb(200, 200, 200),
                ni = al_map_rgb(80, 160, 180), gl = al_map_rgb(20, 120, 160);
  al_draw_text(f30, gl, 320, 140, ALLEGRO_ALIGN_LEFT, "Trezalia -");
  al_draw_text(f40, zol, 660, 133, ALLEGRO_ALIGN_CENTRE, "info");
  wczytaj(el, "media/el.png");
  rysuj_przycisk_menu();

  const int ty = 200;
  auto t = [](int ly, int lx, int wyr, ALLEGRO_FONT *f, ALLEGRO_COLOR k, const char *tekst) {
    al_draw_text(f, k, lx, ly, wyr, tekst);
  };
  const int C = ALLEGRO_ALIGN_CENTRE, L = ALLEGRO_ALIGN_LEFT;
  t(ty, 510, C, f20, ni, "Programik edukacyjny dla dzieci i nie tylko,");
  t(ty + 20, 510, C, f20, ni, "aktualny na 2015 rok");
  t(ty + 40, 510, C, f20, ni, "połączony z rozrywką w formie testu i quizu.");
  t(ty + 80, 510, C, f20, ni, "W bazie znajduje się 198 różnych flag.");
  t(ty + 120, 510, C, f20, ni, "Grafika wykorzystana w programie");
  t(ty + 140, 510, C, f20, ni, "zapożyczona została ze stron internetowych.");
  t(ty + 180, 300, L, f20, zol, "TEST:");
  t(ty + 182, 390, L, f10, bi, "wskazanie flag losowo wybranych państw");
  t(ty + 200, 300, L, f20, zol, "QUIZ:");
  t(ty + 202, 390, L, f10, bi, "wybranie właściwej odpowiedzi - 50 pytań ");
  t(ty + 220, 300, L, f20, zol, "NAUKA:");
  t(ty + 222, 390, L, f10, bi, "podglądanie nazw państw w/g flag");
  t(ty + 270, 510, C, f10, ni, "Napisany w C++ z biblioteką Allegro 5.07 (API 5.0)");
  t(ty + 290, 510, C, f10, ni, "Część grafiki zrobiona w Paincie i PS");
  t(ty + 330, 510, C, f10, gl, "Zespół twórców Trezalii, Polska, 2026");

  cel_tylny();
  ukazywanie_obrazu();
  while (!al_key_down(&klaw, ALLEGRO_KEY_ESCAPE)) {
    mouse();
    al_get_keyboard_state(&klaw);
    al_draw_bitmap(bufor, 0, 0, 0);
    if (mz == 99) podswietl_przycisk_menu();
    if (mz == 99 && mb == 1) break;
    pokaz();
    al_rest(0.001);
  }
  powrot_do_menu();
}
