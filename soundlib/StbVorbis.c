/* The one translation unit that compiles stb_vorbis's implementation, its heap redirected to StbHeap. */

/* The C library's own declarations first, so that the redirection below reaches only stb's calls. */
#include <assert.h>
#include <limits.h>
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#if defined(__MINGW32__)
#include <malloc.h>
#else
#include <alloca.h>
#endif

#include "soundlib/StbHeap.h"

/* A failed open makes stb free what it set up so far, so a hostile header reaches its cleanup:
   blocks come zeroed and bounded per open (see StbHeap.h). Its own arena (stb_vorbis_alloc) is
   no help there, as it hands out blocks of negative sizes. */
#define malloc(size) soundlib_stb_malloc(size)
#define free(block) soundlib_stb_free(block)

/* stb converts floor() of a power to int while counting a codebook's lookup values, and a hostile
   dimension makes the power exceed int: clamped, the count comes out right instead of undefined.
   floor() serves nothing else in stb. */
static double soundlib_int_floor(double x)
{
    const double whole = floor(x);
    if (!(whole <= INT_MAX)) return INT_MAX;
    return whole < INT_MIN ? INT_MIN : whole;
}
#define floor(x) soundlib_int_floor(x)

#include <stb_vorbis.h>
