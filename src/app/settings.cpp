#include "app/settings.h"

TSettings Settings;
