// The tone reaches the sound system as a real sample stream. With ALSA's
// default device redirected to a file (through the user's asoundrc), the
// stream's length shows the duration; with no device at all the tone fails
// at once instead of waiting.

#include "platform/Tone.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace morvane {
namespace {

namespace fs = std::filesystem;

class ToneTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() / ("morvane-tone-" + std::to_string(::getpid()));
    fs::create_directories(m_dir / "alsa");
  }
  void TearDown() override { fs::remove_all(m_dir); }

  // Points alsa-lib's user configuration at our directory. Each test runs in
  // a process of its own (the tests are discovered one by one), so the
  // configuration is read afresh.
  void useConfiguration(const std::string& asoundrc) {
    std::ofstream(m_dir / "alsa" / "asoundrc") << asoundrc;
    ::setenv("XDG_CONFIG_HOME", m_dir.c_str(), 1);
  }

  fs::path m_dir;
};

TEST_F(ToneTest, PlaysTheWholeDurationAsSixteenBitMonoSamples) {
  const fs::path raw = m_dir / "tone.raw";
  useConfiguration("pcm.!default { type file slave.pcm \"null\" file \"" + raw.string() +
                   "\" format \"raw\" }\n");
  ASSERT_TRUE(PlayTone(1000, 300));
  // 44100 samples a second, two bytes each, for 0.3 seconds.
  EXPECT_EQ(fs::file_size(raw), 44100u * 2u * 300u / 1000u);
}

TEST_F(ToneTest, FailsAtOnceWithoutADevice) {
  useConfiguration("pcm.!default { type hw card 99 }\n");
  EXPECT_FALSE(PlayTone(440, 100));
}

TEST_F(ToneTest, RefusesAFrequencyThatIsNoTone) {
  EXPECT_FALSE(PlayTone(0, 100));
  EXPECT_FALSE(PlayTone(-5, 100));
}

}  // namespace
}  // namespace morvane
