#pragma once
// A tone on the system's default sound device.

#include <cstdint>

namespace morvane {

// Plays a sine tone of `frequency` hertz for `milliseconds` and returns when
// it has been played. Returns false when there is no sound device (or it
// refuses the stream); it never waits for a device that is not there.
bool PlayTone(std::int32_t frequency, std::int32_t milliseconds);

}  // namespace morvane
