// The learning screen: one continent's gallery at a time, names on hover,
// the large flag on a right click, the next continent on a click on the globe.
#include <allegro5/allegro_font.h>

#include "../shell/ekrany.h"
#include "../shell/platforma.h"
#include "../shell/stan.h"
#include "../shell/wspolne.h"
#include "galeria.h"

void nauka() {
  wyb = 1;
  zmenu = 3;
  znikanie_obrazu();
  szykowanie_danych_rys();
  ukazywanie_obrazu();
  mz = 0;
  int rgb = 0;

  while (!al_key_down(&klaw, ALLEGRO_KEY_ESCAPE)) {
    mouse();
    al_get_keyboard_state(&klaw);
    al_draw_bitmap(bufor, 0, 0, 0);
    al_draw_text(f20, al_map_rgb(71, 171, 171), 30, 20, ALLEGRO_ALIGN_LEFT, "NAUKA");
    zamiana();
    if (1 <= mz && mz <= 59) napis_nazwy();
    if (mb == 1 && rgb > 0) {
      wyb = wyb + 1;
      szykowanie_danych_rys();
      if (wyb > 5) wyb = 0;
      czekaj_na_puszczenie(0.01);
    }
    if (1 <= mz && mz <= 59) ramka_flagi();
    if (1 <= mz && mz <= 59 && mb == 2) flaga_big();
    if (mz == 99) podswietl_przycisk_menu();
    if (mz == 99 && mb == 1) break;
    // The pixel of kt under the pointer, from its copy in memory.
    rgb = suma_kuli(mx, my);
    if (rgb > 0) al_draw_tinted_bitmap_region(kt, al_map_rgba(50, 50, 50, 0), 700, 140, 300, 300, 700, 140, 0);
    pokaz();
    al_rest(0.001);
  }
  powrot_do_menu();
}
