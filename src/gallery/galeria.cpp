#include "galeria.h"

#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "../shell/stan.h"

const Geometria &geometria(int k) {
  static const Geometria tab[7] = {
      {0, 0, 0, 0, 0, 0, 0, 0, 0},
      {10, 10, 96, 64, 5, 7, 6, 9, 25},    // Europa
      {10, 10, 96, 64, 4, 7, 6, 9, 25},    // Azja
      {13, 10, 145, 94, 4, 5, 4, 6, 25},   // Ameryka Północna
      {11, 10, 180, 120, 3, 4, 3, 5, 20},  // Ameryka Południowa
      {13, 6, 92, 60, 6, 8, 6, 9, 25},     // Afryka
      {13, 10, 145, 94, 5, 5, 4, 6, 20},   // Australia i Oceania
  };
  return tab[(k >= 1 && k <= 6) ? k : 0];
}

void ustaw_geometrie(int k) {
  const Geometria &g = geometria(k);
  ds = g.ds;
  dw = g.dw;
  x = g.ds + g.bw;
  y = g.dw + g.bh;
  kk = g.kk;
  kd = g.kd;
  rk = g.rk;
  rd = g.rd;
  li = g.li;
  int b = 0;
  for (int w = 0; w < kk; w++)
    for (int c = 0; c < rk; c++) {
      b++;
      fx[b] = dx + ds + x * c;
      fy[b] = dy + dw + y * w;
    }
  for (int w = kk; w < kd; w++)
    for (int c = 0; c < rd; c++) {
      b++;
      fx[b] = dx + ds + x * c;
      fy[b] = dy + dw + y * w;
    }
}

const std::string &nazwa_wyswietlana(const std::string &nazwa) {
  static const std::unordered_map<std::string, std::string> tab = {
      {"Azerbejdzan", "Azerbejdżan"},
      {"Bialorus", "Białoruś"},
      {"Bosnia", "Bośnia i Hercegowina"},
      {"Czarnogora", "Czarnogóra"},
      {"Dzibuti", "Dżibuti"},
      {"Fidzi", "Fidżi"},
      {"Gwinea Rownikowa.", "Gwinea Równikowa."},
      {"Indonezja1", "Indonezja"},
      {"Kambodza", "Kambodża"},
      {"Korea 1", "Korea Południowa"},
      {"Korea 2", "Korea Północna (KRLD)"},
      {"Lotwa", "Łotwa"},
      {"Moldawia", "Mołdawia"},
      {"Republika Dominikanska", "Republika Dominikańska"},
      {"Republika Poludniowej Afryki", "Republika Południowej Afryki"},
      {"Republika Srodkowoafrykanska", "Republika Środkowoafrykańska"},
      {"Republika Zielonego Przyladka.", "Republika Zielonego Przylądka."},
      {"Slowacja.", "Słowacja."},
      {"Slowenia", "Słowenia"},
      {"Sudan Poludniowy.", "Sudan Południowy."},
      {"Tadzykistan", "Tadżykistan"},
      {"Timor Wschodni1", "Timor Wschodni"},
      {"Wegry", "Węgry"},
      {"Wlochy", "Włochy"},
      {"Wybrzeze Kosci Sloniowej", "Wybrzeże Kości Słoniowej"},
  };
  if (nazwa.empty()) return nazwa;
  auto it = tab.find(nazwa);
  return it == tab.end() ? nazwa : it->second;
}

// The globes go into kt only at (700, 140) and fit 300 x 300; the rest of kt
// stays transparent black.
static const int KX = 700, KY = 140, KB = 300;
static std::vector<uint16_t> maska(KB * KB, 0);

void odswiez_maske_kuli() {
  if (!kt) return;
  ALLEGRO_LOCKED_REGION *r =
      al_lock_bitmap_region(kt, KX, KY, KB, KB, ALLEGRO_PIXEL_FORMAT_ANY, ALLEGRO_LOCK_READONLY);
  if (!r) return;
  for (int j = 0; j < KB; j++)
    for (int i = 0; i < KB; i++) {
      unsigned char cr, cg, cb;
      al_unmap_rgb(al_get_pixel(kt, KX + i, KY + j), &cr, &cg, &cb);
      maska[j * KB + i] = (uint16_t)(cr + cg + cb);
    }
  al_unlock_bitmap(kt);
}

int suma_kuli(int px, int py) {
  px -= KX;
  py -= KY;
  if (px < 0 || py < 0 || px >= KB || py >= KB) return 0;
  return maska[py * KB + px];
}

void rysuj_duza_flage(ALLEGRO_BITMAP *flaga, const std::string &nazwa) {
  int w = al_get_bitmap_width(flaga), h = al_get_bitmap_height(flaga);
  int lx = 500 - w / 2, gy = 400 - h / 2;
  al_draw_bitmap(flaga, lx, gy, 0);
  if (nazwa != "Nepal") {
    al_draw_rectangle(lx, gy, lx + w, gy + h, al_map_rgb(222, 222, 222), 3);
    al_draw_rectangle(497 - w / 2, 397 - h / 2, lx + w + 3, gy + h + 3, al_map_rgb(0, 0, 0), 3);
  }
}

void napis_nazwy() {
  al_draw_text(f40, al_map_rgb(222, 222, 0), 350, 100, ALLEGRO_ALIGN_CENTRE, nn[mz].c_str());
}
