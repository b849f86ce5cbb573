#include "../shell/ekrany.h"
#include "../shell/wspolne.h"

// Not built yet: back to the menu the way every screen returns.
void nauka() {
  czekaj_na_puszczenie(0.01);
  powrot_do_menu();
}
