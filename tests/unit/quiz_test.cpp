// The quiz's draw of a question, its bar, grades, hit areas and flag place,
// and the layout and counters as drawn into a memory picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "quiz/quiz.h"
#include "srodowisko.h"

// A random source that hands out the given numbers in turn.
struct Kolejka {
  std::vector<int> liczby;
  size_t i = 0;
  int operator()() { return liczby.at(i++); }
};

TEST(QuizDraw, ManyQuestionsFiveDifferentLinesRightSlotUniform) {
  std::mt19937 gen(12345);
  std::uniform_int_distribution<int> rozklad(0, 32767);
  auto rnd = [&] { return rozklad(gen); };
  const int pytan = 40000;
  int dd[5] = {0, 0, 0, 0, 0};
  int trafienia[5] = {};
  int powrot_w_tym_samym[5] = {};
  for (int q = 0; q < pytan; q++) {
    int poprzednie[5];
    std::copy(dd, dd + 5, poprzednie);
    int los = losuj_pytanie(dd, rnd);
    ASSERT_GE(los, 1);
    ASSERT_LE(los, 4);
    trafienia[los]++;
    for (int k = 0; k < 5; k++) {
      ASSERT_GE(dd[k], 1);
      ASSERT_LE(dd[k], 200);
      for (int j = k + 1; j < 5; j++) ASSERT_NE(dd[k], dd[j]) << "question " << q;
    }
    // A line of the previous question comes back only in a later slot, or in
    // its own slot after a rejected candidate was written over it.
    if (q == 0) continue;
    for (int k = 0; k < 5; k++)
      for (int j = 0; j < 5; j++)
        if (dd[j] == poprzednie[k]) {
          ASSERT_GE(j, k) << "question " << q << ": line " << dd[j] << " moved from slot " << k << " to " << j;
          if (j == k) powrot_w_tym_samym[k]++;
        }
  }
  // Each slot about a quarter of the time (expected 10000, sd about 87).
  for (int k = 1; k <= 4; k++) {
    EXPECT_GT(trafienia[k], 9400) << "slot " << k;
    EXPECT_LT(trafienia[k], 10600) << "slot " << k;
  }
  // The way back into the same slot needs a rejected candidate first: rare.
  for (int k = 0; k < 5; k++) EXPECT_LT(powrot_w_tym_samym[k], pytan / 200) << "slot " << k;
}

TEST(QuizDraw, ScriptedCandidates) {
  struct Przypadek {
    const char *opis;
    int przed[5];
    std::vector<int> liczby;  // rand() results: candidate = n % 200 + 1, slot = n % 4 + 1
    int po[5];
    int slot;
  };
  const Przypadek przypadki[] = {
      // From an empty start only the candidates among themselves count.
      {"empty start", {0, 0, 0, 0, 0}, {0, 1, 2, 3, 4, 3}, {1, 2, 3, 4, 5}, 4},
      {"repeat within the question", {0, 0, 0, 0, 0}, {6, 6, 206, 7, 8, 9, 10, 0}, {7, 8, 9, 10, 11}, 1},
      // 10 still stands in slot 0 itself and 20 in slot 1: both rejected; 20
      // overwrites slot 0 on the way, so 0 takes the next candidate.
      {"previous lines block", {10, 20, 30, 40, 50}, {9, 19, 100, 101, 102, 103, 104, 1},
       {101, 102, 103, 104, 105}, 2},
      // The rejected 30 overwrites slot 0's 10, which may then come back there.
      {"overwrite lets a line back", {10, 20, 30, 40, 50}, {29, 9, 100, 101, 102, 103, 2},
       {10, 101, 102, 103, 104}, 3},
      // A candidate equal to a later slot's old line: rejected but written.
      {"old line in a later slot", {10, 20, 30, 40, 50}, {49, 60, 61, 62, 63, 64, 7},
       {61, 62, 63, 64, 65}, 4},
  };
  for (const auto &p : przypadki) {
    int dd[5];
    std::copy(p.przed, p.przed + 5, dd);
    Kolejka z{p.liczby};
    int slot = losuj_pytanie(dd, std::ref(z));
    for (int k = 0; k < 5; k++) EXPECT_EQ(dd[k], p.po[k]) << p.opis << ", slot " << k;
    EXPECT_EQ(slot, p.slot) << p.opis;
    EXPECT_EQ(z.i, p.liczby.size()) << p.opis << ": random numbers used";
  }
}

TEST(QuizBar, RedWidth) {
  struct { int traf, pech, cc, want; } przypadki[] = {
      {0, 0, 100, 100},  // before the first answer
      {1, 0, 100, 0},   {0, 1, 100, 200}, {0, 3, 200, 198}, {1, 2, 0, 132},
      {0, 49, 196, 196}, {0, 50, 196, 200}, {25, 25, 100, 100}, {50, 0, 0, 0},
      {7, 0, 100, 0},   {0, 7, 0, 196},   {48, 2, 8, 8},
  };
  for (auto p : przypadki)
    EXPECT_EQ(czerwien_paska(p.traf, p.pech, p.cc), p.want) << p.traf << " right, " << p.pech << " wrong";
}

TEST(QuizGrade, Boundaries) {
  struct { int traf, t; const char *slowo; } przypadki[] = {
      {0, 0, "Tragedia"},       {10, 0, "Tragedia"},      {11, 1, "Słabo"},      {20, 1, "Słabo"},
      {21, 2, "Słabo"},         {30, 2, "Słabo"},         {31, 3, "Nieźle"},     {40, 3, "Nieźle"},
      {41, 4, "Bardzo Dobrze"}, {48, 4, "Bardzo Dobrze"}, {49, 5, "Genialnie"}, {50, 5, "Genialnie"},
  };
  for (auto p : przypadki) {
    EXPECT_EQ(ocena(p.traf), p.t) << p.traf;
    EXPECT_STREQ(slowo_oceny(ocena(p.traf)), p.slowo) << p.traf;
  }
}

TEST(QuizAnswers, HitAreaEdges) {
  struct { int px, py, want; } przypadki[] = {
      {200, 136, 0}, {201, 136, 1}, {649, 136, 1}, {650, 136, 0},
      {425, 120, 0}, {425, 121, 1}, {425, 151, 1}, {425, 152, 0},
      {425, 158, 0}, {425, 159, 2}, {425, 189, 2}, {425, 190, 0},
      {425, 197, 3}, {425, 227, 3}, {425, 235, 4}, {425, 265, 4}, {425, 266, 0},
      // The "menu" button and a place where a gallery flag may have been.
      {960, 35, 0},  {100, 136, 0},
  };
  for (auto p : przypadki) EXPECT_EQ(odpowiedz_pod(p.px, p.py), p.want) << p.px << "," << p.py;
}

TEST(QuizFlag, LeftEdge) {
  struct { int szer, x; } przypadki[] = {{600, 125}, {551, 150}, {550, 150}, {301, 274}, {300, 275}, {1, 424}};
  for (auto p : przypadki) EXPECT_EQ(x_flagi(p.szer), p.x) << p.szer;
}

// A button sheet with plain colours in the regions the quiz draws.
static ALLEGRO_BITMAP *arkusz() {
  ALLEGRO_BITMAP *b = al_create_bitmap(460, 160);
  al_set_target_bitmap(b);
  al_clear_to_color(al_map_rgba(0, 0, 0, 0));
  al_draw_filled_rectangle(0, 0, 200, 41, al_map_rgb(10, 20, 200));
  al_draw_filled_rectangle(0, 50, 80, 80, al_map_rgb(40, 90, 40));
  al_draw_filled_rectangle(100, 50, 110, 60, al_map_rgb(200, 200, 200));
  al_draw_filled_rectangle(0, 120, 453, 154, al_map_rgb(90, 10, 90));
  return b;
}

TEST(QuizPicture, LayoutCountersAndBar) {
  if (!przygotuj_allegro()) GTEST_SKIP() << "fonts under media/ missing";
  ALLEGRO_BITMAP *stary_el = el, *stare_tlo = tlo;
  el = arkusz();
  tlo = al_create_bitmap(1024, 768);
  al_set_target_bitmap(tlo);
  al_clear_to_color(al_map_rgb(60, 60, 60));
  ALLEGRO_BITMAP *b = al_create_bitmap(1024, 768);
  al_set_target_bitmap(b);
  uklad_quizu();

  auto jak = [](Rgb p, int r, int g, int bl, int tol) {
    return std::abs(p.r - r) <= tol && std::abs(p.g - g) <= tol && std::abs(p.b - bl) <= tol;
  };
  // The four answer boxes, whole, with the gaps between them.
  for (int k = 1; k <= 4; k++) {
    int gora = 38 * k + 81;
    for (auto [px, py] : {std::pair{200, gora}, {652, gora}, {200, gora + 33}, {652, gora + 33}, {425, gora + 16}})
      EXPECT_TRUE(jak(piksel(b, px, py), 90, 10, 90, 0)) << "box " << k << " at " << px << "," << py;
    EXPECT_FALSE(jak(piksel(b, 199, gora + 16), 90, 10, 90, 0)) << "box " << k;
    EXPECT_FALSE(jak(piksel(b, 653, gora + 16), 90, 10, 90, 0)) << "box " << k;
  }
  EXPECT_FALSE(jak(piksel(b, 425, 156), 90, 10, 90, 0)) << "gap between boxes 1 and 2";
  // The bar backdrop, 219 x 41 at (740, 441).
  EXPECT_TRUE(jak(piksel(b, 740, 441), 10, 20, 200, 0));
  EXPECT_TRUE(jak(piksel(b, 958, 481), 10, 20, 200, 0));
  EXPECT_FALSE(jak(piksel(b, 959, 460), 10, 20, 200, 0));
  EXPECT_FALSE(jak(piksel(b, 740, 482), 10, 20, 200, 0));
  // The panel: brighter than the background near its top, black outline,
  // background again far below where the bands cover it fully.
  Rgb panel = piksel(b, 400, 103);
  EXPECT_GT(panel.r, 60);
  EXPECT_TRUE(jak(piksel(b, 130, 104), 0, 0, 0, 2));
  EXPECT_TRUE(jak(piksel(b, 721, 104), 0, 0, 0, 2));
  EXPECT_TRUE(jak(piksel(b, 400, 740), 60, 60, 60, 2));
  EXPECT_TRUE(jak(piksel(b, 1000, 700), 60, 60, 60, 0));
  // The "menu" button.
  EXPECT_TRUE(jak(piksel(b, 922, 47), 40, 90, 40, 0));

  // Counters and bar after three wrong answers: 198 red pixels.
  int cc = 100;
  liczniki(47, 0, 3, cc);
  EXPECT_EQ(cc, 198);
  EXPECT_TRUE(jak(piksel(b, 751, 460), 20, 200, 20, 0));
  EXPECT_TRUE(jak(piksel(b, 752, 460), 220, 20, 20, 0));
  EXPECT_TRUE(jak(piksel(b, 949, 450), 220, 20, 20, 0));
  EXPECT_TRUE(jak(piksel(b, 949, 472), 220, 20, 20, 0));
  EXPECT_FALSE(jak(piksel(b, 950, 460), 220, 20, 20, 0));
  EXPECT_FALSE(jak(piksel(b, 800, 474), 20, 200, 20, 0));
  // The questions-to-go count is drawn while questions remain, not after.
  auto szare = [&](ALLEGRO_BITMAP *z) {
    int n = 0;
    for (int py = 250; py < 300; py++)
      for (int px = 800; px < 900; px++) n += jak(piksel(z, px, py), 66, 66, 66, 12);
    return n;
  };
  EXPECT_GT(szare(b), 20);
  al_clear_to_color(al_map_rgb(255, 255, 255));
  cc = 0;
  liczniki(-1, 50, 0, cc);
  EXPECT_EQ(szare(b), 0);
  EXPECT_TRUE(jak(piksel(b, 949, 460), 20, 200, 20, 0));

  al_set_target_bitmap(ekran);
  al_destroy_bitmap(b);
  al_destroy_bitmap(el);
  al_destroy_bitmap(tlo);
  el = stary_el;
  tlo = stare_tlo;
}
