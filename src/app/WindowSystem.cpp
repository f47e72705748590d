#include "app/WindowSystem.h"

namespace zpx {

namespace {

bool isSet(const char* value)
{
    return value && *value;
}

}  // namespace

bool runOnX11(const char* chosenPlatform, const char* waylandDisplay, const char* x11Display)
{
    return !isSet(chosenPlatform) && isSet(waylandDisplay) && isSet(x11Display);
}

}  // namespace zpx
