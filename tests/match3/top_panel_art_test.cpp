// The built top panel of the game screen holds the numbers the game draws on it: each slot is
// wide enough for its longest number in the panel's font, and the slot's icon stays clear of the
// first digit (an hour-long level once pushed the clock against the hourglass).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "match3/main_game.h"
#include "media/files.h"
#include "media/graphics.h"
#include "media/picture_codecs.h"
#include "test_support.h"

namespace {

using media_internal::DecodedPicture;

// Columns of clear slot wanted between an icon and the number beside it.
constexpr int kClearance = 3;

struct Panel {
  DecodedPicture picture;
  const uint8_t* at(int x, int y) const {
    return &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
  }
  // The icons are gold; the glass, the slots and their rims are blue and violet.
  bool Gold(int x, int y) const {
    const uint8_t* p = at(x, y);
    return p[3] > 128 && p[0] >= 120 && p[0] >= p[2] + 60;
  }
  // The dark inside of a slot, as opposed to the lighter panel glass around it.
  bool InSlot(int x, int y) const {
    const uint8_t* p = at(x, y);
    return p[3] > 200 && p[2] < 90 && p[0] < 60;
  }
};

// The widest text the game can make with each digit in turn.
template <typename Make>
int WidestOf(Make make) {
  int widest = 0;
  for (int d = 0; d <= 9; ++d) widest = std::max(widest, TextWidthOf(make(d)));
  return widest;
}

struct SlotCase {
  const char* name;
  int width;       // of the longest number, in pixels
  int anchor;      // the x the game places the number by
  bool rightEnd;   // the number ends at the anchor (otherwise it is centred on it)
  int iconSearch;  // the slot's icon is the only gold from this x to the number's end
};

TEST(TopPanelArt, EverySlotHoldsItsLongestNumberClearOfItsIcon) {
  testing_support::MediaScope media;
  ASSERT_TRUE(media.ok());
  const std::string game = testing_support::BuildDir() + "/game/";
  std::string bytes, error;
  Panel panel;
  ASSERT_TRUE(ReadFileBytes(game + "gfx/gui/mainGame/up.png", bytes));
  ASSERT_TRUE(media_internal::DecodePng(reinterpret_cast<const uint8_t*>(bytes.data()),
                                        bytes.size(), panel.picture, error))
      << error;
  // The game anchors the panel at its top centre on x 512, so picture x is screen x.
  ASSERT_EQ(panel.picture.width, 1024);
  TImageFont* font = LoadFontFile(game + "gfx/fonts/font1.ttf", 20);
  ASSERT_NE(font, nullptr);
  SetTextFont(font);

  const int cellDigits = static_cast<int>(std::to_string(64 * 64).size());  // the largest board
  const int cashDigits = static_cast<int>(CashString(0).size());
  const SlotCase cases[] = {
      {"cells left", WidestOf([&](int d) { return std::string(cellDigits, char('0' + d)); }), 140,
       false, 60},
      // Three-digit hours: a level left running for days.
      {"clock", WidestOf([](int d) {
         const int two = 11 * std::min(d, 5);
         return TimeString(111 * std::max(d, 1), two, two);
       }),
       270, false, 150},
      {"cash", WidestOf([&](int d) { return std::string(cashDigits, char('0' + d)); }), 942, true,
       700},
  };
  for (const SlotCase& c : cases) {
    SCOPED_TRACE(c.name);
    const int left = c.rightEnd ? c.anchor - c.width : c.anchor - c.width / 2;
    const int right = left + c.width;
    int iconRight = -1;
    for (int y = 8; y <= 42; ++y) {
      for (int x = c.iconSearch; x < right; ++x)
        if (panel.Gold(x, y)) iconRight = std::max(iconRight, x);
    }
    ASSERT_GE(iconRight, 0) << "no icon left of the number";
    EXPECT_LE(iconRight + kClearance, left)
        << "the icon reaches x " << iconRight << ", the number starts at x " << left;
    // The number's box, from the top of its digits to their foot, lies on the slot.
    for (int y : {15, 25, 35}) {
      for (int x = left - 1; x <= right + 1; ++x)
        ASSERT_TRUE(panel.InSlot(x, y)) << "x " << x << ", y " << y << " is off the slot (number "
                                        << left << " to " << right << ")";
    }
  }
}

}  // namespace
