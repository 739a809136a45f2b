# Every library the game links, found through pkg-config where Debian ships a .pc file.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
pkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)
# vorbisfile's .pc omits libvorbis itself, so name all three.
pkg_check_modules(VORBIS REQUIRED IMPORTED_TARGET vorbisfile vorbisenc vorbis ogg)
pkg_check_modules(LUA51 REQUIRED IMPORTED_TARGET lua5.1)
find_package(JPEG REQUIRED)
find_package(ZLIB REQUIRED)
set(OpenGL_GL_PREFERENCE GLVND)
find_package(OpenGL REQUIRED)
find_package(Threads REQUIRED)
