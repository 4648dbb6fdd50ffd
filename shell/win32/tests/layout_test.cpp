#include "shell/win32/layout.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "shell/win32/control_ids.h"

namespace veltrano::win32 {
namespace {

const ControlLayout& specOf(int id) {
  for (const ControlLayout& entry : controlTable()) {
    if (entry.id == id) {
      return entry;
    }
  }
  throw std::out_of_range("no such control");
}

bool inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y &&
         inner.x + inner.width <= outer.x + outer.width &&
         inner.y + inner.height <= outer.y + outer.height;
}

TEST(Layout, FirstTwentyOneControlsAreTheFocusOrder) {
  const auto table = controlTable();
  ASSERT_EQ(table.size(), 32u);
  for (int position = 0; position < 21; ++position) {
    EXPECT_EQ(table[static_cast<std::size_t>(position)].id, ids::cmbConnessione + position);
  }
}

TEST(Layout, ControlPositionsAddTheirFrameOrigin) {
  // cmbConnessione: frame at 120, 120 twips, list at 1440, 240 inside it.
  const PixelRect at96 = toPixels(specOf(ids::cmbConnessione), 96);
  EXPECT_EQ(at96.x, 104);
  EXPECT_EQ(at96.y, 24);
  EXPECT_EQ(at96.width, 225);
  const PixelRect at144 = toPixels(specOf(ids::cmbConnessione), 144);
  EXPECT_EQ(at144.x, 156);
  EXPECT_EQ(at144.y, 36);
}

TEST(Layout, EveryControlLiesInsideItsFrameAndTheFramesInsideTheClientArea) {
  for (const UINT dpi : {96u, 120u, 144u, 192u}) {
    const PixelRect client{0, 0, twipsToPixels(kClientWidthTwips, dpi),
                           twipsToPixels(kClientHeightTwips, dpi)};
    for (const ControlLayout& entry : controlTable()) {
      const PixelRect outer = entry.frameId == 0 ? client : toPixels(specOf(entry.frameId), dpi);
      EXPECT_TRUE(inside(toPixels(entry, dpi), outer)) << entry.id << " at " << dpi;
    }
  }
}

TEST(Layout, FramesStandSideBySide) {
  const PixelRect left = toPixels(specOf(ids::frmConnessioni), 96);
  const PixelRect right = toPixels(specOf(ids::frmComandi), 96);
  EXPECT_LT(left.x + left.width, right.x);
  EXPECT_EQ(left.y, right.y);
}

TEST(Layout, HiddenAtStartIsOnlyTheNewNameFieldInTheListsPlace) {
  for (const ControlLayout& entry : controlTable()) {
    EXPECT_EQ(entry.visible, entry.id != ids::txtConnessione) << entry.id;
  }
  const PixelRect field = toPixels(specOf(ids::txtConnessione), 96);
  const PixelRect list = toPixels(specOf(ids::cmbConnessione), 96);
  EXPECT_EQ(field.x, list.x);
  EXPECT_EQ(field.y, list.y);
  EXPECT_EQ(field.width, list.width);
}

}  // namespace
}  // namespace veltrano::win32
