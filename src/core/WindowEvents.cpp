#include "core/WindowEvents.h"

namespace zpx {

namespace {

WindowEvents ignored;
WindowEvents* installed = &ignored;

}  // namespace

void installWindowEvents(WindowEvents* events)
{
    installed = events ? events : &ignored;
}

WindowEvents& windowEvents()
{
    return *installed;
}

}  // namespace zpx
