/* Preloaded into the game by scripts/bench: writes the wall-clock time of every shown frame (each call of
 * SDL_GL_SwapWindow), in nanoseconds since the epoch, one per line, to the file named by
 * KIBBET_PROBE_FILE, so start-up and frame times are measured on the unchanged program. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

typedef void (*SwapFunction)(void*);

void SDL_GL_SwapWindow(void* window)
{
    static SwapFunction real = NULL;
    static int fd = -2;
    if (real == NULL)
    {
        real = (SwapFunction)dlsym(RTLD_NEXT, "SDL_GL_SwapWindow");
    }
    if (real != NULL)
    {
        real(window);
    }
    if (fd == -2)
    {
        const char* path = getenv("KIBBET_PROBE_FILE");
        fd = path != NULL ? open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644) : -1;
    }
    if (fd >= 0)
    {
        struct timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        char line[32];
        int length = snprintf(line, sizeof line, "%lld\n", (long long)now.tv_sec * 1000000000LL + now.tv_nsec);
        if (write(fd, line, (size_t)length) != length)
        {
            fd = -1;
        }
    }
}
