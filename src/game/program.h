// The program: command line, start-up and the game's run. Returns the process exit status.
#pragma once

int KelvarothMain(int argc, char** argv);
