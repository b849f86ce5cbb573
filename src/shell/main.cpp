#include "ekrany.h"
#include "platforma.h"
#include "zasoby.h"

int main() {
  ustaw_pamiec();
  sprawdz_media();
  init();
  menu();
  return 0;
}
