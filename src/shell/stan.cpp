#include "stan.h"

ALLEGRO_DISPLAY *okno = nullptr;
ALLEGRO_BITMAP *tlo = nullptr;
ALLEGRO_BITMAP *el = nullptr;
ALLEGRO_BITMAP *bufor = nullptr;
ALLEGRO_BITMAP *kt = nullptr;

ALLEGRO_FONT *f10 = nullptr;
ALLEGRO_FONT *f20 = nullptr;
ALLEGRO_FONT *f30 = nullptr;
ALLEGRO_FONT *f40 = nullptr;

ALLEGRO_SAMPLE *samp1 = nullptr;
ALLEGRO_SAMPLE *samp2 = nullptr;
ALLEGRO_SAMPLE *samp3 = nullptr;

ALLEGRO_KEYBOARD_STATE klaw{};
ALLEGRO_MOUSE_STATE myszka{};

std::string kontynent[7] = {
    "Trezalia", "Europa", "Azja", "Ameryka Północna",
    "Ameryka Południowa", "Afryka", "Australia i Oceania"};

int mx = 0, my = 0, mb = 0;
int mz = 0;

int fx[60] = {}, fy[60] = {};
int es[60] = {}, ew[60] = {};

std::string nazwy[202];
std::string nn[202];

int dx = 30, dy = 150;
int x = 0, y = 0;
int ds = 0, dw = 0;
int kk = 0, kd = 0, rk = 0, rd = 0;
int li = 0;

int wyb = 0;
int ile = 0;
int zmenu = 0;

int traf[7] = {}, pech[7] = {};

int EK = 0;
