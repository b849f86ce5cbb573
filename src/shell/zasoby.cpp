#include "zasoby.h"

#include <allegro5/allegro_ttf.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>

#include "platforma.h"
#include "stan.h"

void blad(const std::string &plik, const std::string &problem) {
  std::fprintf(stderr, "trezalia: %s: %s\n", plik.c_str(), problem.c_str());
  std::exit(1);
}

ALLEGRO_BITMAP *obraz(const std::string &plik) {
  ALLEGRO_BITMAP *b = al_load_bitmap(plik.c_str());
  if (!b) blad(plik, "missing or not a picture that can be decoded");
  return b;
}

ALLEGRO_FONT *czcionka(const std::string &plik, int rozmiar) {
  ALLEGRO_FONT *f = al_load_ttf_font(plik.c_str(), rozmiar, 0);
  if (!f) blad(plik, "missing or not a font that can be loaded");
  return f;
}

ALLEGRO_SAMPLE *dzwiek_z(const std::string &plik) {
  if (!dzwiek) return nullptr;
  ALLEGRO_SAMPLE *s = al_load_sample(plik.c_str());
  if (!s) blad(plik, "missing or not a sound that can be decoded");
  return s;
}

void podmien(ALLEGRO_BITMAP *&uchwyt, ALLEGRO_BITMAP *nowy) {
  if (uchwyt && uchwyt != kt && uchwyt != nowy) al_destroy_bitmap(uchwyt);
  uchwyt = nowy;
}

void wczytaj(ALLEGRO_BITMAP *&uchwyt, const std::string &plik) {
  podmien(uchwyt, nullptr);
  uchwyt = obraz(plik);
}

bool czytaj_linie(const std::string &plik, int ile_linii, std::vector<std::string> &linie) {
  linie.clear();
  std::ifstream f(plik, std::ios::binary);
  if (!f) return false;
  std::string s;
  while ((int)linie.size() < ile_linii && std::getline(f, s)) {
    if (linie.empty() && s.compare(0, 3, "\xEF\xBB\xBF") == 0) s.erase(0, 3);
    if (!s.empty() && s.back() == '\r') s.pop_back();
    linie.push_back(s);
  }
  return true;
}

static bool poprawne_utf8(const std::string &s) {
  size_t i = 0, n = s.size();
  while (i < n) {
    unsigned char c = s[i];
    int dl;
    unsigned kod;
    if (c < 0x80) { i++; continue; }
    else if ((c & 0xE0) == 0xC0) { dl = 1; kod = c & 0x1F; }
    else if ((c & 0xF0) == 0xE0) { dl = 2; kod = c & 0x0F; }
    else if ((c & 0xF8) == 0xF0) { dl = 3; kod = c & 0x07; }
    else return false;
    for (int k = 1; k <= dl; k++) {
      if (i + k >= n) return false;
      unsigned char d = s[i + k];
      if ((d & 0xC0) != 0x80) return false;
      kod = (kod << 6) | (d & 0x3F);
    }
    if ((dl == 1 && kod < 0x80) || (dl == 2 && kod < 0x800) || (dl == 3 && kod < 0x10000) ||
        kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
      return false;
    i += dl + 1;
  }
  return true;
}

std::string zla_nazwa(const std::string &nazwa) {
  if (nazwa.find('/') != std::string::npos || nazwa.find('\\') != std::string::npos)
    return "name contains a path separator";
  if (!nazwa.empty() && nazwa[0] == '.') return "name starts with '.'";
  for (unsigned char c : nazwa)
    if (c < 0x20 || c == 0x7F) return "name contains a control character";
  if (!poprawne_utf8(nazwa)) return "name is not valid UTF-8";
  return "";
}

int komorki(int k) {
  static const int tab[7] = {0, 48, 51, 22, 14, 54, 20};
  return (k >= 1 && k <= 6) ? tab[k] : 0;
}

static bool png_w_folderze(const std::string &plik) {
  int w, h;
  return wymiary_obrazu(plik, &w, &h);
}

// Checks the names of a list; `pierwsze` lines are the ones the program uses.
static void sprawdz_nazwy(const std::string &folder, const std::string &lista,
                          const std::vector<std::string> &linie, bool duze_tez,
                          std::vector<std::string> &bledy) {
  for (size_t i = 0; i < linie.size(); i++) {
    const std::string &n = linie[i];
    if (n.empty()) continue;
    std::string gdzie = lista + ": line " + std::to_string(i + 1) + " \"" + n + "\": ";
    std::string zle = zla_nazwa(n);
    if (!zle.empty()) {
      bledy.push_back(gdzie + zle);
      continue;
    }
    std::string gf = folder + "/gf/" + n + ".png", gfx = folder + "/gfx/" + n + ".png";
    if (!duze_tez) {
      // A continent list needs both sizes: the gallery and the large view.
      if (!png_w_folderze(gf)) bledy.push_back(gdzie + "picture " + gf + " is missing or not a PNG");
    }
    if (!png_w_folderze(gfx)) bledy.push_back(gdzie + "picture " + gfx + " is missing or not a PNG");
  }
}

std::vector<std::string> bledy_listy_kontynentu(const std::string &folder, int k) {
  std::vector<std::string> bledy;
  std::string lista = folder + "/n" + std::to_string(k) + ".txt";
  std::vector<std::string> linie;
  if (!czytaj_linie(lista, 59, linie)) {
    bledy.push_back(lista + ": missing or cannot be read");
    return bledy;
  }
  int ostatnia = 0, pelne = 0;
  for (size_t i = 0; i < linie.size(); i++)
    if (!linie[i].empty()) {
      ostatnia = (int)i + 1;
      pelne++;
    }
  if (pelne == 0) {
    bledy.push_back(lista + ": the list holds no names");
    return bledy;
  }
  if (ostatnia > komorki(k))
    bledy.push_back(lista + ": " + std::to_string(ostatnia) + " lines of names, but the gallery has " +
                    std::to_string(komorki(k)) + " cells");
  for (int i = 0; i < ostatnia; i++)
    if (linie[i].empty()) bledy.push_back(lista + ": line " + std::to_string(i + 1) + " is empty");
  sprawdz_nazwy(folder, lista, linie, false, bledy);
  return bledy;
}

std::vector<std::string> bledy_listy_quizu(const std::string &folder) {
  std::vector<std::string> bledy;
  std::string lista = folder + "/wn.txt";
  std::vector<std::string> linie;
  if (!czytaj_linie(lista, 200, linie)) {
    bledy.push_back(lista + ": missing or cannot be read");
    return bledy;
  }
  if (linie.size() < 200)
    bledy.push_back(lista + ": " + std::to_string(linie.size()) + " lines, the quiz needs 200 names");
  std::set<std::string> byly;
  for (size_t i = 0; i < linie.size(); i++) {
    if (linie[i].empty()) {
      bledy.push_back(lista + ": line " + std::to_string(i + 1) + " is empty");
    } else if (!byly.insert(linie[i]).second) {
      bledy.push_back(lista + ": line " + std::to_string(i + 1) + " \"" + linie[i] + "\": duplicate name");
    }
  }
  sprawdz_nazwy(folder, lista, linie, true, bledy);
  return bledy;
}

static unsigned be32(const unsigned char *p) {
  return (unsigned)p[0] << 24 | (unsigned)p[1] << 16 | (unsigned)p[2] << 8 | p[3];
}

// Whether the file's last bytes hold its end marker (PNG's IEND chunk,
// JPEG's EOI). A picture cut short has none; the image loaders are not
// given such a file, as one of them reads past its buffers on it.
static bool ma_koniec(FILE *f, const char *znacznik, size_t dl) {
  unsigned char t[64];
  if (std::fseek(f, 0, SEEK_END) != 0) return false;
  long n = std::ftell(f);
  long od = n > (long)sizeof t ? n - (long)sizeof t : 0;
  std::fseek(f, od, SEEK_SET);
  size_t m = std::fread(t, 1, sizeof t, f);
  for (size_t i = 0; i + dl <= m; i++)
    if (std::memcmp(t + i, znacznik, dl) == 0) return true;
  return false;
}

bool wymiary_obrazu(const std::string &plik, int *w, int *h) {
  FILE *f = std::fopen(plik.c_str(), "rb");
  if (!f) return false;
  unsigned char g[32];
  size_t n = std::fread(g, 1, sizeof g, f);
  bool ok = false;
  if (n >= 24 && std::memcmp(g, "\x89PNG\r\n\x1a\n", 8) == 0 && std::memcmp(g + 12, "IHDR", 4) == 0) {
    *w = (int)be32(g + 16);
    *h = (int)be32(g + 20);
    ok = *w > 0 && *h > 0 && ma_koniec(f, "IEND\xae\x42\x60\x82", 8);
  } else if (n >= 4 && g[0] == 0xFF && g[1] == 0xD8) {
    // Walk the JPEG markers to the frame header.
    std::fseek(f, 2, SEEK_SET);
    int c;
    while ((c = std::fgetc(f)) != EOF) {
      if (c != 0xFF) break;
      int m;
      while ((m = std::fgetc(f)) == 0xFF) {}
      if (m == EOF || m == 0xD9 || m == 0xDA) break;
      unsigned char l[2];
      if (std::fread(l, 1, 2, f) != 2) break;
      int len = l[0] << 8 | l[1];
      if (len < 2) break;
      if (m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC) {
        unsigned char s[5];
        if (std::fread(s, 1, 5, f) != 5) break;
        *h = s[1] << 8 | s[2];
        *w = s[3] << 8 | s[4];
        ok = *w > 0 && *h > 0 && ma_koniec(f, "\xff\xd9", 2);
        break;
      }
      std::fseek(f, len - 2, SEEK_CUR);
    }
  }
  std::fclose(f);
  return ok;
}

// Whether the file starts with one of the given signatures.
static bool naglowek(const std::string &plik, std::initializer_list<const char *> sygnatury, size_t dl) {
  FILE *f = std::fopen(plik.c_str(), "rb");
  if (!f) return false;
  char g[12] = {};
  size_t n = std::fread(g, 1, sizeof g, f);
  std::fclose(f);
  if (n < dl) return false;
  for (const char *s : sygnatury)
    if (std::memcmp(g, s, dl) == 0) return true;
  return false;
}

void sprawdz_media() {
  const std::string m = "media";
  std::vector<std::string> bledy;
  auto obraz_o = [&](const std::string &p, int minw, int minh, int maxw, int maxh, const char *opis) {
    int w, h;
    if (!wymiary_obrazu(p, &w, &h)) {
      bledy.push_back(p + ": missing, not a PNG/JPEG picture, or cut short");
    } else if (w < minw || h < minh || w > maxw || h > maxh) {
      bledy.push_back(p + ": picture is " + std::to_string(w) + " x " + std::to_string(h) + ", " + opis);
    }
  };
  for (const char *t : {"tlo.jpg", "tlo2.png", "tlo1.png"})
    obraz_o(m + "/" + t, 1024, 768, 1024, 768, "expected 1024 x 768");
  obraz_o(m + "/el.png", 453, 154, 1 << 20, 1 << 20, "the button sheet needs at least 453 x 154");
  obraz_o(m + "/ee.png", 1, 1, 1024, 768, "too large");
  for (int k = 1; k <= 6; k++)
    obraz_o(m + "/k" + std::to_string(k) + ".png", 1, 1, 300, 300, "a globe must fit 300 x 300");
  for (const char *t : {"arial.ttf", "arialbd.ttf", "palab.ttf"})
    if (!naglowek(m + "/" + t, {"\x00\x01\x00\x00", "OTTO", "true"}, 4))
      bledy.push_back(m + "/" + t + ": missing or not a TrueType/OpenType font");
  for (const char *t : {"s1.wav", "s2.wav", "s3.wav"}) {
    std::string p = m + "/" + t;
    FILE *f = std::fopen(p.c_str(), "rb");
    char g[12] = {};
    bool ok = f && std::fread(g, 1, 12, f) == 12 && std::memcmp(g, "RIFF", 4) == 0 &&
              std::memcmp(g + 8, "WAVE", 4) == 0;
    if (f) std::fclose(f);
    if (!ok) bledy.push_back(p + ": missing or not a WAV sound");
  }
  for (int k = 1; k <= 6; k++)
    for (auto &b : bledy_listy_kontynentu(m, k)) bledy.push_back(b);
  for (auto &b : bledy_listy_quizu(m)) bledy.push_back(b);
  if (bledy.empty()) return;
  for (auto &b : bledy) std::fprintf(stderr, "trezalia: %s\n", b.c_str());
  std::exit(1);
}
