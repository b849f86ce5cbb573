// The large picture of the hovered flag, shown while any button is held.
#include "../shell/ekrany.h"
#include "../shell/platforma.h"
#include "../shell/stan.h"
#include "../shell/wspolne.h"
#include "../shell/zasoby.h"
#include "galeria.h"

void flaga_big() {
  const std::string nazwa = nazwy[mz];
  ALLEGRO_BITMAP *f = obraz("media/gfx/" + nazwa + ".png");
  rysuj_duza_flage(f, nazwa);
  pokaz();
  czekaj_na_puszczenie(0.001);
  al_destroy_bitmap(f);
}
