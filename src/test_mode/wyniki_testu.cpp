#include "../shell/ekrany.h"
void wyniki_testu() {}
