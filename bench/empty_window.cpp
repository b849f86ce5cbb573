// An empty 1024 x 768 Allegro window: opened, cleared, flipped, kept open
// until the window is closed or `seconds` (argument, default 2) have passed.
// The yardstick the game's start-up time and memory are compared with.
#include <allegro5/allegro.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv) {
  double seconds = argc > 1 ? std::atof(argv[1]) : 2.0;
  if (!al_install_system(ALLEGRO_VERSION_INT, atexit)) return 1;
  al_set_new_display_flags(ALLEGRO_WINDOWED);
  ALLEGRO_DISPLAY *d = al_create_display(1024, 768);
  if (!d) {
    std::fprintf(stderr, "empty_window: no display\n");
    return 1;
  }
  al_set_window_title(d, "Pusty");
  ALLEGRO_EVENT_QUEUE *q = al_create_event_queue();
  al_register_event_source(q, al_get_display_event_source(d));
  al_clear_to_color(al_map_rgb(0, 0, 0));
  al_flip_display();
  ALLEGRO_EVENT ev;
  double end = al_get_time() + seconds;
  while (al_get_time() < end) {
    if (al_wait_for_event_timed(q, &ev, 0.05) && ev.type == ALLEGRO_EVENT_DISPLAY_CLOSE) break;
  }
  return 0;
}
