// The program binds the engine pair at load time by undecorated stdcall names; this binary binds
// the same way, through the same import libraries.
#include <gtest/gtest.h>

#include "audio/bass_fx_api.h"

TEST(EngineBinding, ReportsRelease24) { EXPECT_EQ(BASS_GetVersion() >> 16, 0x0204u); }

TEST(EngineBinding, CallsOnAZeroHandleFailHarmlessly) {
  EXPECT_EQ(BASS_ChannelIsActive(0), 0u);
  EXPECT_EQ(BASS_ChannelPlay(0, 0), 0);
  EXPECT_EQ(BASS_FX_TempoCreate(0, BASS_FX_FREESOURCE | BASS_STREAM_LOOP), 0u);
}
