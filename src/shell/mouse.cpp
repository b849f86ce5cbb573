#include "ekrany.h"
#include "platforma.h"
#include "stan.h"
#include "wspolne.h"

void mouse() {
  mz = 0;
  mx = myszka.x;
  my = myszka.y;
  mb = myszka.buttons;
  stan_myszy(&myszka);
  mz = pole_pod(mx, my);
}
