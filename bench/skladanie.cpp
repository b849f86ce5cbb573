// In-process timings on this machine's renderer: composing the menu, each
// continent's gallery, the quiz's fixed layout and the test results panel;
// the display names; the gallery hit test; and one presented frame of each
// screen. Run from the repository root (media/) with an X server.
//
//   trezalia_bench [benchmark flags]     the timings
//   trezalia_bench --pierwsze WHAT       one first call in a fresh process, ms
//                                        (WHAT: menu, galeria1..galeria6, quiz;
//                                        the others after the menu's first
//                                        frame, as in the game)
#include <allegro5/allegro_font.h>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gallery/galeria.h"
#include "quiz/quiz.h"
#include "shell/ekrany.h"
#include "shell/platforma.h"
#include "shell/stan.h"
#include "shell/wspolne.h"
#include "shell/zasoby.h"

namespace {

void galeria(int k) {
  wyb = k;
  zmenu = 3;
  szykowanie_danych_rys();
}

void quiz_uklad() {
  al_set_target_bitmap(bufor);
  wczytaj(el, "media/el.png");
  uklad_quizu();
  cel_tylny();
}

void BM_menu(benchmark::State &st) {
  for (auto _ : st) szykowanie_menu();
}
BENCHMARK(BM_menu)->Unit(benchmark::kMillisecond);

void BM_galeria(benchmark::State &st) {
  for (auto _ : st) galeria((int)st.range(0));
  st.counters["flagi"] = ile;
}
BENCHMARK(BM_galeria)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);

void BM_uklad_quizu(benchmark::State &st) {
  for (auto _ : st) quiz_uklad();
}
BENCHMARK(BM_uklad_quizu)->Unit(benchmark::kMillisecond);

void BM_wyniki_testu(benchmark::State &st) {
  galeria(6);
  for (int k = 1; k <= 6; k++) {
    traf[k] = 20 + k;
    pech[k] = 4 - k / 2;
  }
  for (auto _ : st) {
    cel_tylny();
    wyniki_testu();
  }
}
BENCHMARK(BM_wyniki_testu)->Unit(benchmark::kMicrosecond);

void BM_zamiana(benchmark::State &st) {
  std::vector<std::string> linie;
  czytaj_linie("media/wn.txt", 200, linie);
  for (size_t i = 0; i < linie.size(); i++) nazwy[i + 1] = linie[i];
  for (auto _ : st) zamiana();
}
BENCHMARK(BM_zamiana)->Unit(benchmark::kMicrosecond);

// The hit test over Africa's 54 cells, for a sweep of pointer positions.
void BM_pole_pod(benchmark::State &st) {
  galeria(5);
  int px = 0, py = 0, suma = 0;
  for (auto _ : st) {
    px = (px + 37) % 1024;
    py = (py + 23) % 768;
    suma += pole_pod(px, py);
  }
  benchmark::DoNotOptimize(suma);
}
BENCHMARK(BM_pole_pod);

// One frame as the screens' loops draw it: the composed picture, the
// screen's overlays, the flip.
void BM_klatka_menu(benchmark::State &st) {
  szykowanie_menu();
  cel_tylny();
  for (auto _ : st) {
    al_draw_bitmap(bufor, 0, 0, 0);
    al_draw_tinted_bitmap_region(bufor, al_map_rgba(50, 250, 250, 0), 419, 359, 184, 24, 419, 359, 0);
    pokaz();
  }
}
BENCHMARK(BM_klatka_menu)->Unit(benchmark::kMillisecond);

void BM_klatka_galerii(benchmark::State &st) {
  galeria(5);
  mz = 12;
  for (auto _ : st) {
    al_draw_bitmap(bufor, 0, 0, 0);
    al_draw_text(f20, al_map_rgb(71, 171, 171), 30, 20, ALLEGRO_ALIGN_LEFT, "NAUKA");
    zamiana();
    napis_nazwy();
    ramka_flagi();
    pokaz();
  }
}
BENCHMARK(BM_klatka_galerii)->Unit(benchmark::kMillisecond);

void BM_klatka_quizu(benchmark::State &st) {
  quiz_uklad();
  ALLEGRO_BITMAP *flaga = obraz("media/gfx/" + nazwy[1] + ".png");
  int cc = 100;
  for (auto _ : st) {
    al_draw_bitmap(bufor, 0, 0, 0);
    al_draw_bitmap(flaga, x_flagi(al_get_bitmap_width(flaga)), 290, 0);
    for (int k = 1; k <= 4; k++)
      al_draw_text(f20, al_map_rgb(200, 200, 25), 425, 38 * k + 87, ALLEGRO_ALIGN_CENTRE, nn[k].c_str());
    liczniki(31, 12, 7, cc);
    pokaz();
  }
  al_destroy_bitmap(flaga);
}
BENCHMARK(BM_klatka_quizu)->Unit(benchmark::kMillisecond);

double ms_od(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char **argv) {
  sprawdz_media();
  init();
  if (argc == 3 && std::strcmp(argv[1], "--pierwsze") == 0) {
    std::string co = argv[2];
    if (co != "menu") {
      // Every screen is entered from the menu: its picture was composed and shown.
      szykowanie_menu();
      al_draw_bitmap(bufor, 0, 0, 0);
      pokaz();
      al_get_pixel(ekran, 0, 0);  // waits until the renderer is done
    }
    auto t0 = std::chrono::steady_clock::now();
    if (co == "menu") {
      szykowanie_menu();
    } else if (co == "quiz") {
      quiz_uklad();
    } else if (co.rfind("galeria", 0) == 0 && co.size() == 8 && co[7] >= '1' && co[7] <= '6') {
      galeria(co[7] - '0');
    } else {
      std::fprintf(stderr, "trezalia_bench: unknown first call %s\n", co.c_str());
      return 2;
    }
    std::printf("pierwsze %s %.2f\n", co.c_str(), ms_od(t0));
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
