#include "ekrany.h"
#include "zasoby.h"

int main() {
  sprawdz_media();
  init();
  menu();
  return 0;
}
