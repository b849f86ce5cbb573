#include "platforma.h"

#include <cstdio>
#include <cstdlib>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "stan.h"

ALLEGRO_BITMAP *ekran = nullptr;
bool dzwiek = false;

static ALLEGRO_EVENT_QUEUE *zdarzenia = nullptr;

static bool sprobuj(int flagi) {
  al_set_new_display_flags(flagi);
  okno = al_create_display(1024, 768);
  return okno != nullptr;
}

void otworz_okno() {
  bool ok = false;
  // A busy X server now and then refuses a display it gives a moment later:
  // tries for about five seconds before giving up.
  for (int proba = 0; proba < 10 && !ok; proba++) {
    if (proba > 0) al_rest(0.1 * proba);
    if (EK == 1) {
      ok = sprobuj(ALLEGRO_FULLSCREEN);
      if (!ok) ok = sprobuj(ALLEGRO_FULLSCREEN_WINDOW);
    }
    if (!ok) ok = sprobuj(ALLEGRO_WINDOWED);
  }
  if (!ok) {
    std::fprintf(stderr, "trezalia: cannot open a 1024 x 768 window\n");
    std::exit(1);
  }
  al_set_window_title(okno, "Trezalia");
  al_set_new_bitmap_flags(ALLEGRO_VIDEO_BITMAP);
  ekran = al_create_bitmap(1024, 768);
  if (!ekran) {
    std::fprintf(stderr, "trezalia: cannot create the 1024 x 768 screen picture\n");
    std::exit(1);
  }
  al_set_target_bitmap(ekran);
  al_clear_to_color(al_map_rgb(0, 0, 0));
  zdarzenia = al_create_event_queue();
  if (zdarzenia) al_register_event_source(zdarzenia, al_get_display_event_source(okno));
}

bool pelny_ekran(bool pelny) {
  return okno && al_set_display_flag(okno, ALLEGRO_FULLSCREEN_WINDOW, pelny);
}

void zamknij_okno() {
  if (zdarzenia) al_destroy_event_queue(zdarzenia);
  zdarzenia = nullptr;
  if (ekran) al_destroy_bitmap(ekran);
  ekran = nullptr;
  if (okno) al_destroy_display(okno);
  okno = nullptr;
}

void cel_ekran() {
  if (ekran) al_set_target_bitmap(ekran);
}

// Scale and offset that fit the picture into a display of the given size.
static void dopasowanie(int w, int h, float *s, float *ox, float *oy) {
  float sx = w / 1024.0f, sy = h / 768.0f;
  *s = sx < sy ? sx : sy;
  *ox = (w - 1024 * *s) / 2;
  *oy = (h - 768 * *s) / 2;
}

void na_obraz(int w, int h, int px, int py, int *ox, int *oy) {
  if (w == 1024 && h == 768) {
    *ox = px;
    *oy = py;
    return;
  }
  float s, ax, ay;
  dopasowanie(w, h, &s, &ax, &ay);
  *ox = (int)((px - ax) / s);
  *oy = (int)((py - ay) / s);
}

void pokaz() {
  if (!okno || !ekran) return;
  // Closing the window ends the program like the exit item.
  ALLEGRO_EVENT ev;
  while (zdarzenia && al_get_next_event(zdarzenia, &ev)) {
    if (ev.type == ALLEGRO_EVENT_DISPLAY_CLOSE) std::exit(0);
    if (ev.type == ALLEGRO_EVENT_DISPLAY_RESIZE) al_acknowledge_resize(okno);
  }

  ALLEGRO_BITMAP *cel = al_get_target_bitmap();
  int op, src, dst, aop, asrc, adst;
  al_get_separate_blender(&op, &src, &dst, &aop, &asrc, &adst);
  al_set_target_backbuffer(okno);
  al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
  int w = al_get_display_width(okno), h = al_get_display_height(okno);
  if (w == 1024 && h == 768) {
    al_draw_bitmap(ekran, 0, 0, 0);
  } else {
    float s, ox, oy;
    dopasowanie(w, h, &s, &ox, &oy);
    al_clear_to_color(al_map_rgb(0, 0, 0));
    al_draw_scaled_bitmap(ekran, 0, 0, 1024, 768, ox, oy, 1024 * s, 768 * s, 0);
  }
  al_flip_display();
  al_set_separate_blender(op, src, dst, aop, asrc, adst);
  al_set_target_bitmap(cel);
}

void stan_myszy(ALLEGRO_MOUSE_STATE *s) {
  al_get_mouse_state(s);
  if (okno) {
    int w = al_get_display_width(okno), h = al_get_display_height(okno);
    na_obraz(w, h, s->x, s->y, &s->x, &s->y);
  }
}

void oddaj_pamiec() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
}

void ustaw_pamiec() {
#ifdef __GLIBC__
  // Pictures are 3 MB blocks that come and go with every screen: always
  // mapped on their own, so freeing one gives it back at once.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}
