#include "app/controller_state.h"

int where = 1;
std::string lastScreen;
