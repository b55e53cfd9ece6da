// The platform's floor for background music: a program that does nothing but play a WAV file
// through the system's own player, so the installer's figure can be set beside what any program
// pays for sound on the same machine. Usage: play_floor FILE
#include <windows.h>
#include <mmsystem.h>

int main(int argc, char** argv)
{
    if (argc < 2) return 2;
    return ::PlaySoundA(argv[1], nullptr, SND_FILENAME | SND_SYNC | SND_NODEFAULT) ? 0 : 1;
}
