// The test: six continent stages in turn; in each, the gallery with the
// result bar, one country named at a time, a left click on a flag judged as
// a hit or a miss and marked in the next slot; then the results panel.
#include <allegro5/allegro_font.h>
#include <cstdlib>

#include "../shell/ekrany.h"
#include "../shell/platforma.h"
#include "../shell/stan.h"
#include "../shell/wspolne.h"
#include "../shell/zasoby.h"
#include "test_mode.h"

static int los;            // the cell asked for, 1..ile
static int pr;             // answers given in this stage, the next slot
static const int ty = 696; // top of the result bar

// "/" with its dark edge, and the hits and misses of the current stage.
static void liczniki() {
  al_draw_text(f30, al_map_rgb(0, 0, 0), 911, ty + 8, ALLEGRO_ALIGN_CENTRE, "/");
  al_draw_text(f30, al_map_rgb(151, 151, 151), 910, ty + 8, ALLEGRO_ALIGN_CENTRE, "/");
  al_draw_textf(f30, al_map_rgb(25, 200, 25), 900, ty + 8, ALLEGRO_ALIGN_RIGHT, "%d", traf[wyb]);
  al_draw_textf(f30, al_map_rgb(250, 50, 50), 920, ty + 8, ALLEGRO_ALIGN_LEFT, "%d", pech[wyb]);
}

static void napisy_etapu() {
  al_draw_text(f20, al_map_rgb(71, 171, 171), 30, 20, ALLEGRO_ALIGN_LEFT, "TEST");
  al_draw_textf(f30, al_map_rgb(20, 120, 160), 910, 100, ALLEGRO_ALIGN_RIGHT, "ETAP   %d ", wyb);
  al_draw_text(f40, al_map_rgb(200, 200, 0), 350, 100, ALLEGRO_ALIGN_CENTRE, nn[los].c_str());
}

// Fades over to the gallery of continent wyb and asks its first question.
// A continent without names is passed over; false when none is left.
static bool nowy_etap() {
  znikanie_obrazu();
  szykowanie_danych_rys();
  while (ile == 0 && wyb < 6) {
    wyb++;
    szykowanie_danych_rys();
  }
  ukazywanie_obrazu();
  // The gallery build may leave another picture in el; the marks come from the sheet.
  wczytaj(el, "media/el.png");
  pr = 0;
  los = pytanie(std::rand(), ile);
  if (ile == 0) {
    wyb = 7;
    return false;
  }
  return true;
}

// A left click on flag mz: counted, cued and marked in the next slot.
static void odpowiedz() {
  const int sx = slot_x(pr);
  al_set_target_bitmap(bufor);
  if (mz == los) {
    traf[wyb]++;
    ss1();
    al_draw_bitmap_region(el, 20, 85, 17, 31, sx, SLOT_Y, 0);
  } else {
    pech[wyb]++;
    ss2();
    al_draw_bitmap_region(el, 40, 85, 17, 31, sx, SLOT_Y, 0);
  }
  cel_tylny();
  al_draw_bitmap_region(bufor, sx, SLOT_Y, 17, 31, sx, SLOT_Y, 0);
  liczniki();
  pokaz();
  pr++;
  los = pytanie(std::rand(), ile);
  czekaj_na_puszczenie(0.01);
}

// The results panel, drawn once; only the "menu" button leaves it.
static void wyniki() {
  cel_tylny();
  wyniki_testu();
  for (;;) {
    mouse();
    al_draw_bitmap_region(bufor, 900, 0, 100, 50, 900, 0, 0);
    if (mz == 99) podswietl_przycisk_menu();
    if (mz == 99 && mb == 1) break;
    pokaz();
    al_rest(0.001);
  }
}

void test() {
  // The press that chose the test is not an answer.
  czekaj_na_puszczenie(0.01);
  for (int k = 0; k < 7; k++) traf[k] = pech[k] = 0;
  wyb = 1;
  zmenu = 1;
  bool koniec = !nowy_etap();

  while (!koniec && !al_key_down(&klaw, ALLEGRO_KEY_ESCAPE)) {
    mouse();
    zamiana();
    al_get_keyboard_state(&klaw);
    al_draw_bitmap(bufor, 0, 0, 0);
    napisy_etapu();
    if (1 <= mz && mz <= ile) ramka_flagi();
    if (1 <= mz && mz <= ile && mb == 1) odpowiedz();
    if (pr == li) {
      // The last mark stays a second, then the next continent or the results.
      al_rest(1.0);
      wyb++;
      if (wyb > 6 || !nowy_etap()) {
        koniec = true;
        break;
      }
    }
    liczniki();
    if (mz == 99) podswietl_przycisk_menu();
    if (mz == 99 && mb == 1) break;
    pokaz();
    al_rest(0.001);
  }
  if (koniec) wyniki();
  powrot_do_menu();
}
