// The results panel of a complete test: hits and misses per continent, the
// totals, the share of good answers and the grade, drawn once over the last
// stage's screen.
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <cstdio>

#include "../shell/ekrany.h"
#include "../shell/stan.h"
#include "test_mode.h"

static const char *const nk[7] = {"",     "Europa", "Azja", "Ameryka Północna", "Ameryka Południowa",
                                  "Afryka", "Australia i Oceania"};

const char *nazwa_wiersza(int i) { return (i >= 1 && i <= 6) ? nk[i] : ""; }

float udzial(int t) { return t / 1.4; }

std::string tekst_udzialu(int t) {
  char s[64];
  std::snprintf(s, sizeof s, "Dobrych odpowiedzi: %.1f", udzial(t));
  return s;
}

OcenaTestu ocena_testu(int t) {
  if (t <= 10) return {"Tragedia", true};
  if (t <= 34) return {"Słabo", false};
  if (t <= 59) return {"Jako tako", false};
  if (t <= 84) return {"Dostatecznie", false};
  if (t <= 109) return {"Nieźle", false};
  if (t <= 134) return {"Bardzo dobrze", false};
  return {"Genialnie", true};
}

void wyniki_testu() {
  // Backdrop: a patch of the last gallery's background, darkened and stretched.
  al_draw_tinted_scaled_bitmap(bufor, al_map_rgba(0, 30, 50, 220), 10, 10, 10, 10, 260, 180, 500, 400, 0);
  al_draw_rectangle(260, 180, 760, 580, al_map_rgb(0, 150, 150), 2);

  const ALLEGRO_COLOR gl = al_map_rgb(20, 120, 160), zielony = al_map_rgb(20, 220, 20),
                      szary = al_map_rgb(120, 120, 120), czerwony = al_map_rgb(200, 20, 20);
  al_draw_text(f30, gl, 510, 200, ALLEGRO_ALIGN_CENTRE, "- Wyniki testu -");
  al_draw_text(f20, gl, 465, 250, ALLEGRO_ALIGN_LEFT, "Odpowiedzi:");
  al_draw_text(f20, al_map_rgb(20, 200, 20), 605, 250, ALLEGRO_ALIGN_LEFT, "Dobre");
  al_draw_text(f20, czerwony, 685, 250, ALLEGRO_ALIGN_LEFT, "Złe");
  al_draw_line(290, 280, 730, 280, gl, 2);

  int t = 0, p = 0;
  ss3();
  for (int i = 1; i <= 6; i++) {
    const int ry = 260 + 30 * i;
    t += traf[i];
    p += pech[i];
    al_draw_text(f30, al_map_rgb(200, 200, 20), 600, ry, ALLEGRO_ALIGN_RIGHT, nk[i]);
    al_draw_textf(f30, zielony, 660, ry, ALLEGRO_ALIGN_RIGHT, "%d", traf[i]);
    al_draw_text(f30, szary, 670, ry, ALLEGRO_ALIGN_CENTRE, "/");
    al_draw_textf(f30, czerwony, 680, ry, ALLEGRO_ALIGN_LEFT, "%d", pech[i]);
  }
  al_draw_line(290, 470, 730, 470, gl, 2);

  al_draw_text(f20, gl, 580, 480, ALLEGRO_ALIGN_RIGHT, tekst_udzialu(t).c_str());
  al_draw_text(f20, gl, 585, 480, ALLEGRO_ALIGN_LEFT, "%");
  al_draw_textf(f20, zielony, 660, 480, ALLEGRO_ALIGN_RIGHT, "%d", t);
  al_draw_text(f20, szary, 670, 480, ALLEGRO_ALIGN_CENTRE, "/");
  al_draw_textf(f20, czerwony, 680, 480, ALLEGRO_ALIGN_LEFT, "%d", p);

  al_draw_text(f20, gl, 400, 525, ALLEGRO_ALIGN_RIGHT, "Ocena:");
  const OcenaTestu o = ocena_testu(t);
  al_draw_text(o.duza ? f40 : f30, al_map_rgb(60, 160, 200), 550, 520, ALLEGRO_ALIGN_CENTRE, o.slowo);
}
