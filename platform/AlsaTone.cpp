#include <alsa/asoundlib.h>

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

}  // namespace

bool PlayTone(std::int32_t frequency, std::int32_t milliseconds) {
  if (frequency <= 0) return false;
  milliseconds = std::clamp<std::int32_t>(milliseconds, 0, LongestTone);
  snd_lib_error_set_handler(silentErrorHandler);

  snd_pcm_t* pcm = nullptr;
  // Opened without blocking, so a busy or absent device answers at once.
  if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return false;
  bool played = false;
  if (snd_pcm_nonblock(pcm, 0) == 0 &&
      snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED, 1, SampleRate,
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
      snd_pcm_sframes_t n = snd_pcm_writei(pcm, samples.data() + done, frames - done);
      if (n < 0) n = snd_pcm_recover(pcm, static_cast<int>(n), 1);
      if (n < 0) {
        played = false;
        break;
      }
      done += static_cast<std::size_t>(n);
    }
    if (played) snd_pcm_drain(pcm);
  }
  snd_pcm_close(pcm);
  return played;
}

}  // namespace morvane
