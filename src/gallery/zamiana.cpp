// Display names of all listed names, element 0 left to its users.
#include "../shell/ekrany.h"
#include "../shell/stan.h"
#include "galeria.h"

void zamiana() {
  for (int i = 1; i <= 201; i++) {
    const std::string &w = nazwa_wyswietlana(nazwy[i]);
    if (nn[i] != w) nn[i] = w;
  }
}
