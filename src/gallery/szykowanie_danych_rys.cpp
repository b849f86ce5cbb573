#include "../shell/ekrany.h"
void szykowanie_danych_rys() {}
void zamiana() {}
void ramka_flagi() {}
void flaga_big() {}
