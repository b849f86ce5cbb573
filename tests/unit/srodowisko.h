// Allegro without a display for the unit tests: pictures are memory bitmaps,
// the program's back buffer is a memory picture, fonts come from media/.
#pragma once

#include <allegro5/allegro.h>
#include <allegro5/allegro_font.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>

#include "shell/platforma.h"
#include "shell/stan.h"

// Sets up the library once; safe to call from every test.
inline bool przygotuj_allegro() {
  static bool gotowe = false;
  if (gotowe) return true;
  if (!al_install_system(ALLEGRO_VERSION_INT, nullptr)) return false;
  al_init_image_addon();
  al_init_primitives_addon();
  al_init_font_addon();
  al_init_ttf_addon();
  al_set_new_bitmap_flags(ALLEGRO_MEMORY_BITMAP);
  f10 = al_load_ttf_font("media/arial.ttf", 18, 0);
  f20 = al_load_ttf_font("media/arialbd.ttf", 20, 0);
  f30 = al_load_ttf_font("media/palab.ttf", 30, 0);
  f40 = al_load_ttf_font("media/palab.ttf", 40, 0);
  ekran = al_create_bitmap(1024, 768);
  al_set_target_bitmap(ekran);
  al_clear_to_color(al_map_rgb(0, 0, 0));
  gotowe = true;
  return f10 && f20 && f30 && f40;
}

// The 8-bit components of one pixel.
struct Rgb { int r, g, b, a; };
inline Rgb piksel(ALLEGRO_BITMAP *b, int px, int py) {
  unsigned char r, g, bl, a;
  al_unmap_rgba(al_get_pixel(b, px, py), &r, &g, &bl, &a);
  return {r, g, bl, a};
}
