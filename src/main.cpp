// Kelvaroth: the program entry only hands the command line to the game.
#include "app/program.h"

int main(int argc, char** argv) {
  return KelvarothMain(argc, argv);
}
