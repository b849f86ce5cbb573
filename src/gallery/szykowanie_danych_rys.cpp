// The gallery of continent wyb: its list, panels, cells, flags and globe,
// composed once into bufor.
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_primitives.h>
#include <string>
#include <vector>

#include "../shell/ekrany.h"
#include "../shell/stan.h"
#include "../shell/wspolne.h"
#include "../shell/zasoby.h"
#include "galeria.h"

void szykowanie_danych_rys() {
  std::vector<std::string> linie;
  czytaj_linie("media/n" + std::to_string(wyb) + ".txt", 59, linie);
  ile = 0;
  for (int i = 1; i <= 59; i++) {
    nazwy[i] = (size_t)(i - 1) < linie.size() ? linie[i - 1] : std::string();
    if (!nazwy[i].empty()) ile++;
  }

  al_set_target_bitmap(bufor);
  ALLEGRO_COLOR cz = al_map_rgb(0, 0, 0), csz = al_map_rgb(61, 61, 61), jsz = al_map_rgb(171, 171, 171),
                col = al_map_rgba(100, 100, 100, 150);
  ustaw_geometrie(wyb);

  al_draw_bitmap(tlo, 0, 0, 0);
  wczytaj(el, "media/el.png");
  rysuj_przycisk_menu();

  if (zmenu == 1) {
    al_draw_tinted_scaled_bitmap(el, col, 100, 50, 10, 10, dx, 696, x * rd + ds, 40, 0);
    al_draw_rectangle(dx - 1, 696, dx + x * rd + ds + 1, 736, csz, 2);
    al_draw_line(dx - 2, 696, dx + x * rd + ds + 1, 696, jsz, 2);
    al_draw_line(dx - 1, 696, dx - 1, 736, jsz, 2);
    al_draw_text(f20, cz, dx + 20, 706, ALLEGRO_ALIGN_LEFT, "Wynik testu >>");
    for (int i = 0; i < li; i++) al_draw_bitmap_region(el, 0, 85, 17, 31, 220 + 25 * i, 701, 0);
  }

  al_draw_tinted_scaled_bitmap(el, col, 100, 50, 10, 10, dx, dy, x * rk + ds, y * kk, 0);
  al_draw_tinted_scaled_bitmap(el, col, 100, 50, 10, 10, dx, dy + y * kk, x * rd + ds, (kd - kk) * y + dw, 0);

  const int R1 = dx + x * rk + ds, R2 = dx + x * rd + ds, M = dy + y * kk - 1, B = dy + y * kd + dw + 1;
  al_draw_line(dx - 2, dy - 1, R1 + 1, dy - 2, jsz, 3);
  al_draw_line(dx - 1, dy - 1, dx - 1, B, jsz, 3);
  al_draw_line(R1, M, R2 + 1, M, jsz, 3);
  al_draw_line(R1 + 1, dy - 1, R1 + 1, M, csz, 3);
  al_draw_line(R2 + 1, M, R2 + 1, B, csz, 3);
  al_draw_line(dx - 1, B, R2 + 1, B, csz, 3);

  al_draw_text(f40, al_map_rgb(20, 120, 160), 350, 20, ALLEGRO_ALIGN_CENTRE, kontynent[wyb].c_str());

  for (int i = 1; i <= ile; i++) {
    ALLEGRO_BITMAP *f = obraz("media/gf/" + nazwy[i] + ".png");
    es[i] = al_get_bitmap_width(f);
    ew[i] = al_get_bitmap_height(f);
    int ex = fx[i] + srodek(x - ds, es[i]), ey = fy[i] + srodek(y - dw, ew[i]);
    al_draw_bitmap(f, ex, ey, 0);
    if (nazwy[i] != "Nepal") al_draw_rectangle(ex, ey, ex + es[i], ey + ew[i], cz, 1);
    al_destroy_bitmap(f);
  }

  if (zmenu == 3)
    al_draw_text(f20, jsz, 510, 700, ALLEGRO_ALIGN_CENTRE,
                 "Klik PPM na flagi - duży obrazek  //  Klik LPM na kuli -  zmiana kontynentu");

  ALLEGRO_BITMAP *kula = obraz("media/k" + std::to_string(wyb) + ".png");
  al_draw_bitmap(kula, 700, 140, 0);
  al_set_target_bitmap(kt);
  al_draw_bitmap(kula, 700, 140, 0);
  al_destroy_bitmap(kula);
  odswiez_maske_kuli();

  cel_tylny();
}
