/* The one translation unit that compiles stb_vorbis's implementation. */
#include <stb_vorbis.h>
