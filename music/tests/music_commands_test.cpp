// The command strings that leave the player, byte for byte.
#include "music/music_commands.h"

#include <gtest/gtest.h>

namespace {

struct PlayCase {
    const char* from;
    const char* to;
    const char* command;
};
class PlayCommandForms : public testing::TestWithParam<PlayCase> {};

TEST_P(PlayCommandForms, JoinsOnlyTheGivenPartsWithSingleBlanks) {
    EXPECT_EQ(music::music_commands::PlayCommand("cdaudio", GetParam().from, GetParam().to),
              GetParam().command);
}
INSTANTIATE_TEST_SUITE_P(
    All, PlayCommandForms,
    testing::Values(PlayCase{"", "", "play cdaudio"},
                    PlayCase{"03:00:00:00", "", "play cdaudio from 03:00:00:00"},
                    PlayCase{"", "5", "play cdaudio to 5"},
                    PlayCase{"1", "5", "play cdaudio from 1 to 5"}));

TEST(OpenMp3Command, QuotesThePathAndKeepsItsBytes) {
    EXPECT_EQ(music::music_commands::OpenMp3Command("C:\\m\\a.mp3"),
              "open \"C:\\m\\a.mp3\" type MPEGVideo Alias MP3Play");
    // A path with blanks and Shift-JIS characters (a trail byte that is a backslash too).
    const std::string path = "C:\\My Music\\\x95\x5C\x8E\x86 01.mp3";
    EXPECT_EQ(music::music_commands::OpenMp3Command(path),
              "open \"" + path + "\" type MPEGVideo Alias MP3Play");
}

TEST(TrackPositionQuery, NamesTheTrackInDecimal) {
    EXPECT_EQ(music::music_commands::TrackPositionQuery(3), "status cdaudio position track 3");
    EXPECT_EQ(music::music_commands::TrackPositionQuery(12), "status cdaudio position track 12");
}

}  // namespace
