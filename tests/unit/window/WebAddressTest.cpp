#include "Unit1Form.h"
#include "win32/Hint.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The site's address and the logo's hint are two lines to change together: an http address without a
// path whose host is what the hint shows.
TEST(WebAddress, IsAnHttpAddressWithoutAPathForTheHostTheLogosHintNames) {
    EXPECT_EQ(MakerWebAddress, "http://" + std::string(win32::ShortHint(Form1Description.Image1.Hint)));
}

} // namespace
