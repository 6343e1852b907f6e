#include <alsa/asoundlib.h>
#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "platform/Tone.h"

namespace morvane {

namespace {

constexpr unsigned SampleRate = 44100;
constexpr double Amplitude = 0.3 * 32767;
// A tone lasts at most a minute; longer requests are cut to that.
constexpr std::int32_t LongestTone = 60'000;

// alsa-lib reports a missing device on stderr as well; the failure is ours to
// report, so its own lines are silenced.
void silentErrorHandler(const char*, int, const char*, int, const char*, ...) {}

// alsa-lib, loaded with the first tone: most runs play none, and loading
// the library and resolving its symbols at every start would cost them
// all. Without the library a tone fails as without a device.
struct Alsa {
  decltype(&snd_lib_error_set_handler) setErrorHandler = nullptr;
  decltype(&snd_pcm_open) open = nullptr;
  decltype(&snd_pcm_nonblock) nonblock = nullptr;
  decltype(&snd_pcm_set_params) setParams = nullptr;
  decltype(&snd_pcm_writei) write = nullptr;
  decltype(&snd_pcm_recover) recover = nullptr;
  decltype(&snd_pcm_drain) drain = nullptr;
  decltype(&snd_pcm_close) close = nullptr;

  bool loaded() const {
    return setErrorHandler && open && nonblock && setParams && write && recover && drain && close;
  }
};

template <class Function>
void find(void* library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(dlsym(library, name));
}

const Alsa* alsa() {
  static const Alsa library = [] {
    Alsa a;
    void* handle = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return a;
    find(handle, "snd_lib_error_set_handler", a.setErrorHandler);
    find(handle, "snd_pcm_open", a.open);
    find(handle, "snd_pcm_nonblock", a.nonblock);
    find(handle, "snd_pcm_set_params", a.setParams);
    find(handle, "snd_pcm_writei", a.write);
    find(handle, "snd_pcm_recover", a.recover);
    find(handle, "snd_pcm_drain", a.drain);
    find(handle, "snd_pcm_close", a.close);
    return a;
  }();
  return library.loaded() ? &library : nullptr;
}

}  // namespace

bool PlayTone(std::int32_t frequency, std::int32_t milliseconds) {
  if (frequency <= 0) return false;
  milliseconds = std::clamp<std::int32_t>(milliseconds, 0, LongestTone);
  const Alsa* const lib = alsa();
  if (lib == nullptr) return false;
  lib->setErrorHandler(silentErrorHandler);

  snd_pcm_t* pcm = nullptr;
  // Opened without blocking, so a busy or absent device answers at once.
  if (lib->open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return false;
  bool played = false;
  if (lib->nonblock(pcm, 0) == 0 &&
      lib->setParams(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, SampleRate,
                         1, 100'000) == 0) {
    const auto frames = static_cast<std::size_t>(SampleRate) * static_cast<std::size_t>(milliseconds) / 1000;
    std::vector<std::int16_t> samples(frames);
    const double step = 2 * std::numbers::pi * frequency / SampleRate;
    for (std::size_t i = 0; i < frames; ++i) {
      samples[i] = static_cast<std::int16_t>(Amplitude * std::sin(step * static_cast<double>(i)));
    }
    played = true;
    std::size_t done = 0;
    while (done < frames) {
      snd_pcm_sframes_t n = lib->write(pcm, samples.data() + done, frames - done);
      if (n < 0) n = lib->recover(pcm, static_cast<int>(n), 1);
      if (n < 0) {
        played = false;
        break;
      }
      done += static_cast<std::size_t>(n);
    }
    if (played) lib->drain(pcm);
  }
  lib->close(pcm);
  return played;
}

}  // namespace morvane
