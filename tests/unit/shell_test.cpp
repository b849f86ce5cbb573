// Hover tests, menu hit boxes, the start state and the media checks.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "shell/stan.h"
#include "shell/wspolne.h"
#include "shell/zasoby.h"

namespace fs = std::filesystem;

TEST(StartState, DefaultsBeforeInit) {
  EXPECT_EQ(dx, 30);
  EXPECT_EQ(dy, 150);
  EXPECT_EQ(EK, 0);
  EXPECT_EQ(okno, nullptr);
  EXPECT_EQ(bufor, nullptr);
  EXPECT_EQ(kontynent[0], "Trezalia");
  EXPECT_EQ(kontynent[4], "Ameryka Południowa");
  EXPECT_EQ(kontynent[6], "Australia i Oceania");
  EXPECT_EQ(myszka.x, 0);
  EXPECT_EQ(myszka.buttons, 0);
  EXPECT_TRUE(nazwy[201].empty());
}

// One Europe-sized cell at (40, 160): its box is 96 x 64.
static void jedna_komorka() {
  ile = 1;
  fx[1] = 40;
  fy[1] = 160;
  x = 106;
  ds = 10;
  y = 74;
  dw = 10;
}

TEST(Hover, CellEdgesAreExclusive) {
  jedna_komorka();
  struct { int px, py, want; } cases[] = {
      {40, 200, 0}, {41, 200, 1}, {135, 200, 1}, {136, 200, 0},
      {80, 160, 0}, {80, 161, 1}, {80, 223, 1}, {80, 224, 0},
  };
  for (auto c : cases) EXPECT_EQ(pole_pod(c.px, c.py), c.want) << c.px << "," << c.py;
  ile = 0;
}

TEST(Hover, MenuHotArea) {
  ile = 0;
  struct { int px, py, want; } cases[] = {
      {925, 30, 0}, {926, 30, 99}, {995, 30, 99}, {996, 30, 0},
      {950, 25, 0}, {950, 26, 99}, {950, 45, 99}, {950, 46, 0},
  };
  for (auto c : cases) EXPECT_EQ(pole_pod(c.px, c.py), c.want) << c.px << "," << c.py;
}

TEST(Hover, HotAreaWinsOverCellAndLaterCellWins) {
  jedna_komorka();
  fx[1] = 900;
  fy[1] = 10;
  EXPECT_EQ(pole_pod(950, 30), 99);
  // Two overlapping cells: the later one is reported.
  ile = 2;
  fx[1] = fx[2] = 40;
  fy[1] = fy[2] = 160;
  EXPECT_EQ(pole_pod(50, 170), 2);
  ile = 0;
  EXPECT_EQ(pole_pod(50, 170), 0);
}

TEST(Menu, HitBoxes) {
  struct { int px, py, want; } cases[] = {
      {419, 320, 0}, {420, 320, 1}, {602, 320, 1}, {603, 320, 0},
      {500, 309, 0}, {500, 310, 1}, {500, 332, 1}, {500, 333, 0},
      {500, 345, 0}, {500, 359, 0}, {500, 360, 2}, {500, 410, 3},
      {500, 460, 4}, {500, 532, 5}, {500, 533, 0},
  };
  for (auto c : cases) EXPECT_EQ(pozycja_menu(c.px, c.py), c.want) << c.px << "," << c.py;
}

TEST(Menu, F11HintNamesTheOtherMode) {
  EXPECT_STREQ(podpowiedz_f11(0), "[F11] - Pełny ekran");
  EXPECT_STREQ(podpowiedz_f11(1), "[F11] - Okno 1024 x 768");
}

// A scratch media folder for the list checks.
class Folder : public ::testing::Test {
 protected:
  fs::path dir;
  void SetUp() override {
    dir = fs::temp_directory_path() / ("trezalia-unit-" + std::to_string(::getpid()) + "-" +
                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir / "gf");
    fs::create_directories(dir / "gfx");
  }
  void TearDown() override { fs::remove_all(dir); }
  void pisz(const std::string &nazwa, const std::string &tresc) {
    std::ofstream(dir / nazwa, std::ios::binary) << tresc;
  }
  // A PNG header of the given size is all the start-up check reads.
  void png(const std::string &nazwa, int w = 90, int h = 60) {
    std::string s = "\x89PNG\r\n\x1a\n";
    s += std::string("\0\0\0\x0d", 4) + "IHDR";
    for (int v : {w, h})
      for (int k = 3; k >= 0; k--) s += (char)((v >> (8 * k)) & 0xFF);
    s += std::string(9, '\0');
    s += std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12);
    pisz(nazwa, s);
  }
  void flaga(const std::string &n) {
    png("gf/" + n + ".png");
    png("gfx/" + n + ".png");
  }
  std::vector<std::string> linie(const std::string &tresc, int ile_linii = 59) {
    pisz("lista.txt", tresc);
    std::vector<std::string> l;
    EXPECT_TRUE(czytaj_linie((dir / "lista.txt").string(), ile_linii, l));
    return l;
  }
};

TEST_F(Folder, ListReading) {
  using V = std::vector<std::string>;
  EXPECT_EQ(linie("Polska\nCzechy\n"), (V{"Polska", "Czechy"}));
  EXPECT_EQ(linie("Polska\nCzechy"), (V{"Polska", "Czechy"}));           // no final line break
  EXPECT_EQ(linie("Polska\r\nCzechy\r\n"), (V{"Polska", "Czechy"}));     // CR LF
  EXPECT_EQ(linie("\xEF\xBB\xBFPolska\n"), (V{"Polska"}));               // byte-order mark
  EXPECT_EQ(linie("Polska\n\n"), (V{"Polska", ""}));                     // trailing empty line
  EXPECT_EQ(linie(" Slowacja. \n"), (V{" Slowacja. "}));                 // no trimming
  std::string sto;
  for (int i = 1; i <= 100; i++) sto += "n" + std::to_string(i) + "\n";
  V l = linie(sto);
  ASSERT_EQ(l.size(), 59u);
  EXPECT_EQ(l.back(), "n59");
  V brak;
  EXPECT_FALSE(czytaj_linie((dir / "brak.txt").string(), 59, brak));
  EXPECT_TRUE(brak.empty());
}

TEST_F(Folder, BadNames) {
  EXPECT_EQ(zla_nazwa("Korea 1"), "");
  EXPECT_EQ(zla_nazwa("Macedonia Północna"), "");
  EXPECT_EQ(zla_nazwa("50%n"), "");
  for (std::string zle : {"a/b", "a\\b", ".ukryta", "..", "a\tb", "\xC5", "\xFF\xFE", "\xC0\xAF"})
    EXPECT_NE(zla_nazwa(zle), "") << zle;
}

TEST_F(Folder, ContinentListChecks) {
  for (auto n : {"Polska", "Czechy", "Nepal"}) flaga(n);
  pisz("n1.txt", "Polska\r\nCzechy\r\nNepal\r\n\r\n");
  EXPECT_TRUE(bledy_listy_kontynentu(dir.string(), 1).empty());

  auto jeden_blad = [&](const std::string &tresc, const std::string &fragment) {
    pisz("n4.txt", tresc);
    auto b = bledy_listy_kontynentu(dir.string(), 4);
    ASSERT_FALSE(b.empty()) << tresc;
    EXPECT_NE(b[0].find("n4.txt"), std::string::npos) << b[0];
    EXPECT_NE(b[0].find(fragment), std::string::npos) << b[0];
  };
  jeden_blad("", "no names");
  jeden_blad("\n\n", "no names");
  jeden_blad("Polska\n\nCzechy\n", "line 2 is empty");
  jeden_blad("Polska\nWlochy\n", "line 2 \"Wlochy\"");
  jeden_blad("../gf/Polska\n", "path separator");
  std::string za_duzo;
  for (int i = 0; i < 15; i++) za_duzo += "Polska\n";  // South America has 14 cells
  jeden_blad(za_duzo, "14 cells");
  auto b = bledy_listy_kontynentu(dir.string(), 6);
  ASSERT_EQ(b.size(), 1u);
  EXPECT_NE(b[0].find("n6.txt: missing"), std::string::npos);
}

TEST_F(Folder, QuizListChecks) {
  std::string lista;
  for (int i = 1; i <= 200; i++) {
    flaga("k" + std::to_string(i));
    lista += "k" + std::to_string(i) + "\n";
  }
  pisz("wn.txt", lista + "nadmiarowa linia bez obrazka\n");
  EXPECT_TRUE(bledy_listy_quizu(dir.string()).empty());

  pisz("wn.txt", "k1\nk1\n");
  auto b = bledy_listy_quizu(dir.string());
  ASSERT_GE(b.size(), 2u);
  EXPECT_NE(b[0].find("2 lines"), std::string::npos);
  EXPECT_NE(b[1].find("duplicate"), std::string::npos);

  fs::remove(dir / "gfx" / "k7.png");
  pisz("wn.txt", lista);
  b = bledy_listy_quizu(dir.string());
  ASSERT_EQ(b.size(), 1u);
  EXPECT_NE(b[0].find("gfx/k7.png"), std::string::npos);
}

TEST_F(Folder, PictureHeaders) {
  png("a.png", 145, 94);
  int w = 0, h = 0;
  EXPECT_TRUE(wymiary_obrazu((dir / "a.png").string(), &w, &h));
  EXPECT_EQ(w, 145);
  EXPECT_EQ(h, 94);
  pisz("b.png", "not a picture");
  EXPECT_FALSE(wymiary_obrazu((dir / "b.png").string(), &w, &h));
  pisz("c.png", "");
  EXPECT_FALSE(wymiary_obrazu((dir / "c.png").string(), &w, &h));
  EXPECT_FALSE(wymiary_obrazu((dir / "d.png").string(), &w, &h));
  // Baseline JPEG: SOI, an APP0 segment, then SOF0 with 768 x 1024.
  std::string j = "\xFF\xD8\xFF\xE0";
  j += std::string("\x00\x04\x00\x00", 4);
  j += std::string("\xFF\xC0\x00\x11\x08\x03\x00\x04\x00", 9);
  j += std::string(40, '\x11') + "\xFF\xD9";
  pisz("e.jpg", j);
  EXPECT_TRUE(wymiary_obrazu((dir / "e.jpg").string(), &w, &h));
  EXPECT_EQ(w, 1024);
  EXPECT_EQ(h, 768);

  // Cut short: the header is whole, the end marker is gone.
  pisz("f.jpg", j.substr(0, j.size() - 10));
  EXPECT_FALSE(wymiary_obrazu((dir / "f.jpg").string(), &w, &h));
  png("g.png", 300, 300);
  std::string cala;
  {
    std::ifstream in(dir / "g.png", std::ios::binary);
    cala.assign(std::istreambuf_iterator<char>(in), {});
  }
  pisz("g.png", cala.substr(0, cala.size() - 5));
  EXPECT_FALSE(wymiary_obrazu((dir / "g.png").string(), &w, &h));
}
