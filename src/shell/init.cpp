#include <allegro5/allegro_acodec.h>
#include <allegro5/allegro_audio.h>
#include <allegro5/allegro_image.h>
#include <allegro5/allegro_primitives.h>
#include <allegro5/allegro_ttf.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "ekrany.h"
#include "platforma.h"
#include "stan.h"
#include "zasoby.h"

static void wymien(ALLEGRO_FONT *&f, ALLEGRO_FONT *nowa) {
  if (f) al_destroy_font(f);
  f = nowa;
}

static void wymien(ALLEGRO_SAMPLE *&s, ALLEGRO_SAMPLE *nowy) {
  if (s) al_destroy_sample(s);
  s = nowy;
}

void init() {
  if (!al_install_system(ALLEGRO_VERSION_INT, atexit)) {
    std::fprintf(stderr, "trezalia: cannot start the Allegro library\n");
    std::exit(1);
  }
  al_install_keyboard();
  al_install_mouse();
  al_init_image_addon();
  al_init_primitives_addon();
  al_init_font_addon();
  al_init_ttf_addon();
  std::srand(std::time(nullptr));

  otworz_okno();

  // Sound is set up once the window shows. Without a sound device the game
  // runs silently.
  if (!al_is_audio_installed()) {
    dzwiek = al_install_audio() && al_init_acodec_addon() && al_reserve_samples(3);
  }

  wczytaj(tlo, "media/tlo.jpg");
  al_set_new_bitmap_flags(ALLEGRO_VIDEO_BITMAP);
  bufor = al_create_bitmap(1024, 768);
  if (!bufor) {
    std::fprintf(stderr, "trezalia: cannot create a 1024 x 768 picture\n");
    std::exit(1);
  }
  kt = bufor;
  al_set_target_bitmap(kt);
  al_clear_to_color(al_map_rgba(0, 0, 0, 0));
  cel_ekran();

  wymien(f10, czcionka("media/arial.ttf", 18));
  wymien(f20, czcionka("media/arialbd.ttf", 20));
  wymien(f30, czcionka("media/palab.ttf", 30));
  wymien(f40, czcionka("media/palab.ttf", 40));

  wymien(samp1, dzwiek_z("media/s1.wav"));
  wymien(samp2, dzwiek_z("media/s2.wav"));
  wymien(samp3, dzwiek_z("media/s3.wav"));
}
