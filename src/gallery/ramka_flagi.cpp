// The hover frame: four lines from grey outside to near white inside,
// around the picture of cell mz.
#include <allegro5/allegro_primitives.h>

#include "../shell/ekrany.h"
#include "../shell/stan.h"
#include "galeria.h"

void ramka_flagi() {
  if (mz <= 0) return;
  const ALLEGRO_COLOR k[4] = {al_map_rgb(160, 160, 160), al_map_rgb(190, 190, 190), al_map_rgb(220, 220, 220),
                              al_map_rgb(250, 250, 250)};
  int ex = fx[mz] + srodek(x - ds, es[mz]), ey = fy[mz] + srodek(y - dw, ew[mz]);
  for (int d = 4; d >= 1; d--)
    al_draw_rectangle(ex - d, ey - d, ex + es[mz] + d, ey + ew[mz] + d, k[4 - d], 1);
}
