#include "media/gl_functions.h"

#include <SDL.h>

namespace media_internal {

bool GlFunctions::Load(const char** missing) {
#define KELVAROTH_GL_LOAD(type, name)                          \
  name = reinterpret_cast<type>(SDL_GL_GetProcAddress(#name)); \
  if (!name) {                                                 \
    if (missing) *missing = #name;                             \
    return false;                                              \
  }
  KELVAROTH_GL_FUNCTIONS(KELVAROTH_GL_LOAD)
#undef KELVAROTH_GL_LOAD
  return true;
}

}  // namespace media_internal
