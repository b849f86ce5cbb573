// The program's procedures: screens, their parts and the shared services.
#pragma once

// Start-up
void init();

// Input, fades, cues
void mouse();
void ukazywanie_obrazu();
void znikanie_obrazu();
void ss1();
void ss2();
void ss3();

// Main menu
void szykowanie_menu();
void menu();

// Gallery
void szykowanie_danych_rys();
void zamiana();
void ramka_flagi();
void flaga_big();
void nauka();

// Quiz
void quiz();

// Test
void test();
void wyniki_testu();

// Information page
void info();
