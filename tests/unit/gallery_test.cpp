// The continent galleries, display names, the hover frame, the large flag
// view and the globe mask, checked on pictures composed in memory.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "gallery/galeria.h"
#include "shell/ekrany.h"
#include "shell/wspolne.h"
#include "shell/zasoby.h"
#include "srodowisko.h"

namespace fs = std::filesystem;

static std::ostream &operator<<(std::ostream &o, Rgb c) {
  return o << "(" << c.r << "," << c.g << "," << c.b << ")";
}

namespace {

const Rgb TLO = {0, 0, 120, 255};        // background of the fixture
const Rgb NIEBIESKA = {0, 80, 200, 255};  // colour of every small flag
const Rgb DUZA = {200, 40, 40, 255};      // colour of every large flag

bool blisko(Rgb a, Rgb b, int tol = 2) {
  return std::abs(a.r - b.r) <= tol && std::abs(a.g - b.g) <= tol && std::abs(a.b - b.b) <= tol;
}

// The panel tint (100, 100, 100, 150) over a white swatch, on the background.
Rgb na_panelu() {
  double a = 150 / 255.0;
  return {(int)(100 + TLO.r * (1 - a) + 0.5), (int)(100 + TLO.g * (1 - a) + 0.5),
          (int)(100 + TLO.b * (1 - a) + 0.5), 255};
}

void zapisz(ALLEGRO_BITMAP *b, const fs::path &p) {
  ASSERT_TRUE(al_save_bitmap(p.string().c_str(), b)) << p;
  al_destroy_bitmap(b);
}

ALLEGRO_BITMAP *pelny(int w, int h, Rgb c) {
  ALLEGRO_BITMAP *b = al_create_bitmap(w, h);
  al_set_target_bitmap(b);
  al_clear_to_color(al_map_rgba(c.r, c.g, c.b, c.a));
  return b;
}

// A media folder in a temporary directory, which becomes the working
// directory for the test's life: the button sheet, globes k1..k6 (a disk of
// radius 100 around the square's centre; k2 only its left half), and the
// flags the test names.
class Galeria : public ::testing::Test {
 protected:
  fs::path dawny, kat;

  void SetUp() override {
    if (!przygotuj_allegro()) GTEST_SKIP() << "fonts under media/ missing";
    dawny = fs::current_path();
    char wzor[] = "/tmp/trezalia-gallery.XXXXXX";
    ASSERT_NE(mkdtemp(wzor), nullptr);
    kat = wzor;
    fs::create_directories(kat / "media/gf");
    fs::create_directories(kat / "media/gfx");
    fs::current_path(kat);

    ALLEGRO_BITMAP *arkusz = pelny(453, 154, {30, 60, 30, 255});
    al_set_target_bitmap(arkusz);
    al_draw_filled_rectangle(100, 50, 110, 60, al_map_rgb(255, 255, 255));
    zapisz(arkusz, "media/el.png");
    for (int k = 1; k <= 6; k++) {
      ALLEGRO_BITMAP *g = pelny(300, 300, {0, 0, 0, 0});
      al_draw_filled_circle(150, 150, 100, al_map_rgb(40 * k, 200, 100));
      if (k == 2) {
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_ZERO);
        al_draw_filled_rectangle(150, 0, 300, 300, al_map_rgba(0, 0, 0, 0));
        al_set_blender(ALLEGRO_ADD, ALLEGRO_ONE, ALLEGRO_INVERSE_ALPHA);
      }
      zapisz(g, "media/k" + std::to_string(k) + ".png");
    }

    tlo = pelny(1024, 768, TLO);
    bufor = pelny(1024, 768, {255, 255, 255, 255});
    kt = pelny(1024, 768, {0, 0, 0, 0});
    zmenu = 3;
  }

  void TearDown() override {
    if (kat.empty()) return;
    fs::current_path(dawny);
    fs::remove_all(kat);
    for (ALLEGRO_BITMAP **b : {&tlo, &bufor, &kt, &el}) {
      if (*b) al_destroy_bitmap(*b);
      *b = nullptr;
    }
    mz = 0;
    ile = 0;
  }

  void flaga(const std::string &nazwa, int w, int h) {
    zapisz(pelny(w, h, NIEBIESKA), "media/gf/" + nazwa + ".png");
    zapisz(pelny(w * 4, h * 4, DUZA), "media/gfx/" + nazwa + ".png");
  }
  void lista(int k, const std::string &tresc) { std::ofstream("media/n" + std::to_string(k) + ".txt") << tresc; }
};

}  // namespace

TEST(GaleriaGeometria, TableOfAllContinents) {
  struct { int k, ds, dw, x, y, kk, kd, rk, rd, li, komorek; } tab[] = {
      {1, 10, 10, 106, 74, 5, 7, 6, 9, 25, 48},  {2, 10, 10, 106, 74, 4, 7, 6, 9, 25, 51},
      {3, 13, 10, 158, 104, 4, 5, 4, 6, 25, 22}, {4, 11, 10, 191, 130, 3, 4, 3, 5, 20, 14},
      {5, 13, 6, 105, 66, 6, 8, 6, 9, 25, 54},   {6, 13, 10, 158, 104, 5, 5, 4, 6, 20, 20},
  };
  for (auto t : tab) {
    SCOPED_TRACE(t.k);
    for (int i = 0; i < 60; i++) fx[i] = fy[i] = -7;
    ustaw_geometrie(t.k);
    EXPECT_EQ(ds, t.ds); EXPECT_EQ(dw, t.dw); EXPECT_EQ(x, t.x); EXPECT_EQ(y, t.y);
    EXPECT_EQ(kk, t.kk); EXPECT_EQ(kd, t.kd); EXPECT_EQ(rk, t.rk); EXPECT_EQ(rd, t.rd);
    EXPECT_EQ(li, t.li);
    EXPECT_EQ(kk * rk + (kd - kk) * rd, t.komorek);
    EXPECT_EQ(komorki(t.k), t.komorek);
    // Cells row by row; past the count the old values stay.
    EXPECT_EQ(fx[1], 30 + t.ds);
    EXPECT_EQ(fy[1], 150 + t.dw);
    EXPECT_EQ(fx[t.komorek], 30 + t.ds + t.x * ((t.kd > t.kk ? t.rd : t.rk) - 1));
    EXPECT_EQ(fy[t.komorek], 150 + t.dw + t.y * (t.kd - 1));
    if (t.komorek < 59) {
      EXPECT_EQ(fx[t.komorek + 1], -7);
    }
    EXPECT_EQ(fx[0], -7);
    if (t.kd > t.kk) {
      int b = t.kk * t.rk + 1;  // first cell of the long rows
      EXPECT_EQ(fx[b], 30 + t.ds);
      EXPECT_EQ(fy[b], 150 + t.dw + t.y * t.kk);
      EXPECT_EQ(fx[b - 1], 30 + t.ds + t.x * (t.rk - 1));
    }
  }
}

TEST(GaleriaGeometria, WorkedFiguresOfEurope) {
  ustaw_geometrie(1);
  const int xs[6] = {40, 146, 252, 358, 464, 570};
  for (int c = 0; c < 6; c++) {
    EXPECT_EQ(fx[1 + c], xs[c]);
    EXPECT_EQ(fy[1 + c], 160);
    EXPECT_EQ(fy[7 + c], 234);
    EXPECT_EQ(fy[25 + c], 456);
  }
  for (int c = 0; c < 9; c++) {
    EXPECT_EQ(fx[31 + c], 40 + 106 * c);
    EXPECT_EQ(fy[31 + c], 530);
    EXPECT_EQ(fy[40 + c], 604);
  }
  EXPECT_EQ(fx[48], 888);
}

TEST(GaleriaGeometria, CentringTruncatesTowardZero) {
  EXPECT_EQ(srodek(96, 96), 0);
  EXPECT_EQ(srodek(96, 90), 3);
  EXPECT_EQ(srodek(64, 59), 2);
  EXPECT_EQ(srodek(96, 100), -2);  // 4 px wider
  EXPECT_EQ(srodek(96, 99), -1);   // 3 px wider
}

TEST(NazwyWyswietlane, Table) {
  struct { const char *plik, *widok; } tab[] = {
      {"Azerbejdzan", "Azerbejdżan"},
      {"Bialorus", "Białoruś"},
      {"Bosnia", "Bośnia i Hercegowina"},
      {"Czarnogora", "Czarnogóra"},
      {"Dzibuti", "Dżibuti"},
      {"Fidzi", "Fidżi"},
      {"Gwinea Rownikowa.", "Gwinea Równikowa."},
      {"Indonezja1", "Indonezja"},
      {"Kambodza", "Kambodża"},
      {"Korea 1", "Korea Południowa"},
      {"Korea 2", "Korea Północna (KRLD)"},
      {"Lotwa", "Łotwa"},
      {"Moldawia", "Mołdawia"},
      {"Republika Dominikanska", "Republika Dominikańska"},
      {"Republika Poludniowej Afryki", "Republika Południowej Afryki"},
      {"Republika Srodkowoafrykanska", "Republika Środkowoafrykańska"},
      {"Republika Zielonego Przyladka.", "Republika Zielonego Przylądka."},
      {"Slowacja.", "Słowacja."},
      {"Slowenia", "Słowenia"},
      {"Sudan Poludniowy.", "Sudan Południowy."},
      {"Tadzykistan", "Tadżykistan"},
      {"Timor Wschodni1", "Timor Wschodni"},
      {"Wegry", "Węgry"},
      {"Wlochy", "Włochy"},
      {"Wybrzeze Kosci Sloniowej", "Wybrzeże Kości Słoniowej"},
      // Unchanged: not in the table, near misses, the island state keeps its name.
      {"Polska", "Polska"},
      {"", ""},
      {"Bialorus ", "Bialorus "},
      {"bialorus", "bialorus"},
      {"BIALORUS", "BIALORUS"},
      {"Slowacja", "Slowacja"},
      {"Korea", "Korea"},
      {"Białoruś", "Białoruś"},
      {"Wyspy Świętego Tomasza i Książęca.", "Wyspy Świętego Tomasza i Książęca."},
  };
  // Spread over the whole array, the far end included.
  int n = sizeof tab / sizeof tab[0];
  for (int i = 1; i <= 201; i++) nazwy[i] = tab[i % n].plik;
  nn[0] = "do znalezienia";
  nazwy[0] = "Bialorus";
  zamiana();
  for (int i = 1; i <= 201; i++) EXPECT_EQ(nn[i], tab[i % n].widok) << i;
  EXPECT_EQ(nn[0], "do znalezienia");
  // A second call changes nothing; a changed name is picked up.
  zamiana();
  for (int i = 1; i <= 201; i++) EXPECT_EQ(nn[i], tab[i % n].widok) << i;
  nazwy[201] = "Wegry";
  zamiana();
  EXPECT_EQ(nn[201], "Węgry");
  for (auto &s : nazwy) s.clear();
  zamiana();
  for (int i = 1; i <= 201; i++) EXPECT_EQ(nn[i], "");
  EXPECT_EQ(nn[0], "do znalezienia");
  nn[0].clear();
}

TEST_F(Galeria, ListReading) {
  flaga("A", 90, 60);
  flaga("B", 90, 60);
  struct { const char *opis, *tresc; int ile; const char *n1, *n2; } tab[] = {
      {"LF", "A\nB\n", 2, "A", "B"},
      {"no final line break", "A\nB", 2, "A", "B"},
      {"trailing empty line", "A\nB\n\n", 2, "A", "B"},
      {"CR LF", "A\r\nB\r\n", 2, "A", "B"},
      {"BOM and CR LF", "\xEF\xBB\xBF" "A\r\nB", 2, "A", "B"},
      {"empty file", "", 0, "", ""},
  };
  for (auto t : tab) {
    SCOPED_TRACE(t.opis);
    wyb = 3;
    lista(3, t.tresc);
    nazwy[0] = "zero";
    nazwy[60] = "sześćdziesiąt";
    for (int i = 1; i <= 59; i++) nazwy[i] = "stare";
    szykowanie_danych_rys();
    EXPECT_EQ(ile, t.ile);
    EXPECT_EQ(nazwy[1], t.n1);
    EXPECT_EQ(nazwy[2], t.n2);
    for (int i = 3; i <= 59; i++) EXPECT_EQ(nazwy[i], "") << i;
    EXPECT_EQ(nazwy[0], "zero");
    EXPECT_EQ(nazwy[60], "sześćdziesiąt");
  }
  // A missing list: no names, the gallery still composed.
  fs::remove("media/n3.txt");
  szykowanie_danych_rys();
  EXPECT_EQ(ile, 0);
  EXPECT_EQ(nazwy[1], "");
  EXPECT_TRUE(blisko(piksel(bufor, 850, 290), {120, 200, 100, 255}, 3)) << piksel(bufor, 850, 290);
  // Only the first 59 lines count.
  std::string d;
  for (int i = 1; i <= 60; i++) d += (i == 60 ? "B" : "A") + std::string("\n");
  lista(3, d);
  szykowanie_danych_rys();
  EXPECT_EQ(ile, 59);
  EXPECT_EQ(nazwy[59], "A");
  EXPECT_EQ(nazwy[60], "sześćdziesiąt");
  nazwy[0].clear();
  nazwy[60].clear();
}

TEST_F(Galeria, EuropePanelsFlagsAndOutlines) {
  flaga("Polska", 90, 60);    // drawn at (43, 162)
  flaga("Nepal", 40, 60);     // cell 2, box from (146, 160): drawn at (174, 162)
  flaga("Szeroka", 100, 64);  // cell 3: 4 px wider, from x 252 - 2
  flaga("Waska", 99, 64);     // cell 4: 3 px wider, from x 358 - 1
  flaga("nepal", 40, 60);     // cell 5: not exactly "Nepal"
  wyb = 1;
  lista(1, "Polska\nNepal\nSzeroka\nWaska\nnepal\n");
  szykowanie_danych_rys();
  ASSERT_EQ(ile, 5);
  EXPECT_EQ(al_get_target_bitmap(), ekran);
  EXPECT_EQ(es[1], 90); EXPECT_EQ(ew[1], 60);
  EXPECT_EQ(es[4], 99); EXPECT_EQ(ew[4], 64);

  const Rgb panel = na_panelu(), czarny = {0, 0, 0, 255};
  auto p = [&](int px, int py) { return piksel(bufor, px, py); };
  // Upper panel 646 x 370 from (30, 150), lower 964 x 158 from (30, 520).
  struct { int px, py; Rgb want; } tab[] = {
      {32, 300, panel}, {660, 300, panel}, {674, 516, panel}, {690, 300, TLO}, {690, 505, TLO},
      {32, 525, panel}, {990, 600, panel}, {990, 675, panel}, {500, 690, TLO}, {20, 300, TLO},
      {500, 140, TLO},
      // Right edges at x 677 and 995 and the bottom line at y 679, dark.
      {677, 300, {61, 61, 61, 255}}, {995, 600, {61, 61, 61, 255}}, {500, 679, {61, 61, 61, 255}},
      // Left edge light.
      {29, 300, {171, 171, 171, 255}},
      // Flags: inside, and the centring with its rounding.
      // (the outline covers the column or row just outside the picture).
      {88, 192, NIEBIESKA}, {50, 170, NIEBIESKA}, {43 - 2, 192, panel},
      {252 - 2 + 1, 192, NIEBIESKA}, {252 - 2 - 2, 192, panel},
      {358 - 1 + 1, 192, NIEBIESKA}, {358 - 1 - 2, 192, panel},
      // The globe at (700, 140), its transparent corner showing the background.
      {850, 290, {40, 200, 100, 255}}, {705, 145, TLO},
  };
  for (auto t : tab) EXPECT_TRUE(blisko(p(t.px, t.py), t.want, 3)) << t.px << "," << t.py << ": " << p(t.px, t.py);

  // Outline: a black line on the flag's edge, all round, for every flag but "Nepal".
  auto obrys = [&](int ex, int ey, int w, int h) {
    int n = 0;
    for (int px = ex - 1; px <= ex + 1; px++) n += blisko(p(px, ey + h / 2), czarny);
    for (int px = ex + w - 1; px <= ex + w + 1; px++) n += blisko(p(px, ey + h / 2), czarny);
    for (int py = ey - 1; py <= ey + 1; py++) n += blisko(p(ex + w / 2, py), czarny);
    for (int py = ey + h - 1; py <= ey + h + 1; py++) n += blisko(p(ex + w / 2, py), czarny);
    return n;
  };
  EXPECT_GE(obrys(43, 162, 90, 60), 4);
  EXPECT_EQ(obrys(174, 162, 40, 60), 0) << "Nepal has no outline";
  EXPECT_GE(obrys(464 + 28, 162, 40, 60), 4) << "only the exact name goes without";
  EXPECT_GE(obrys(250, 160, 100, 64), 4);
}

TEST_F(Galeria, TitleHintAndMenuButton) {
  flaga("A", 90, 60);
  lista(6, "A\n");
  wyb = 6;
  szykowanie_danych_rys();
  // The same texts drawn on the plain background, compared by pixels.
  ALLEGRO_BITMAP *wzor = pelny(1024, 768, TLO);
  al_draw_text(f40, al_map_rgb(20, 120, 160), 350, 20, ALLEGRO_ALIGN_CENTRE, "Australia i Oceania");
  al_draw_text(f20, al_map_rgb(171, 171, 171), 510, 700, ALLEGRO_ALIGN_CENTRE,
               "Klik PPM na flagi - duży obrazek  //  Klik LPM na kuli -  zmiana kontynentu");
  int rozne = 0, tekst = 0;
  for (int py = 15; py < 70; py++)
    for (int px = 100; px < 600; px++) {
      tekst += !blisko(piksel(wzor, px, py), TLO, 0);
      rozne += !blisko(piksel(wzor, px, py), piksel(bufor, px, py), 0);
    }
  for (int py = 700; py < 725; py++)
    for (int px = 0; px < 1024; px++) {
      tekst += !blisko(piksel(wzor, px, py), TLO, 0);
      rozne += !blisko(piksel(wzor, px, py), piksel(bufor, px, py), 0);
    }
  al_destroy_bitmap(wzor);
  EXPECT_GT(tekst, 500);
  EXPECT_EQ(rozne, 0);
  // The menu button from the sheet at (920, 20).
  EXPECT_TRUE(blisko(piksel(bufor, 922, 22), {30, 60, 30, 255})) << piksel(bufor, 922, 22);
  EXPECT_TRUE(blisko(piksel(bufor, 918, 22), TLO));
  // Continent 6: 20 cells, no long rows, a lower panel 10 px high at y 670.
  EXPECT_EQ(fy[20], 150 + 10 + 104 * 4);
  const Rgb panel = na_panelu();
  for (int py : {672, 677}) EXPECT_TRUE(blisko(piksel(bufor, 900, py), panel, 3)) << py << piksel(bufor, 900, py);
  for (int py : {660, 684}) EXPECT_TRUE(blisko(piksel(bufor, 900, py), TLO, 3)) << py << piksel(bufor, 900, py);
}

TEST_F(Galeria, ResultBarOnlyForTheTest) {
  flaga("A", 90, 60);
  lista(4, "A\n");
  wyb = 4;
  struct { int zm; bool bar, hint; } tab[] = {{1, true, false}, {3, false, true}, {0, false, false}, {2, false, false}};
  for (auto t : tab) {
    SCOPED_TRACE(t.zm);
    zmenu = t.zm;
    szykowanie_danych_rys();
    // The 20th slot mark of continent 4 at x 695; none past it.
    EXPECT_EQ(blisko(piksel(bufor, 700, 710), {30, 60, 30, 255}), t.bar) << piksel(bufor, 700, 710);
    if (t.bar)
      EXPECT_TRUE(blisko(piksel(bufor, 725, 715), na_panelu(), 3)) << piksel(bufor, 725, 715);
    else
      EXPECT_TRUE(blisko(piksel(bufor, 725, 733), TLO, 3)) << piksel(bufor, 725, 733);
    int hint = 0;
    for (int px = 200; px < 820; px++) hint += blisko(piksel(bufor, px, 712), {171, 171, 171, 255}, 40);
    EXPECT_EQ(hint > 10, t.hint) << hint;
  }
}

TEST_F(Galeria, GlobeMaskCopyFollowsKt) {
  flaga("A", 90, 60);
  lista(1, "A\n");
  lista(2, "A\n");
  wyb = 2;  // the left half of a disk
  szykowanie_danych_rys();
  EXPECT_EQ(suma_kuli(900, 290), 0);
  EXPECT_GT(suma_kuli(800, 290), 0);
  wyb = 1;  // the whole disk over it
  szykowanie_danych_rys();
  wyb = 2;  // kt keeps the union
  szykowanie_danych_rys();
  EXPECT_GT(suma_kuli(900, 290), 0);
  for (int py = -5; py < 780; py += 7)
    for (int px = -5; px < 1030; px += 7) {
      int want = 0;
      if (px >= 0 && py >= 0 && px < 1024 && py < 768) {
        unsigned char r, g, b;
        al_unmap_rgb(al_get_pixel(kt, px, py), &r, &g, &b);
        want = r + g + b;
      }
      ASSERT_EQ(suma_kuli(px, py), want) << px << "," << py;
    }
  EXPECT_EQ(suma_kuli(705, 145), 0);
  EXPECT_EQ(suma_kuli(850, 290), 40 + 200 + 100);
}

// The frame around a 90 x 60 flag drawn at (43, 162): rectangles from
// (39, 158)-(137, 226) outermost to (42, 161)-(134, 223) innermost.
TEST_F(Galeria, HoverFrameRectangles) {
  ustaw_geometrie(1);
  es[1] = 90;
  ew[1] = 60;
  const Rgb k[4] = {{160, 160, 160, 255}, {190, 190, 190, 255}, {220, 220, 220, 255}, {250, 250, 250, 255}};
  cel_tylny();
  al_clear_to_color(al_map_rgb(0, 0, 0));
  mz = 0;
  ramka_flagi();
  for (int px = 30; px < 150; px++) ASSERT_TRUE(blisko(piksel(ekran, px, 190), {0, 0, 0, 255}, 0)) << px;
  mz = 1;
  ramka_flagi();
  const int lewy[4] = {39, 40, 41, 42}, prawy[4] = {137, 136, 135, 134}, gora[4] = {158, 159, 160, 161},
            dol[4] = {226, 225, 224, 223};
  // Each rectangle's sides within half a pixel of its coordinates.
  auto na = [&](int a, int b, Rgb c) { return blisko(piksel(ekran, a, b), c, 0); };
  for (int d = 0; d < 4; d++) {
    SCOPED_TRACE(d);
    EXPECT_TRUE(na(lewy[d], 190, k[d]) || na(lewy[d] - 1, 190, k[d])) << piksel(ekran, lewy[d], 190);
    EXPECT_TRUE(na(prawy[d], 190, k[d]) || na(prawy[d] - 1, 190, k[d]));
    EXPECT_TRUE(na(88, gora[d], k[d]) || na(88, gora[d] - 1, k[d]));
    EXPECT_TRUE(na(88, dol[d], k[d]) || na(88, dol[d] - 1, k[d]));
  }
  // Nothing inside the innermost line or outside the outermost one.
  EXPECT_TRUE(na(88, 190, {0, 0, 0, 255}));
  EXPECT_TRUE(na(44, 190, {0, 0, 0, 255}));
  EXPECT_TRUE(na(37, 190, {0, 0, 0, 255}));
  EXPECT_TRUE(na(139, 190, {0, 0, 0, 255}));
  EXPECT_TRUE(na(88, 156, {0, 0, 0, 255}));
  EXPECT_TRUE(na(88, 228, {0, 0, 0, 255}));
}

TEST_F(Galeria, NepalIsFramedOnHover) {
  flaga("Nepal", 40, 60);
  lista(1, "Nepal\n");
  wyb = 1;
  szykowanie_danych_rys();
  cel_tylny();
  al_draw_bitmap(bufor, 0, 0, 0);
  mz = 1;
  ramka_flagi();
  // The flag (68..107 x 162..221) framed 4 px out, grey outermost.
  EXPECT_TRUE(blisko(piksel(ekran, 88, 190), NIEBIESKA)) << piksel(ekran, 88, 190);
  int jasne = 0;
  for (int px = 62; px <= 68; px++) jasne += blisko(piksel(ekran, px, 190), {250, 250, 250, 255}, 0);
  EXPECT_GE(jasne, 1);
  EXPECT_FALSE(blisko(piksel(ekran, 66, 190), piksel(bufor, 66, 190)));
}

// The large view: centred on (500, 400), halves toward zero.
TEST_F(Galeria, LargeViewPosition) {
  struct { const char *nazwa; int w, h; bool ramki; } tab[] = {
      {"A", 400, 300, true}, {"B", 401, 301, true}, {"Nepal", 400, 300, false}};
  for (auto t : tab) {
    SCOPED_TRACE(t.nazwa);
    zapisz(pelny(t.w, t.h, DUZA), std::string("media/gfx/") + t.nazwa + ".png");
    nazwy[7] = t.nazwa;
    mz = 7;
    myszka.buttons = 0;
    cel_tylny();
    al_clear_to_color(al_map_rgb(TLO.r, TLO.g, TLO.b));
    flaga_big();
    auto p = [&](int a, int b) { return piksel(ekran, a, b); };
    const Rgb jasny = {222, 222, 222, 255}, czarny = {0, 0, 0, 255};
    const int P = 300 + t.w, D = 250 + t.h;  // right and bottom edge
    // Drawn from (300, 250) in both sizes.
    EXPECT_TRUE(blisko(p(303, 253), DUZA));
    EXPECT_TRUE(blisko(p(P - 3, D - 3), DUZA));
    EXPECT_TRUE(blisko(p(293, 400), TLO));
    EXPECT_TRUE(blisko(p(P + 5, 400), TLO));
    if (t.ramki) {
      // Light lines 3 px thick on the edges, black ones 3 px further out.
      for (int px : {298, 300, P - 2, P}) EXPECT_TRUE(blisko(p(px, 400), jasny)) << px << p(px, 400);
      for (int py : {248, 250, D - 2, D}) EXPECT_TRUE(blisko(p(500, py), jasny)) << py << p(500, py);
      for (int px : {295, 297, P + 1, P + 3}) EXPECT_TRUE(blisko(p(px, 400), czarny)) << px << p(px, 400);
      for (int py : {245, 247, D + 1, D + 3}) EXPECT_TRUE(blisko(p(500, py), czarny)) << py << p(500, py);
      EXPECT_TRUE(blisko(p(301, 400), DUZA));
      EXPECT_TRUE(blisko(p(P - 3, 400), DUZA));
    } else {
      for (int px : {300, P - 1}) EXPECT_TRUE(blisko(p(px, 400), DUZA)) << px << p(px, 400);
      for (int py : {250, D - 1}) EXPECT_TRUE(blisko(p(500, py), DUZA)) << py;
      for (int px : {295, 299, P, P + 3}) EXPECT_TRUE(blisko(p(px, 400), TLO)) << px << p(px, 400);
    }
  }
  nazwy[7].clear();
}

// A name with '%' is drawn as it stands, like the same text drawn plainly.
TEST_F(Galeria, NameWithPercentDrawnAsItStands) {
  const std::string nazwa = "100% %s %d%%";
  flaga(nazwa, 90, 60);
  lista(1, nazwa + "\n");
  wyb = 1;
  szykowanie_danych_rys();
  ASSERT_EQ(ile, 1);
  zamiana();
  EXPECT_EQ(nn[1], nazwa);
  cel_tylny();
  al_clear_to_color(al_map_rgb(0, 0, 0));
  mz = 1;
  napis_nazwy();
  ALLEGRO_BITMAP *wzor = pelny(1024, 768, {0, 0, 0, 255});
  al_draw_text(f40, al_map_rgb(222, 222, 0), 350, 100, ALLEGRO_ALIGN_CENTRE, nazwa.c_str());
  int rozne = 0, tekst = 0;
  for (int py = 95; py < 160; py++)
    for (int px = 0; px < 700; px++) {
      tekst += !blisko(piksel(wzor, px, py), {0, 0, 0, 255}, 0);
      rozne += !blisko(piksel(wzor, px, py), piksel(ekran, px, py), 0);
    }
  al_destroy_bitmap(wzor);
  EXPECT_GT(tekst, 200);
  EXPECT_EQ(rozne, 0);
}
