#include "KtInfoOptions.h"

#include <cstdio>
#include <cstring>

bool KtInfoOptions::Answer(int argc, char **argv, const char *usage)
{
    const char *program = argc > 0 ? std::strrchr(argv[0], '/') : nullptr;
    program = program ? program + 1 : (argc > 0 ? argv[0] : "");
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(usage, stdout);
            return true;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("%s %s\n", program, QG_VERSION);
            return true;
        }
    }
    return false;
}
