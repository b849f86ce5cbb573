// Preloaded into the game or empty_window by tools/bench-startup.sh (never
// linked into them): writes "zn: display <t>" when al_create_display returns
// and "zn: flip <n> <t>" after each of the first 200 flips, on standard
// error, t in microseconds of CLOCK_REALTIME.
#include <dlfcn.h>
#include <cstdio>
#include <ctime>

static long long teraz() {
  timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return (long long)t.tv_sec * 1000000 + t.tv_nsec / 1000;
}

extern "C" void *al_create_display(int w, int h) {
  static auto prawdziwa = (void *(*)(int, int))dlsym(RTLD_NEXT, "al_create_display");
  void *d = prawdziwa(w, h);
  std::fprintf(stderr, "zn: display %lld\n", teraz());
  return d;
}

extern "C" void al_flip_display() {
  static auto prawdziwa = (void (*)())dlsym(RTLD_NEXT, "al_flip_display");
  static int n;
  prawdziwa();
  if (n < 200) std::fprintf(stderr, "zn: flip %d %lld\n", ++n, teraz());
}
