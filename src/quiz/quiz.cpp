// The quiz: 50 flags, four names each; counters, answer-ratio bar and grade.
#include "quiz.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <cstdlib>
#include <string>
#include <vector>

#include "../shell/ekrany.h"
#include "../shell/platforma.h"
#include "../shell/stan.h"
#include "../shell/wspolne.h"
#include "../shell/zasoby.h"

static const char *const OCENY[6] = {"Tragedia", "Słabo", "Słabo", "Nieźle", "Bardzo Dobrze", "Genialnie"};

int losuj_pytanie(int dd[5], const std::function<int()> &rnd) {
  int licz = 0;
  while (licz <= 4) {
    int los = rnd() % 200 + 1;
    int sp = 0;
    for (int k = 0; k <= 4; k++)
      if (dd[k] == los) sp++;
    dd[licz] = los;
    if (sp == 0) licz++;
  }
  return rnd() % 4 + 1;
}

int czerwien_paska(int traf, int pech, int cc) {
  if (traf + pech > 0) cc = (200 / (traf + pech)) * pech;
  return cc;
}

int ocena(int traf) {
  if (traf <= 10) return 0;
  if (traf <= 20) return 1;
  if (traf <= 30) return 2;
  if (traf <= 40) return 3;
  if (traf <= 48) return 4;
  return 5;
}

const char *slowo_oceny(int t) { return OCENY[t]; }

int odpowiedz_pod(int px, int py) {
  int z = 0;
  for (int k = 1; k <= 4; k++)
    if (200 < px && px < 650 && 38 * k + 82 < py && py < 38 * k + 114) z = k;
  return z;
}

void uklad_quizu() {
  al_draw_bitmap(tlo, 0, 0, 0);
  rysuj_przycisk_menu();
  al_draw_text(f30, al_map_rgb(71, 171, 171), 30, 20, ALLEGRO_ALIGN_LEFT, "QUIZ");
  al_draw_text(f20, al_map_rgb(171, 171, 171), 430, 70, ALLEGRO_ALIGN_CENTRE,
               "Wybierz, które z tych państw ma taką flagę");
  al_draw_tinted_scaled_bitmap(el, al_map_rgba(100, 100, 100, 150), 100, 50, 10, 10, 130, 100, 590, 500, 0);
  al_draw_rectangle(130, 100, 721, 610, al_map_rgb(0, 0, 0), 2);
  // The background laid back over the panel in ever stronger bands; the
  // parts of a band below the picture draw nothing.
  int wys = al_get_bitmap_height(tlo);
  for (int i = 0; i <= 254; i++) {
    int gora = 6 * i + 100, h = i + 10;
    if (gora + h > wys) h = wys - gora;
    if (h <= 0) break;
    al_draw_tinted_bitmap_region(tlo, al_map_rgba(i, i, i, i), 128, gora, 594, h, 128, gora, 0);
  }
  for (int k = 1; k <= 4; k++) al_draw_bitmap_region(el, 0, 120, 453, 34, 200, 38 * k + 81, 0);
  al_draw_scaled_bitmap(el, 0, 0, 200, 41, 740, 441, 219, 41, 0);
}

void liczniki(int ile, int traf, int pech, int &cc) {
  if (ile > 0) al_draw_textf(f40, al_map_rgb(66, 66, 66), 850, 250, ALLEGRO_ALIGN_CENTRE, "(%d)", ile);
  al_draw_textf(f40, al_map_rgb(151, 151, 151), 850, 301, ALLEGRO_ALIGN_CENTRE, "/");
  al_draw_textf(f40, al_map_rgb(25, 225, 25), 835, 300, ALLEGRO_ALIGN_RIGHT, "%d", traf);
  al_draw_textf(f40, al_map_rgb(225, 25, 25), 865, 300, ALLEGRO_ALIGN_LEFT, "%d", pech);
  cc = czerwien_paska(traf, pech, cc);
  al_draw_text(f20, al_map_rgb(151, 151, 151), 850, 400, ALLEGRO_ALIGN_CENTRE, "Wskaźnik odpowiedzi");
  al_draw_filled_rectangle(750, 450, 950, 473, al_map_rgb(20, 200, 20));
  al_draw_filled_rectangle(950 - cc, 450, 950, 473, al_map_rgb(220, 20, 20));
}

static int los_z_rand() { return std::rand(); }

// The frame of answer k, thickness 3.
static void ramka(int k, ALLEGRO_COLOR c) { al_draw_rectangle(203, 38 * k + 84, 651, 38 * k + 113, c, 3); }

void quiz() {
  znikanie_obrazu();
  al_set_target_bitmap(bufor);
  wczytaj(el, "media/el.png");
  uklad_quizu();
  cel_tylny();
  ukazywanie_obrazu();

  std::vector<std::string> linie;
  czytaj_linie("media/wn.txt", 200, linie);
  for (size_t i = 0; i < linie.size(); i++) nazwy[i + 1] = linie[i];
  zamiana();

  // The quiz's own counts: the program-wide ones of the same names stay as they are.
  int ile = 50, traf = 0, pech = 0, b = 0, los = 0, t = 0, cc = 100, es = 0, ew = 0;
  int dd[5] = {0, 0, 0, 0, 0};
  const char *const *tt = OCENY;

  while (!al_key_down(&klaw, ALLEGRO_KEY_ESCAPE)) {
    mouse();
    if (mz != 99) mz = 0;
    al_get_keyboard_state(&klaw);
    if (ile > 0) {
      int k = odpowiedz_pod(mx, my);
      if (k != 0) mz = k;
      if (b == 0) {
        b = 1;
        los = losuj_pytanie(dd, los_z_rand);
        wczytaj(el, "media/gfx/" + nazwy[dd[los]] + ".png");
        es = al_get_bitmap_width(el);
        ew = al_get_bitmap_height(el);
      }
      if (1 <= mz && mz <= 4 && mb == 1) {
        ile = ile - 1;
        t = mz;
        bool dobrze = dd[los] == dd[t];
        if (dobrze) {
          traf++;
          ss1();
        } else {
          pech++;
          ss2();
        }
        while (myszka.buttons != 0) {
          mouse();
          if (mz != 99) mz = 0;
          al_rest(0.001);
        }
        // Over the question as last shown.
        if (dobrze) {
          ramka(los, al_map_rgb(0, 250, 0));
        } else {
          ramka(los, al_map_rgb(0, 200, 0));
          ramka(t, al_map_rgb(250, 0, 0));
        }
        al_draw_bitmap_region(bufor, 770, 250, 150, 80, 770, 250, 0);
        liczniki(ile, traf, pech, cc);
        pokaz();
        al_rest(dobrze ? 0.5 : 1.5);
        b = 0;
      }
    }
    al_draw_bitmap(bufor, 0, 0, 0);
    if (ile > 0) {
      int fxl = x_flagi(es);
      al_draw_bitmap(el, fxl, 290, 0);
      if (nazwy[dd[los]] != "Nepal") {
        al_draw_rectangle(fxl, 290, fxl + es, 290 + ew, al_map_rgb(222, 222, 222), 3);
        al_draw_rectangle(fxl - 3, 287, fxl + es + 3, 293 + ew, al_map_rgb(0, 0, 0), 3);
      }
      for (int k = 1; k <= 4; k++)
        al_draw_text(f20, al_map_rgb(200, 200, 25), 425, 38 * k + 87, ALLEGRO_ALIGN_CENTRE, nn[dd[k]].c_str());
      if (1 <= mz && mz <= 4) {
        al_draw_filled_rectangle(206, 38 * mz + 88, 647, 38 * mz + 109, al_map_rgb(44, 99, 133));
        al_draw_text(f20, al_map_rgb(255, 255, 0), 425, 38 * mz + 87, ALLEGRO_ALIGN_CENTRE, nn[dd[mz]].c_str());
      }
    }
    liczniki(ile, traf, pech, cc);
    if (ile == 0) {
      al_set_target_bitmap(bufor);
      wczytaj(el, "media/ee.png");
      al_draw_bitmap(el, 425 - al_get_bitmap_width(el) / 2, 305, 0);
      al_draw_text(f30, al_map_rgb(200, 250, 250), 425, 510, ALLEGRO_ALIGN_CENTRE, "Ogólna ocena za Twój wysiłek >>>");
      t = ocena(traf);
      al_draw_text(f40, al_map_rgb(0, 0, 0), 849, 504, ALLEGRO_ALIGN_CENTRE, tt[t]);
      al_draw_text(f40, al_map_rgb(0, 0, 0), 851, 506, ALLEGRO_ALIGN_CENTRE, tt[t]);
      al_draw_text(f40, al_map_rgb(250, 250, 0), 850, 505, ALLEGRO_ALIGN_CENTRE, tt[t]);
      cel_tylny();
      ile = -1;
      ss3();
    }
    if (mz == 99) podswietl_przycisk_menu();
    if (mz == 99 && mb == 1) break;
    pokaz();
    al_rest(0.001);
  }
  powrot_do_menu();
}
