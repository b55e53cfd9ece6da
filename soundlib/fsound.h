// The sound library's C interface, as the installer imports it from fmod.dll.
#ifndef VELAN_SOUNDLIB_FSOUND_H
#define VELAN_SOUNDLIB_FSOUND_H

#if defined(_WIN32)
#define FSOUND_API __stdcall
#else
/* Native builds only compile the deciding logic, which never calls through this interface. */
#define FSOUND_API
#endif

#if defined(FSOUND_BUILDING_DLL)
#define FSOUND_EXPORT __declspec(dllexport)
#else
#define FSOUND_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FSOUND_STREAM FSOUND_STREAM;

/* Codes that FSOUND_GetError returns; the installer turns them into its own texts. */
enum FSOUND_ERRORS {
    FSOUND_ERR_NONE = 0,
    FSOUND_ERR_BUSY = 1,            /* cannot call this command after FSOUND_Init */
    FSOUND_ERR_UNINITIALIZED = 2,   /* FSOUND_Init was not called */
    FSOUND_ERR_INIT = 3,            /* error initializing the output device */
    FSOUND_ERR_ALLOCATED = 4,       /* the output device is in use */
    FSOUND_ERR_PLAY = 5,            /* playing the sound failed */
    FSOUND_ERR_OUTPUT_FORMAT = 6,   /* the output device refuses the sound's format */
    FSOUND_ERR_FILE_NOTFOUND = 9,
    FSOUND_ERR_FILE_FORMAT = 10,
    FSOUND_ERR_FILE_BAD = 11,       /* read error or truncated data */
    FSOUND_ERR_MEMORY = 12,
    FSOUND_ERR_INVALID_PARAM = 14,
    FSOUND_ERR_CHANNEL_ALLOC = 16
};

/* Mode bits that FSOUND_Stream_Open accepts; the decoded format comes from the file itself. */
#define FSOUND_16BITS 0x00000010u
#define FSOUND_MONO 0x00000020u
#define FSOUND_SIGNED 0x00000100u
#define FSOUND_MPEGACCURATE 0x00020000u

#define FSOUND_FREE (-1)

FSOUND_EXPORT signed char FSOUND_API FSOUND_SetDriver(int driver);
FSOUND_EXPORT signed char FSOUND_API FSOUND_Init(int mixrate, int maxsoftwarechannels, unsigned int flags);
FSOUND_EXPORT int FSOUND_API FSOUND_GetError(void);
FSOUND_EXPORT signed char FSOUND_API FSOUND_Stream_SetBufferSize(int ms);
FSOUND_EXPORT FSOUND_STREAM* FSOUND_API FSOUND_Stream_Open(const char* name, unsigned int mode, int offset,
                                                          int length);
FSOUND_EXPORT int FSOUND_API FSOUND_Stream_GetLength(FSOUND_STREAM* stream);
FSOUND_EXPORT int FSOUND_API FSOUND_Stream_Play(int channel, FSOUND_STREAM* stream);
FSOUND_EXPORT unsigned int FSOUND_API FSOUND_Stream_GetPosition(FSOUND_STREAM* stream);
FSOUND_EXPORT signed char FSOUND_API FSOUND_Stream_Close(FSOUND_STREAM* stream);
FSOUND_EXPORT void FSOUND_API FSOUND_Close(void);

#ifdef __cplusplus
}
#endif

#endif
