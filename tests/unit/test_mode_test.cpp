// The test's results: grade and share by total hits, row labels, question
// draws and slots, and the results panel drawn on a memory screen.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>

#include "shell/ekrany.h"
#include "srodowisko.h"
#include "test_mode/test_mode.h"

namespace {

TEST(WynikiTestu, GradeFontAndShareByTotalHits) {
  struct {
    int t;
    const char *slowo;
    bool duza;
    const char *udzial;
  } tab[] = {
      {0, "Tragedia", true, "0.0"},          {10, "Tragedia", true, "7.1"},
      {11, "Słabo", false, "7.9"},           {34, "Słabo", false, "24.3"},
      {35, "Jako tako", false, "25.0"},      {59, "Jako tako", false, "42.1"},
      {60, "Dostatecznie", false, "42.9"},   {84, "Dostatecznie", false, "60.0"},
      {85, "Nieźle", false, "60.7"},         {109, "Nieźle", false, "77.9"},
      {110, "Bardzo dobrze", false, "78.6"}, {134, "Bardzo dobrze", false, "95.7"},
      {135, "Genialnie", true, "96.4"},      {140, "Genialnie", true, "100.0"},
  };
  for (auto c : tab) {
    OcenaTestu o = ocena_testu(c.t);
    EXPECT_STREQ(o.slowo, c.slowo) << c.t << " hits";
    EXPECT_EQ(o.duza, c.duza) << c.t << " hits";
    EXPECT_EQ(tekst_udzialu(c.t), std::string("Dobrych odpowiedzi: ") + c.udzial) << c.t << " hits";
  }
}

TEST(WynikiTestu, RowLabelsAreTheScreensOwn) {
  const char *want[7] = {"", "Europa", "Azja", "Ameryka Północna", "Ameryka Południowa", "Afryka",
                         "Australia i Oceania"};
  for (int i = 1; i <= 6; i++) EXPECT_STREQ(nazwa_wiersza(i), want[i]) << "row " << i;
  EXPECT_STREQ(nazwa_wiersza(0), "");
  EXPECT_STREQ(nazwa_wiersza(7), "");
}

TEST(Test, QuestionsStayInTheListAndAnEmptyListAsksNothing) {
  for (int ile_ : {1, 2, 14, 59})
    for (int r : {0, 1, ile_ - 1, ile_, 12345, RAND_MAX}) {
      int q = pytanie(r, ile_);
      EXPECT_GE(q, 1) << r << " of " << ile_;
      EXPECT_LE(q, ile_) << r << " of " << ile_;
      EXPECT_EQ(q, r % ile_ + 1);
    }
  EXPECT_EQ(pytanie(0, 0), 0);
  EXPECT_EQ(pytanie(RAND_MAX, 0), 0);
}

TEST(Test, SlotsOfTheResultBar) {
  EXPECT_EQ(slot_x(0), 220);
  EXPECT_EQ(slot_x(1), 245);
  EXPECT_EQ(slot_x(19) + 17, 712);  // the last of 20
  EXPECT_EQ(slot_x(24) + 17, 837);  // the last of 25
  EXPECT_EQ(SLOT_Y, 701);
}

// --- The panel on a memory screen -----------------------------------------

bool blisko(Rgb a, Rgb b, int tol = 2) {
  return std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol;
}

struct Pudlo {
  int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
  bool puste() const { return x1 < 0; }
};

// Where pixels of exactly one colour lie within a rectangle of ekran.
Pudlo gdzie(Rgb c, int ax, int ay, int bx, int by) {
  Pudlo p;
  for (int py = ay; py <= by; py++)
    for (int px = ax; px <= bx; px++)
      if (blisko(piksel(ekran, px, py), c, 0)) {
        p.x0 = std::min(p.x0, px);
        p.x1 = std::max(p.x1, px);
        p.y0 = std::min(p.y0, py);
        p.y1 = std::max(p.y1, py);
      }
  return p;
}

class Panel : public ::testing::Test {
 protected:
  const Rgb SZARY = {100, 100, 100, 255};  // the screen below the panel
  const Rgb TLO = {200, 150, 100, 255};    // bufor, the last gallery

  void SetUp() override {
    if (!przygotuj_allegro()) GTEST_SKIP() << "fonts under media/ missing";
    bufor = al_create_bitmap(1024, 768);
    al_set_target_bitmap(bufor);
    al_clear_to_color(al_map_rgb(TLO.r, TLO.g, TLO.b));
    cel_ekran();
    al_clear_to_color(al_map_rgb(SZARY.r, SZARY.g, SZARY.b));
  }
  void TearDown() override {
    if (bufor) al_destroy_bitmap(bufor);
    bufor = nullptr;
    for (int k = 0; k < 7; k++) traf[k] = pech[k] = 0;
  }
  void wypelnij(const int t[7], const int p[7]) {
    for (int k = 0; k < 7; k++) {
      traf[k] = t[k];
      pech[k] = p[k];
    }
  }
  // Width of a text as the font lays it out.
  static int szer(ALLEGRO_FONT *f, const char *s) { return al_get_text_width(f, s); }
};

TEST_F(Panel, BackdropFrameAndLinesOverTheLastGallery) {
  const int t[7] = {0, 25, 25, 25, 20, 25, 20}, p[7] = {0};
  wypelnij(t, p);
  cel_ekran();
  wyniki_testu();
  // Backdrop: the patch tinted (0, 30, 50, 220) plus 35/255 of the screen below.
  double reszta = 1 - 220 / 255.0;
  Rgb tlo = {(int)(SZARY.r * reszta + 0.5), (int)(TLO.g * 30 / 255.0 + SZARY.g * reszta + 0.5),
             (int)(TLO.b * 50 / 255.0 + SZARY.b * reszta + 0.5), 255};
  EXPECT_PRED3(blisko, piksel(ekran, 270, 570), tlo, 2);
  EXPECT_PRED3(blisko, piksel(ekran, 750, 190), tlo, 2);
  // Outside the panel the screen is untouched.
  EXPECT_PRED3(blisko, piksel(ekran, 255, 400), SZARY, 0);
  EXPECT_PRED3(blisko, piksel(ekran, 770, 400), SZARY, 0);
  // Frame and the two lines.
  Rgb ramka = {0, 150, 150, 255}, linia = {20, 120, 160, 255};
  EXPECT_PRED3(blisko, piksel(ekran, 260, 400), ramka, 2);
  EXPECT_PRED3(blisko, piksel(ekran, 500, 580), ramka, 2);
  EXPECT_PRED3(blisko, piksel(ekran, 500, 280), linia, 2);
  EXPECT_PRED3(blisko, piksel(ekran, 500, 470), linia, 2);
}

TEST_F(Panel, GradeWordAndShareForAllRightAndNoneRight) {
  struct {
    int t[7], p[7];
    const char *slowo;
    const char *udzial;
  } przypadki[] = {
      {{0, 25, 25, 25, 20, 25, 20}, {0}, "Genialnie", "Dobrych odpowiedzi: 100.0"},
      {{0}, {0, 25, 25, 25, 20, 25, 20}, "Tragedia", "Dobrych odpowiedzi: 0.0"},
      {{0, 20, 20, 20, 15, 20, 15}, {0, 5, 5, 5, 5, 5, 5}, "Bardzo dobrze", "Dobrych odpowiedzi: 78.6"},
  };
  for (auto &c : przypadki) {
    SetUp();
    wypelnij(c.t, c.p);
    cel_ekran();
    wyniki_testu();
    ALLEGRO_FONT *f = ocena_testu(traf[1] + traf[2] + traf[3] + traf[4] + traf[5] + traf[6]).duza ? f40 : f30;
    // The grade word in (60, 160, 200), centred on x 550, from y 520.
    Pudlo w = gdzie({60, 160, 200, 255}, 265, 505, 755, 575);
    ASSERT_FALSE(w.puste()) << c.slowo;
    int bx, by, bw, bh;
    al_get_text_dimensions(f, c.slowo, &bx, &by, &bw, &bh);
    EXPECT_NEAR(w.x0, 550 - szer(f, c.slowo) / 2 + bx, 3) << c.slowo;
    EXPECT_NEAR(w.x1 - w.x0 + 1, bw, 4) << c.slowo;
    EXPECT_NEAR(w.y1 - w.y0 + 1, bh, 4) << c.slowo;
    // The share, right-aligned on x 580 at y 480: its left edge tells its length.
    Pudlo u = gdzie({20, 120, 160, 255}, 265, 478, 583, 502);
    ASSERT_FALSE(u.puste()) << c.udzial;
    al_get_text_dimensions(f20, c.udzial, &bx, &by, &bw, &bh);
    EXPECT_NEAR(u.x0, 580 - szer(f20, c.udzial) + bx, 3) << c.udzial;
    TearDown();
  }
}

}  // namespace
