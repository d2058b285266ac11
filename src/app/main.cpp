// Zentrivo: logic-grid puzzles for one player.
#include "app/startup.h"

int main(int argc, char **argv) { return zentrivo::gameMain(argc, argv); }
