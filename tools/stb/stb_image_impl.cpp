// The one definition of the PNG decoder the programs use. PNG only, and from
// memory: callers read the file themselves, with their own size limit and
// their own path handling.
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_NO_STDIO
#include <stb/stb_image.h>
