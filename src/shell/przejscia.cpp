// Fades of the composed picture and the sound cues.
#include <allegro5/allegro_audio.h>

#include "ekrany.h"
#include "platforma.h"
#include "stan.h"

void ukazywanie_obrazu() {
  cel_ekran();
  for (int i = 0; i < 35; i++) {
    al_draw_tinted_bitmap(bufor, al_map_rgba(i, i, i, i), 0, 0, 0);
    pokaz();
    al_rest(0.02);
  }
}

void znikanie_obrazu() {
  cel_ekran();
  const int v = 128;
  for (int i = 0; i < v; i++) {
    al_draw_tinted_bitmap(bufor, al_map_rgba(v - i, v - i, v - i, v + i), 0, 0, 0);
    pokaz();
    al_rest(0.005);
  }
}

static void graj(ALLEGRO_SAMPLE *s, float glosnosc, float szybkosc) {
  if (dzwiek && s) al_play_sample(s, glosnosc, 0.0, szybkosc, ALLEGRO_PLAYMODE_ONCE, nullptr);
}

void ss1() { graj(samp1, 1.2f, 1.0f); }
void ss2() { graj(samp2, 0.5f, 0.5f); }
void ss3() { graj(samp3, 1.0f, 1.0f); }
