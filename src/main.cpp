// Kelvaroth: the program entry only hands the command line to the game.
#include "game/program.h"

int main(int argc, char** argv) {
  return KelvarothMain(argc, argv);
}
